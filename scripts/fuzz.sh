#!/usr/bin/env bash
# Runs one libFuzzer target of tests/fuzz for a while, on a copy of its seed
# corpus in build/fuzz/runs/TARGET/ (the seeds in the source tree stay as
# they are), builds the fuzz preset first when needed, and prints the
# executions and what it found. Exit status: 0 nothing found, 1 findings,
# 2 no build or no such target.
#
#   scripts/fuzz.sh TARGET [SECONDS]       e.g. scripts/fuzz.sh text 600
#   targets: the folders of tests/fuzz/corpus/
set -uo pipefail
cd "$(dirname "$0")/.."

target=${1:-}
seconds=${2:-60}
seeds=tests/fuzz/corpus/$target
if [ -z "$target" ] || [ ! -d "$seeds" ]; then
  echo "usage: scripts/fuzz.sh TARGET [SECONDS]; targets: $(ls tests/fuzz/corpus | tr '\n' ' ')" >&2
  exit 2
fi

work=build/fuzz/runs/$target
mkdir -p "$work"
# ninja decides what is out of date; an unchanged tree costs a second.
# BRENLO_FUZZ_BUILT=1: the caller has just built the preset (and runs
# several fuzzers at once, whose builds would share one build folder).
if [ "${BRENLO_FUZZ_BUILT:-0}" != 1 ]; then
  if ! { [ -f build/fuzz/build.ninja ] || cmake --preset fuzz; } >"$work/build.log" 2>&1 ||
    ! cmake --build --preset fuzz -j "${BRENLO_JOBS:-2}" >>"$work/build.log" 2>&1; then
    tail -n 40 "$work/build.log"
    exit 2
  fi
fi

rm -rf "$work/corpus" "$work/findings"
mkdir -p "$work/corpus" "$work/findings"
cp "$seeds"/* "$work/corpus/"
# A run longer than 10 s on one input is a finding too (-timeout).
build/fuzz/bin/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$work/findings/" "$work/corpus" >"$work/log" 2>&1

executions=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$work/log" | grep -oE '[0-9]+$')
echo "$target: ${executions:-0} executions in ${seconds} s, corpus $(ls "$work/corpus" | wc -l) inputs (log: $work/log)"
findings=("$work"/findings/*)
if [ ! -e "${findings[0]}" ]; then
  exit 0
fi
for finding in "${findings[@]}"; do
  echo "finding: $finding ($(stat -c %s "$finding") bytes)"
done
# The report and the frames of the program, without the fuzzer's and sanitizers' own.
grep -m1 -E '^==[0-9]+==ERROR|^SUMMARY|runtime error' "$work/log"
grep -E '^ +#[0-9]+ ' "$work/log" | grep -vE 'fuzzer::|__sanitizer|libc\.so|__interceptor|compiler-rt' | head -n 8
exit 1

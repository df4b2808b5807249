#!/usr/bin/env bash
# Performance figures on the stress books (tools/gen-stress-books.py): the
# whole console export against loading the same books (books-dump), write
# system calls, peak memory, the Google Benchmark programs (bench/), and the
# GUI program under Wine + Xvfb with a window manager from F12 to its outcome
# message on the blue sample books. Prints figures; judges nothing.
#
#   scripts/bench.sh [--no-gui]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
gui=1
[ "${1:-}" = --no-gui ] && gui=0
runs=5

bash scripts/install-deps.sh >/dev/null
cmake --preset native -DBRENLO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset native -j 2 --target brenlo-cli books-dump brenlo-bench >/dev/null
bin=build/native/bin
stress=build/native/bench/Books-stress.json

scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cp "$stress" "$scratch/Books.json"
export_cmd=("$bin/brenlo-cli" --books "$scratch/Books.json" --kind real-estate
  --out "$scratch/report.xml" --yes --quiet)
load_cmd=("$bin/books-dump" "$scratch/Books.json")

# The median wall time of a command over $runs runs, in seconds; each run
# starts without a report, so none asks to overwrite one.
median() {
  python3 - "$runs" "$scratch/report.xml" "$@" <<'PY'
import os, statistics, subprocess, sys, time
runs, report, command = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
times = []
for _ in range(runs):
    if os.path.exists(report):
        os.remove(report)
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    times.append(time.perf_counter() - start)
print(f"{statistics.median(times):.3f}")
PY
}

# Peak resident memory of a command, in MiB.
peak_mib() {
  rm -f "$scratch/report.xml"
  /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ {printf "%.1f\n", $2 / 1024}'
}

echo "== Stress books: $(du -k "$stress" | cut -f1) KiB, $(python3 -c 'import json,sys; print(len(json.load(open(sys.argv[1]))["entries"][0]["realEstate"]["1"]["rentals"]))' "$stress") rentals"
export_s=$(median "${export_cmd[@]}")
report_bytes=$(stat -c %s "$scratch/report.xml")
load_s=$(median "${load_cmd[@]}")
echo "console export (real estate), median of $runs: ${export_s} s"
echo "books-dump loading the same books, median of $runs: ${load_s} s"
echo "ratio export / load: $(python3 -c "print(f'{$export_s / $load_s:.2f}')")"
echo "report: $report_bytes bytes"

rm -f "$scratch/report.xml"
writes=$(strace -f -c -e trace=write "${export_cmd[@]}" 2>&1 >/dev/null | awk '$NF == "write" {print $4}')
echo "write system calls of the export: ${writes:-0}"
echo "peak memory: export $(peak_mib "${export_cmd[@]}") MiB, books-dump $(peak_mib "${load_cmd[@]}") MiB"

echo "== Google Benchmark (bench/)"
"$bin/brenlo-bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

if [ "$gui" = 1 ]; then
  echo "== Brenlo.exe under Wine + Xvfb + openbox: F12 to the outcome message (blue sample books)"
  cmake --preset mingw >/dev/null
  cmake --build --preset mingw -j 2 --target gui-bench Brenlo >/dev/null
  cp samples/Books-blue.json "$scratch/Books-blue.json"
  "$bin/brenlo-cli" --books "$scratch/Books-blue.json" --kind business --out "$scratch/cli.xml" \
    --yes --quiet 2>/dev/null
  (
    . scripts/wine-env.sh
    trap brenlo_wine_cleanup EXIT
    xvfb-run -a scripts/with-wm.sh bash -c '
      for k in $(seq "$3"); do
        rm -f "$1/gui.xml"
        seconds=$(wine "$2/build/mingw/bin/gui-bench.exe" "Z:${1//\//\\}\\Books-blue.json" \
          "Z:${1//\//\\}\\gui.xml") || echo "gui-bench failed" >&2
        cmp -s "$1/gui.xml" "$1/cli.xml" && same="identical to" || same="DIFFERENT from"
        echo "run $k: $seconds s, report $same brenlo-cli'"'"'s" >&2
        echo "$seconds"
      done' bash "$scratch" "$root" "$runs" 2>&1 >"$scratch/gui-times" | grep -v "^X connection"
  )
  echo "F12 to the outcome message, median of $runs: $(python3 -c 'import statistics, sys
print(f"{statistics.median(float(t) for t in open(sys.argv[1])):.3f}")' "$scratch/gui-times") s"
fi

#!/usr/bin/env bash
# The whole test suite from a clean clone: installs what the builds need,
# builds and tests natively (POSIX adapter) and with AddressSanitizer/UBSan,
# then cross-builds for Windows and runs the same tests under Wine.
#
#   scripts/test.sh           everything (what CI runs)
#   scripts/test.sh --quick   the structure check, the native build and its tests
set -uo pipefail
cd "$(dirname "$0")/.."
quick=0
case "${1:-}" in
  "") ;;
  --quick) quick=1 ;;
  *) echo "usage: scripts/test.sh [--quick]" >&2; exit 64 ;;
esac
root=$(pwd)
logdir="$root/build/test-logs"

step() { printf '\n==> %s\n' "$*"; }

step "Installing build and test dependencies"
bash scripts/install-deps.sh || exit 1
mkdir -p "$logdir"

jobs=$(nproc 2>/dev/null || echo 2)
failed=0
passed_total=0
failed_total=0

# Adds the counts of a ctest summary line ("100% tests passed, 0 tests failed out of 42").
count_ctest() {
  local line total fails
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then failed_total=$((failed_total + 1)); return; fi
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  fails=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed_total=$((passed_total + total - fails))
  failed_total=$((failed_total + fails))
}

build_preset() {  # preset
  step "Building preset $1"
  # The native build has the benchmarks too: built, not run (scripts/bench.sh runs them).
  local options=()
  [ "$1" = native ] && options=(-DBRENLO_BUILD_BENCHMARKS=ON)
  if ! { cmake --preset "$1" "${options[@]}" && cmake --build --preset "$1" -j "$jobs"; } >"$logdir/$1-build.log" 2>&1; then
    tail -n 100 "$logdir/$1-build.log"
    return 1
  fi
}

# Adds the counts of GoogleTest XML results; a missing one counts as a failure.
count_gtest_xml() {
  local xml tests fails skipped
  for xml in "$@"; do
    if [ -f "$xml" ]; then
      tests=$(grep -m1 -oE '<testsuites tests="[0-9]+"' "$xml" | grep -oE '[0-9]+')
      fails=$(grep -m1 -oE '<testsuites [^>]*failures="[0-9]+"' "$xml" | grep -oE 'failures="[0-9]+"' | grep -oE '[0-9]+')
      # A skipped test (one that needs what this run does not give it) passed nothing.
      skipped=$(grep -c '<skipped' "$xml" || true)
      passed_total=$((passed_total + tests - fails - skipped))
      failed_total=$((failed_total + fails))
    else
      failed_total=$((failed_total + 1))
    fi
  done
}

# Adds the tests of a ctest log, one each, but the GoogleTest binaries whose
# XML counts their own (an ERE of their test names).
count_ctest_others() {  # log names
  local others
  others=$(grep -E 'Test +#[0-9]+: ' "$1" | grep -vE "$2")
  if [ -n "$others" ]; then
    passed_total=$((passed_total + $(grep -c ' Passed' <<<"$others")))
    failed_total=$((failed_total + $(grep -vc ' Passed' <<<"$others")))
  fi
}

run_native() {  # preset
  build_preset "$1" || return 1
  step "Testing preset $1"
  # The sanitized test binary runs in shards (tests/CMakeLists.txt), each writing its XML:
  # those the log names are counted from it.
  rm -f "build/$1"/tests/shard*-results.xml
  ctest --preset "$1" -j "$jobs" >"$logdir/$1-ctest.log" 2>&1
  local status=$?
  grep -vE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|^ +Start +[0-9]+: ' "$logdir/$1-ctest.log"
  local shards
  shards=$(grep -oE 'Test +#[0-9]+: brenlo_tests_shard[0-9]+' "$logdir/$1-ctest.log" | grep -oE '[0-9]+$')
  if [ -n "$shards" ]; then
    count_gtest_xml $(printf "build/$1/tests/shard%s-results.xml " $shards)
    count_ctest_others "$logdir/$1-ctest.log" 'brenlo_tests_shard'
  else
    count_ctest "$logdir/$1-ctest.log"
  fi
  return "$status"
}

step "Checking the structure of src/"
if python3 tools/check-structure.py src; then
  passed_total=$((passed_total + 1))
else
  failed_total=$((failed_total + 1))
fi

# Counts one test of the summary: passed when the command succeeds.
count_one() {
  if "$@"; then passed_total=$((passed_total + 1)); else failed_total=$((failed_total + 1)); fi
}

# The console end-to-end checks once more as an unprivileged user, in a
# scratch folder of its own (HOME and TMPDIR): the suite itself runs as root.
# BRENLO_E2E_AS_USER=0 leaves them out.
run_e2e_as_user() {
  local as_root=() home test
  [ "$(id -u)" -ne 0 ] && as_root=(sudo -n)
  home=$("${as_root[@]}" mktemp -d /tmp/brenlo-nobody.XXXXXX) || return 1
  # The user may not reach the checkout (a clone under /root): it gets a copy
  # of the program, the samples and the scripts with their golden reports.
  "${as_root[@]}" mkdir -p "$home/tree/tests"
  "${as_root[@]}" cp -r samples "$home/tree/"
  "${as_root[@]}" cp -r tests/e2e "$home/tree/tests/"
  "${as_root[@]}" mkdir -p "$home/tree/bin"
  "${as_root[@]}" cp build/native/bin/brenlo-cli build/native/bin/NorvikDef.ini build/native/bin/SUPPORT.INF "$home/tree/bin/"
  "${as_root[@]}" chown -R nobody:nogroup "$home"
  for test in cli_test cli_paths_test; do
    step "End-to-end $test as nobody"
    if "${as_root[@]}" setpriv --reuid=nobody --regid=nogroup --clear-groups \
      env HOME="$home" TMPDIR="$home" bash "$home/tree/tests/e2e/$test.sh" "$home/tree" "$home/tree/bin/brenlo-cli" \
      >"$logdir/$test-as-user.log" 2>&1; then
      passed_total=$((passed_total + 1))
    else
      grep -vE '^ok ' "$logdir/$test-as-user.log" | head -n 40
      failed_total=$((failed_total + 1))
    fi
  done
  "${as_root[@]}" rm -rf "$home"
}

# The fuzz preset, and each libFuzzer target for a short fixed budget (one
# test each), as many at once as there are cores (a fuzzer uses one);
# scripts/fuzz.sh runs one longer.
run_fuzzers() {
  local seconds=${BRENLO_FUZZ_SECONDS:-10} targets pids=() i
  build_preset fuzz || { failed_total=$((failed_total + 1)); return 1; }
  targets=($(ls tests/fuzz/corpus))
  step "Fuzzing ${targets[*]} for $seconds s each, $jobs at once"
  for i in "${!targets[@]}"; do
    BRENLO_FUZZ_BUILT=1 scripts/fuzz.sh "${targets[$i]}" "$seconds" >"$logdir/fuzz-${targets[$i]}.log" 2>&1 &
    pids[$i]=$!
    # With as many running as there are cores, waits for the oldest.
    [ "$i" -ge $((jobs - 1)) ] && wait_fuzzer $((i - jobs + 1))
  done
  for i in "${!targets[@]}"; do
    [ -n "${pids[$i]:-}" ] && wait_fuzzer "$i"
  done
}

wait_fuzzer() {  # index into run_fuzzers' targets and pids
  if wait "${pids[$1]}"; then passed_total=$((passed_total + 1)); else failed_total=$((failed_total + 1)); fi
  cat "$logdir/fuzz-${targets[$1]}.log"
  pids[$1]=
}

# The compiler cache's counters before the builds, to tell this run's share.
cache_counters() {
  command -v ccache >/dev/null && ccache --print-stats 2>/dev/null |
    awk '$1 ~ /^(direct_cache_hit|preprocessed_cache_hit|cache_miss)$/ {n[$1] = $2}
         END {print n["direct_cache_hit"] + n["preprocessed_cache_hit"], n["cache_miss"] + 0}'
}
cache_before=$(cache_counters)

# The compiler cache's statistics, and this run's hits and misses (counted
# cache-wide: another build at the same time counts too).
report_cache() {
  command -v ccache >/dev/null || return 0
  step "Compiler cache"
  ccache -s
  local after
  after=$(cache_counters)
  if [ -n "$cache_before" ] && [ -n "$after" ]; then
    set -- $cache_before $after
    printf 'This run: %d hits, %d misses\n' $(($3 - $1)) $(($4 - $2))
  fi
}

# Everything but the native build and its tests is left to the full run.
finish() {
  report_cache
  [ "$failed_total" -gt 0 ] && failed=1
  printf '\nSummary: %d passed, %d failed\n' "$passed_total" "$failed_total"
  exit "$failed"
}

run_native native || failed=1
[ "$quick" = 1 ] && finish
if [ "${BRENLO_E2E_AS_USER:-1}" != 0 ]; then
  run_e2e_as_user
fi
step "Killing brenlo-cli while it writes the report"
count_one scripts/kill-check.sh 3
run_native asan || failed=1
run_fuzzers

if build_preset mingw; then
  step "Testing preset mingw under Wine"
  rm -f build/mingw/tests/wine-results.xml build/mingw/tests/gui/gui-results.xml
  (
    . scripts/wine-env.sh
    trap brenlo_wine_cleanup EXIT
    # The Win32 dialog tests need a display, and a window manager on it.
    xvfb-run -a scripts/with-wm.sh ctest --test-dir build/mingw --output-on-failure \
      >"$logdir/mingw-ctest.log" 2>&1
    status=$?
    cat "$logdir/mingw-ctest.log"
    exit "$status"
  ) || failed=1
  count_gtest_xml build/mingw/tests/wine-results.xml build/mingw/tests/gui/gui-results.xml
  count_ctest_others "$logdir/mingw-ctest.log" 'brenlo_tests_wine|brenlo_gui_e2e_wine'

  step "Packing the release archive"
  rm -rf build/mingw/release
  # The archive holds a Japanese file name: libarchive needs a UTF-8 locale.
  listing=$( (cd build/mingw && LC_ALL=C.UTF-8 cpack --config CPackConfig.cmake >/dev/null) &&
    LC_ALL=C.UTF-8 cmake -E tar tf build/mingw/release/Brenlo-*-win64.zip)
  if grep -q '/Brenlo.exe$' <<<"$listing" && grep -q '/Brenlopro.exe$' <<<"$listing" &&
    grep -q '/BrenloView.exe$' <<<"$listing" && grep -q '/お試し/Books.json$' <<<"$listing" &&
    grep -q '/お試し/NorvikDef.ini$' <<<"$listing" && grep -q '/お試し/SUPPORT.INF$' <<<"$listing" &&
    grep -q '/brenlo-cli.exe$' <<<"$listing" && grep -q '/INSTALL.md$' <<<"$listing" &&
    grep -q '/はじめにお読みください.txt$' <<<"$listing" && grep -q '/guide/index.html$' <<<"$listing" &&
    grep -q '/guide/install.html$' <<<"$listing" && grep -q '/guide/images/conditions-both.png$' <<<"$listing"; then
    echo "$listing"
    passed_total=$((passed_total + 1))
  else
    echo "the release archive is missing or incomplete: $listing"
    failed_total=$((failed_total + 1))
  fi

  step "The unpacked release archive's trial folder under Wine"
  rm -f "$logdir/trial-results.xml"
  before=$failed_total
  scripts/trial-test.sh build/mingw/release/Brenlo-*-win64.zip "Z:${logdir//\//\\}\\trial-results.xml" \
    >"$logdir/trial.log" 2>&1 && trial=0 || trial=1
  cat "$logdir/trial.log"
  count_gtest_xml "$logdir/trial-results.xml"
  # A run that failed outside its tests (no archive, a skipped test) fails too.
  if [ "$trial" = 1 ] && [ "$failed_total" = "$before" ]; then
    failed_total=$((failed_total + 1))
  fi
else
  failed=1
fi

finish

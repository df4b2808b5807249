#!/usr/bin/env bash
# Kill safety of the report: brenlo-cli exports the stress books
# (tools/gen-stress-books.py, real estate, an 8 MB report) over an earlier
# report and is killed with SIGKILL at random moments. After every kill the
# file at the output path must be the earlier report or the complete new one,
# and the next run must write the complete new one. Temporary files left
# beside the report are listed as findings without failing the check; made a
# day old, they must be gone after the next run (its clean-up takes them),
# where the user has the key that claims them.
#
#   scripts/kill-check.sh [KILLS]        (default 20; needs the native build)
# Exit status: 0 every kill left a whole report, 1 otherwise, 2 no program.
set -uo pipefail
cd "$(dirname "$0")/.."
kills=${1:-20}
cli=build/native/bin/brenlo-cli
if [ ! -x "$cli" ]; then
  echo "kill-check: $cli is missing (cmake --preset native && cmake --build --preset native)" >&2
  exit 2
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-kill.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
books=$scratch/Books.json
mkdir -p "$scratch/out"
report=$scratch/out/report.xml

python3 tools/gen-stress-books.py "$books" >/dev/null || exit 2
export_to() {  # kind path: runs in the foreground
  "$cli" --books "$books" --kind "$1" --out "$2" --yes --quiet </dev/null >/dev/null 2>>"$scratch/stderr"
}
# The earlier report is another kind's, so that old and new differ.
export_to business "$scratch/earlier.xml" || { echo "kill-check: the earlier report failed"; exit 1; }
start=$(date +%s%N)
export_to real-estate "$scratch/reference.xml" || { echo "kill-check: the reference run failed"; exit 1; }
run_ms=$((($(date +%s%N) - start) / 1000000))
echo "kill-check: reference run ${run_ms} ms, report $(stat -c %s "$scratch/reference.xml") bytes; $kills kills"

failures=0
leftovers=0
key=${XDG_STATE_HOME:-$HOME/.local/state}/brenlo/temporary-names.key
old=0 new=0 finished=0
for ((round = 1; round <= kills; round++)); do
  cp "$scratch/earlier.xml" "$report"
  # Anywhere from the start to a little past the end of a whole run.
  delay_ms=$((RANDOM % (run_ms + run_ms / 5 + 1)))
  "$cli" --books "$books" --kind real-estate --out "$report" --yes --quiet </dev/null >/dev/null 2>&1 &
  pid=$!
  sleep "$(printf '%d.%03d' $((delay_ms / 1000)) $((delay_ms % 1000)))"
  if kill -KILL "$pid" 2>/dev/null; then
    wait "$pid" 2>/dev/null
  else
    wait "$pid" 2>/dev/null
    finished=$((finished + 1))
  fi

  if cmp -s "$report" "$scratch/earlier.xml"; then
    old=$((old + 1))
  elif cmp -s "$report" "$scratch/reference.xml"; then
    new=$((new + 1))
  else
    failures=$((failures + 1))
    echo "kill $round at ${delay_ms} ms: the report is neither the earlier nor the new one ($(stat -c %s "$report" 2>/dev/null || echo no) bytes)"
  fi
  for left in "$scratch"/out/*.tmp; do
    [ -e "$left" ] || continue
    leftovers=$((leftovers + 1))
    echo "finding: kill $round at ${delay_ms} ms left $(basename "$left") ($(stat -c %s "$left") bytes)"
    touch -d '25 hours ago' "$left"
  done

  # With whatever the kill left beside it.
  if ! export_to real-estate "$report" || ! cmp -s "$report" "$scratch/reference.xml"; then
    failures=$((failures + 1))
    echo "kill $round at ${delay_ms} ms: the next run did not write the whole report"
  fi
  for left in "$scratch"/out/*.tmp; do
    [ -e "$left" ] || continue
    if [ -f "$key" ]; then
      failures=$((failures + 1))
      echo "kill $round at ${delay_ms} ms: the next run left the day-old $(basename "$left")"
    fi
    rm -f "$left"
  done
done

echo "kill-check: $kills kills: $old left the earlier report, $new the new one ($finished ended before the kill), $failures failures, $leftovers temporary files left"
[ "$failures" -eq 0 ]

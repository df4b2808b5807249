#!/usr/bin/env bash
# brenlo-cli check and show: texts of a report reach the terminal as text, and
# output that cannot be written is a failure.
# Usage: inspect_output_test.sh SOURCE_DIR BRENLO_CLI
set -uo pipefail
source_dir=$1
cli=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-inspect.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

golden="$source_dir/tests/e2e/golden/blue-business.xml"
# The company name replaced: a window title and a clear screen, raw and as
# character references.
company() {  # replacement, output file
  local name=${1//&/\\&}
  LC_ALL=C sed "s|<KOMONSAKINAME>[^<]*</KOMONSAKINAME>|<KOMONSAKINAME>$name</KOMONSAKINAME>|" "$golden" >"$2"
}
company $'A\e]0;owned\a\e[2J' "$scratch/raw.xml"
company 'A&#x1B;]0;owned&#7;&#27;[2J' "$scratch/references.xml"
no_escape() { ! LC_ALL=C grep -q $'[\e\a]' "$1"; }

for report in raw references; do
  for command in show check; do
    "$cli" "$command" "$scratch/$report.xml" >"$scratch/out" 2>"$scratch/err"
    check "$command $report: no control character on stdout" no_escape "$scratch/out"
    check "$command $report: no control character on stderr" no_escape "$scratch/err"
  done
done
"$cli" show "$scratch/raw.xml" >"$scratch/out" 2>&1
check "show raw: refused, naming the character" grep -q 'U+001B' "$scratch/out"
"$cli" show "$scratch/references.xml" >"$scratch/out" 2>&1
check "show references: refused where the reference stands" grep -q 'references.xml:12: ' "$scratch/out"

if [ -w /dev/full ]; then
  for command in show check "check --json"; do
    "$cli" $command "$golden" >/dev/full 2>"$scratch/err"
    status=$?
    check "$command > /dev/full: exit status $status" [ "$status" -eq 2 ]
    check "$command > /dev/full: says why" grep -q 'cannot write the output' "$scratch/err"
  done
  "$cli" --version >/dev/full 2>/dev/null
  check "--version > /dev/full: exit status $?" [ $? -eq 2 ]
else
  echo "/dev/full: skipped (none here)"
fi
"$cli" --help >&- 2>/dev/null
status=$?
check "--help with standard output closed: exit status $status" [ "$status" -eq 2 ]

report_checks

# Sourced by the end-to-end scripts: counted checks and the closing line.
failures=0
checks=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() {  # description, command...
  local what=$1
  shift
  checks=$((checks + 1))
  "$@" || fail "$what"
}

# The closing line; the script's status says whether every check passed.
report_checks() {
  echo "$((checks - failures)) passed, $failures failed"
  [ "$failures" -eq 0 ]
}

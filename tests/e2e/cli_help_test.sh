#!/usr/bin/env bash
# brenlo-cli's help and usage errors in the console's language: Japanese for
# a Japanese locale, English otherwise. A help line left in English on a
# Japanese console (an option without its row in the text table) fails here.
#
#   cli_help_test.sh SOURCE_DIR CLI [RUNNER...]
set -u
cli=$2
shift 2
runner=("$@")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-help.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

# Runs the CLI in a locale; status and both streams in $status and $text.
run() {
  local locale=$1
  shift
  LANG=$locale LC_ALL=$locale LC_MESSAGES= "${runner[@]}" "$cli" "$@" >"$scratch/out" 2>&1 </dev/null
  status=$?
  text=$(tr -d '\r' <"$scratch/out")
}

# Three English words in a row: a sentence nobody translated.
english_sentence() { grep -qE '[A-Za-z]+ [a-z]+ [a-z]+' <<<"$1"; }
no_english_sentence() { ! english_sentence "$1"; }
non_ascii() { LC_ALL=C grep -q '[^ -~]' <<<"$1"; }
ascii_only() { ! non_ascii "$1"; }

for command in "--help" "check --help" "show --help"; do
  read -ra words <<<"$command"
  run ja_JP.UTF-8 "${words[@]}"
  check "ja $command: exit status $status" [ "$status" -eq 0 ]
  check "ja $command: Japanese" non_ascii "$text"
  check "ja $command: no English sentence" no_english_sentence "$text"
  run C "${words[@]}"
  check "C $command: exit status $status" [ "$status" -eq 0 ]
  check "C $command: English" english_sentence "$text"
  check "C $command: ASCII only" ascii_only "$text"
done

for command in "--kind none" "--yes --no" "check" "show" "check a.xml --unknown"; do
  read -ra words <<<"$command"
  run ja_JP.UTF-8 "${words[@]}"
  check "ja $command: exit status $status" [ "$status" -eq 64 ]
  check "ja $command: Japanese usage error" grep -qF '使い方は「brenlo-cli --help」で確認できます。' <<<"$text"
  run C "${words[@]}"
  check "C $command: exit status $status" [ "$status" -eq 64 ]
  check "C $command: English usage error" grep -qF 'Run with --help for more information.' <<<"$text"
done
report_checks

#!/usr/bin/env bash
# brenlo-cli end to end on typed output paths: the checks of the conditions
# dialog, folder creation, the overwrite question and the remembered output.
#
#   cli_paths_test.sh SOURCE_DIR CLI [RUNNER...]   e.g. cli_paths_test.sh . build/mingw/bin/brenlo-cli.exe wine
set -u
source_dir=$1
cli=$2
shift 2
runner=("$@")

scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-paths.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

# Runs the CLI on the blue sample with the program folder below; its status
# and stderr land in $status and $err.
run() {
  "${runner[@]}" "$cli" --books "$scratch/Books.json" --program-folder "$scratch/program" --quiet "$@" \
    >"$scratch/stdout" 2>"$scratch/stderr" </dev/null
  status=$?
  err=$(tr -d '\r' <"$scratch/stderr")
}

says() { grep -qF -- "$1" <<<"$err"; }
windows_form() { local p=${1//\//\\}; echo "Z:$p"; }

cp "$source_dir/samples/Books-blue.json" "$scratch/Books.json"
mkdir -p "$scratch/program"
cp "$source_dir/samples/NorvikDef.ini" "$scratch/program/"

invalid='データの出力先に不正な文字が含まれています。'
no_name='ファイル名が指定されていません。'
create='指定されたフォルダは存在しません。'
overwrite='同名のファイルが存在します。'
too_long='出力先のパスが長すぎます。'

# Forbidden characters, also right after the colon, and doubled backslashes.
for out in "$scratch/a*.xml" 'C:*report.xml' "$scratch/a?.xml" "$scratch/a|b.xml" \
  "$(windows_form "$scratch")\\\\doubled.xml" 'Z:\\tmp\r.xml'; do
  run --out "$out" --yes
  check "invalid '$out': exit status $status" [ "$status" -eq 1 ]
  check "invalid '$out': message" says "$invalid"
done

# An empty file name, and an existing folder as the file name.
mkdir -p "$scratch/folder"
for out in "$scratch/" "$scratch/folder"; do
  run --out "$out" --yes
  check "no file name '$out': exit status $status" [ "$status" -eq 1 ]
  check "no file name '$out': message" says "$no_name"
done

# A missing folder: No leaves the dialog open (the CLI then cancels), Yes creates every level.
run --out "$scratch/n1/n2/r.xml" --no
check "folder No: exit status $status" [ "$status" -eq 1 ]
check "folder No: question" says "$create"
check "folder No: nothing created" [ ! -e "$scratch/n1" ]
run --out "$scratch/n1/n2/r.xml" --yes
check "folder Yes: exit status $status" [ "$status" -eq 0 ]
check "folder Yes: question" says "$create"
check "folder Yes: report written" [ -f "$scratch/n1/n2/r.xml" ]

# Names ending in a double-byte character whose second byte is a backslash.
run --out "$scratch/ソ/表/ソ表.xml" --yes
check "ソ/表: exit status $status" [ "$status" -eq 0 ]
check "ソ/表: report written" [ -f "$scratch/ソ/表/ソ表.xml" ]

# A lower-case drive letter.
run --out "z:${scratch//\//\\}\\lower.xml" --yes
check "lower-case drive: exit status $status" [ "$status" -eq 0 ]
check "lower-case drive: report written" [ -f "$scratch/lower.xml" ]

# No drive and no folder: the first letter is taken as the drive (R:, which
# has no root directory) and the file lands in the program's folder.
run --out report.xml --yes
check "no drive: exit status $status" [ "$status" -eq 0 ]
check "no drive: report in the program's folder" [ -f "$scratch/program/report.xml" ]

# No extension is added.
run --out "$scratch/noext" --yes
check "no extension: exit status $status" [ "$status" -eq 0 ]
check "no extension: written as typed" [ -f "$scratch/noext" ]
check "no extension: nothing else" [ ! -e "$scratch/noext.xml" ]

# The overwrite question.
echo old >"$scratch/over.xml"
run --out "$scratch/over.xml" --no
check "overwrite No: exit status $status" [ "$status" -eq 1 ]
check "overwrite No: question" says "$overwrite"
check "overwrite No: file kept" [ "$(cat "$scratch/over.xml")" = old ]
run --out "$scratch/over.xml" --yes
check "overwrite Yes: exit status $status" [ "$status" -eq 0 ]
check "overwrite Yes: replaced" grep -q '<REPORT>' "$scratch/over.xml"

# A typed path longer than the output field holds is refused, never cut.
long_typed="$scratch/$(printf 'y%.0s' $(seq 1 $((256 - ${#scratch} - 3))))"
run --out "$long_typed" --yes
check "typed too long: exit status $status" [ "$status" -eq 64 ]
check "typed too long: names the limit" grep -qE "255 (bytes|バイト)" <<<"$err"
check "typed too long: nothing written" [ -z "$(ls "$scratch" | grep '^yyy')" ]

# A path longer than 260 bytes can only come from the host.
long="$scratch/$(printf 'x%.0s' $(seq 1 260)).xml"
run --command-line "1234,1025,7,$(windows_form "$long")"
check "too long: exit status $status" [ "$status" -eq 1 ]
check "too long: message" says "$too_long"

# The remembered output: the last interactive path, kind and all, in the books' folder.
run --out "$scratch/remembered.xml" --kind other --yes
check "remembered: exit status $status" [ "$status" -eq 0 ]
check "remembered: one record for the user" \
  [ "$(grep -c "^MATSUMOTO/1/21:" "$scratch/Brenlo.env")" -eq 1 ]
check "remembered: kind and path" \
  grep -qF ":0/0/2/$(windows_form "$scratch")\\remembered.xml" "$scratch/Brenlo.env"
run --yes
check "remembered path used: exit status $status" [ "$status" -eq 0 ]
check "remembered path used: kind of the record" \
  grep -q '<SYOTOKUSYURUI>2</SYOTOKUSYURUI>' "$scratch/remembered.xml"

# No report over a file the run reads: the books, the settings, the
# definition file; each stays as it was, and the run says it failed.
cp "$source_dir/samples/SUPPORT.INF" "$scratch/program/"
for input in "$scratch/Books.json" "$scratch/Brenlo.env" "$scratch/program/NorvikDef.ini" \
  "$scratch/program/SUPPORT.INF"; do
  cp "$input" "$scratch/before"
  run --out "$input" --yes
  check "over the input $(basename "$input"): exit status $status" [ "$status" -eq 2 ]
  check "over the input $(basename "$input"): says why" \
    grep -qE 'is a file this run reads|この実行で読み込んだファイルです' <<<"$err"
  check "over the input $(basename "$input"): unchanged" cmp -s "$input" "$scratch/before"
done

report_checks

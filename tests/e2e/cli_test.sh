#!/usr/bin/env bash
# brenlo-cli end to end on the sample books: exit statuses, the completion
# line, and reports that xmllint parses as Shift_JIS with the expected header.
#
#   cli_test.sh SOURCE_DIR CLI [RUNNER...]     e.g. cli_test.sh . build/mingw/bin/brenlo-cli.exe wine
set -u
source_dir=$1
cli=$2
shift 2
runner=("$@")

scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-e2e.XXXXXX")
full_disk="$scratch/full"
cleanup() {
  mountpoint -q "$full_disk" 2>/dev/null && umount "$full_disk"
  rm -rf "$scratch"
}
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

# Runs the CLI; its status, stdout and stderr land in $status, $out and $err.
run() {
  "${runner[@]}" "$cli" "$@" >"$scratch/stdout" 2>"$scratch/stderr" </dev/null
  status=$?
  out=$(tr -d '\r' <"$scratch/stdout")
  err=$(tr -d '\r' <"$scratch/stderr")
}

# The report as UTF-8 text, one element per line.
report_text() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; }

has_line() { grep -qxF -- "$2" <<<"$1"; }

for company in blue white; do
  cp "$source_dir/samples/Books-$company.json" "$scratch/Books-$company.json"
done

# Every company and income kind exports a report that parses.
for company in blue white; do
  for kind in business other real-estate; do
    report="$scratch/$company-$kind.xml"
    run --books "$scratch/Books-$company.json" --kind "$kind" --out "$report" --yes --quiet
    check "$company $kind: exit status $status" [ "$status" -eq 0 ]
    check "$company $kind: xmllint parses the report" xmllint --noout "$report"
    check "$company $kind: report equals its golden file" cmp -s "$report" "$source_dir/tests/e2e/golden/$company-$kind.xml"
    check "$company $kind: declaration" grep -q '^<?xml version="1.0" encoding="Shift_JIS"?>' "$report"
    text=$(report_text "$report")
    code=$(case $kind in business) echo 1 ;; other) echo 2 ;; *) echo 3 ;; esac)
    form=$([ "$company" = blue ] && echo 1 || echo 2)
    check "$company $kind: SYOTOKUSYURUI" has_line "$text" $'\t\t'"<SYOTOKUSYURUI>$code</SYOTOKUSYURUI>"
    check "$company $kind: AOSIROKUBUN" has_line "$text" $'\t\t'"<AOSIROKUBUN>$form</AOSIROKUBUN>"
    check "$company $kind: FUNCTIONID" has_line "$text" $'\t\t<FUNCTIONID>1</FUNCTIONID>'
    check "$company $kind: CONNECTEDPROGRAMVER" has_line "$text" $'\t\t<CONNECTEDPROGRAMVER>21.01.01</CONNECTEDPROGRAMVER>'
    check "$company $kind: PROGRAMNAME from SUPPORT.INF" has_line "$text" $'\t\t<PROGRAMNAME>Tellary２１</PROGRAMNAME>'
    check "$company $kind: PROGRAMVER from SUPPORT.INF" has_line "$text" $'\t\t<PROGRAMVER>21.00.05</PROGRAMVER>'
    check "$company $kind: JIGYOUNENDOFROM" has_line "$text" $'\t\t<JIGYOUNENDOFROM>20210101</JIGYOUNENDOFROM>'
    check "$company $kind: success message" grep -qF '所得税情報の出力が終了しました。' <<<"$err"
    check "$company $kind: nothing on stdout" [ -z "$out" ]
  done
done
check "blue: full-width KOMONSAKINAME" has_line "$(report_text "$scratch/blue-business.xml")" \
  $'\t\t<KOMONSAKINAME>松本表具店（松本　十蔵）</KOMONSAKINAME>'

# Without a support file, the edition's defaults.
mkdir -p "$scratch/program"
cp "$source_dir/samples/NorvikDef.ini" "$scratch/program/"
for edition in standard pro; do
  report="$scratch/default-$edition.xml"
  run --books "$scratch/Books-blue.json" --program-folder "$scratch/program" --edition "$edition" --out "$report" --quiet
  check "$edition defaults: exit status $status" [ "$status" -eq 0 ]
  name=$([ "$edition" = pro ] && echo 'Tellary２１ PRO' || echo 'Tellary２１')
  check "$edition defaults: PROGRAMNAME" has_line "$(report_text "$report")" $'\t\t'"<PROGRAMNAME>$name</PROGRAMNAME>"
  check "$edition defaults: PROGRAMVER" has_line "$(report_text "$report")" $'\t\t<PROGRAMVER>21.00.0X</PROGRAMVER>'
done

# Launched by the host: the completion line carries the outcome.
report="$scratch/host.xml"
# The host passes Windows paths: Z: is / under Wine as on the POSIX adapter.
run --books "$scratch/Books-white.json" --command-line "1234,1025,70000,Z:${scratch//\//\\}\\host.xml" --quiet
check "host run: exit status $status" [ "$status" -eq 0 ]
check "host run: completion line ($out)" [ "$out" = "completion window=1234 message=1025 wParam=4464 lParam=0" ]
check "host run: FUNCTIONID" has_line "$(report_text "$report")" $'\t\t<FUNCTIONID>4464</FUNCTIONID>'
run --books "$scratch/Books-white.json" --command-line "1234,1025,7," --cancel --quiet
check "host cancel: exit status $status" [ "$status" -eq 1 ]
check "host cancel: completion line ($out)" [ "$out" = "completion window=1234 message=1025 wParam=7 lParam=1" ]
check "host cancel: cancellation message" grep -qF '｢所得税｣の集計を中止します。' <<<"$err"

# Interactive cancel, a missing compatibility file, unusable options.
run --books "$scratch/Books-blue.json" --cancel --quiet
check "cancel: exit status $status" [ "$status" -eq 1 ]
mkdir -p "$scratch/empty"
run --books "$scratch/Books-blue.json" --program-folder "$scratch/empty" --out "$scratch/x.xml" --quiet
check "no definition file: exit status $status" [ "$status" -eq 2 ]
check "no definition file: message" grep -qF '動作環境が不正です。' <<<"$err"
run --books "$scratch/absent.json" --quiet
check "absent books: exit status $status" [ "$status" -eq 2 ]
run --kind salary
check "unknown kind: exit status $status" [ "$status" -eq 64 ]
run --yes --no
check "--yes with --no: exit status $status" [ "$status" -eq 64 ]
# What the dialog would not take is refused before anything is written.
jq '.entries[0].businessKind = 2' "$source_dir/samples/Books-blue.json" >"$scratch/Books-real-estate.json"
run --books "$scratch/Books-real-estate.json" --kind business --out "$scratch/refused.xml" --yes --quiet
check "kind the data lacks: exit status $status" [ "$status" -eq 64 ]
check "kind the data lacks: nothing written" [ ! -e "$scratch/refused.xml" ]
check "kind the data lacks: names the kinds it has" grep -qF ': real-estate' <<<"$err"
run --books "$scratch/Books-white.json" --command-line "1234,1025,7,Z:${scratch//\//\\}\\fixed.xml" \
  --out "$scratch/refused.xml" --quiet
check "--out beside the host's path: exit status $status" [ "$status" -eq 64 ]
check "--out beside the host's path: nothing at --out" [ ! -e "$scratch/refused.xml" ]
check "--out beside the host's path: nothing at the host's path" [ ! -e "$scratch/fixed.xml" ]
run --books "$scratch/Books-blue.json" --kind real-estate --out "$scratch/r.xml" --quiet --program-folder "$source_dir/samples"
check "sample folder as program folder: exit status $status" [ "$status" -eq 0 ]

# check: every sample report is free of errors, and its text speaks the
# form's words, never an element name.
for company in blue white; do
  for kind in business other real-estate; do
    report="$scratch/$company-$kind.xml"
    run check "$report"
    check "check $company $kind: exit status $status" [ "$status" -eq 0 ]
    names=$(grep -ao '<[A-Z][A-Z0-9_]*>' "$report" | tr -d '<>' | sort -u)
    check "check $company $kind: no element name in the text" \
      bash -c '! grep -owF -f <(printf "%s\n" "$1") <<<"$2"' _ "$names" "$out"
  done
done

# A loss: 5,000,000 yen more salaries, borrowed; the deduction's calculation
# starts from 0, the balance sheet keeps the loss.
jq '(.entries[0].blue.business.pl[] | select(.itemNo == 20) | .closing) += 5000000
  | (.entries[0].blue.business.pl[] | select(.itemNo == 32) | .closing) |= (tonumber + 5000000 | tostring)
  | (.entries[0].blue.business.pl[] | select(.itemNo == 33 or .itemNo == 43) | .closing) |= (tonumber - 5000000 | tostring)
  | (.entries[0].blue.business.pl[] | select(.itemNo == 44) | .closing) = 0
  | (.entries[0].blue.business.pl[] | select(.itemNo == 45) | .closing) |= (tonumber - 4762346 | tostring)
  | (.entries[0].blue.business.liabilities[] | select(.itemNo == 3) | .closing) += 5000000
  | (.entries[0].blue.business.liabilities[] | select(.itemNo == 24) | .closing) |= (tonumber - 5000000 | tostring)' \
  "$source_dir/samples/Books-blue.json" >"$scratch/Books-loss.json"
for kind in business other; do
  run --books "$scratch/Books-loss.json" --kind "$kind" --out "$scratch/loss-$kind.xml" --yes --quiet
  check "loss $kind: exported" [ "$status" -eq 0 ]
  check "loss $kind: deduction's income 0" grep -qF '<AOIROKOUJOMAESYOTOKU>0<' "$scratch/loss-$kind.xml"
  run check "$scratch/loss-$kind.xml"
  check "loss $kind: check finds no error ($status)" [ "$status" -eq 0 ]
done

# A damaged report is unreadable, named where it is damaged, also as JSON.
LC_ALL=C sed 's/>186420</>1,000</' "$scratch/blue-business.xml" >"$scratch/damaged.xml"
run check "$scratch/damaged.xml"
check "damaged: exit status $status" [ "$status" -eq 2 ]
check "damaged: the form's line and the text named" grep -qE '現金（期首）( holds "1,000"| が「1,000」)' <<<"$err"
run check --json "$scratch/damaged.xml"
check "damaged --json: exit status $status" [ "$status" -eq 2 ]
check "damaged --json: an object with the error and the element" [ "$(jq -c '[.unreadable, .line, .element]' <<<"$out")" = '[true,267,"GENKIN_KISYU"]' ]

# What is no regular file is refused at once, never read or waited for: a
# device, a pipe whose writer stays silent, a folder.
mkfifo "$scratch/silent.fifo"
for input in /dev/zero "$scratch/silent.fifo" "$scratch"; do
  SECONDS=0
  run check "$input"
  check "check $input: refused at once, exit status $status in ${SECONDS}s" \
    [ "$status" -eq 2 -a "$SECONDS" -lt 10 ]
  check "check $input: says why" grep -qE 'not a regular file|is a folder|通常のファイルではありません|フォルダです' <<<"$err"
done

LC_ALL=C sed '/<TAISYAKUTAISYOUHYO>/,/<\/TAISYAKUTAISYOUHYO>/d' "$scratch/blue-business.xml" >"$scratch/no-bs.xml"
run check "$scratch/no-bs.xml"
check "no balance sheet: exit status $status" [ "$status" -eq 1 ]

run check "$scratch/blue-business.xml" --previous "$scratch/white-business.xml"
check "previous of another company: exit status $status" [ "$status" -eq 1 ]
check "previous of another company: one error" [ "$(grep -c 'PREVIOUS-BALANCES\]' <<<"$out")" -eq 1 ]

run check
check "check without a report: exit status $status" [ "$status" -eq 64 ]
run check --help
check "check --help names the usage status" grep -qE '64 (usage error|指定の誤り)' <<<"$out"

# A real full disk, where this machine lets us mount a small one: the report
# fails, the earlier file at the path stays as it was, nothing else is left.
mkdir -p "$full_disk"
if mount -t tmpfs -o size=16k tmpfs "$full_disk" 2>/dev/null; then
  printf 'earlier report\r\n' >"$full_disk/report.xml"
  run --books "$scratch/Books-blue.json" --out "$full_disk/report.xml" --yes --quiet
  check "full disk: exit status $status" [ "$status" -eq 2 ]
  check "full disk: failure message" grep -qF 'XMLファイルの出力に失敗しました。' <<<"$err"
  check "full disk: earlier file intact" [ "$(cat "$full_disk/report.xml")" = $'earlier report\r' ]
  check "full disk: no other file left" [ "$(ls -A "$full_disk")" = "report.xml" ]
  # The page of show --html is written the same way.
  rm -f "$full_disk/report.xml"
  printf 'earlier page\n' >"$full_disk/page.html"
  run show "$source_dir/tests/e2e/golden/blue-business.xml" --html "$full_disk/page.html"
  check "full disk, page: exit status $status" [ "$status" -eq 2 ]
  check "full disk, page: earlier page intact" [ "$(cat "$full_disk/page.html")" = 'earlier page' ]
  check "full disk, page: no other file left" [ "$(ls -A "$full_disk")" = "page.html" ]
else
  echo "full disk: skipped (no tmpfs mount here)"
fi

report_checks

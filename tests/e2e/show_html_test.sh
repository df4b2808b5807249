#!/usr/bin/env bash
# brenlo-cli show --html on the blue sample's business report: the page is
# self-contained, its rendered DOM holds the statements' tables and totals, and
# it prints on A4 (chromium and pdfinfo come with the project's dependencies;
# without either the test fails).
#
#   show_html_test.sh SOURCE_DIR CLI
set -u
source_dir=$1
cli=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-show.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

report="$source_dir/tests/e2e/golden/blue-business.xml"
page="$scratch/show.html"
"$cli" show "$report" --html "$page"
status=$?
check "show --html: exit status $status" [ "$status" -eq 0 ]
check "show --html: page written" [ -s "$page" ]
check "no scripts" bash -c "! grep -qi '<script' '$page'"
check "nothing fetched" bash -c "! grep -qiE '(src|href)=|url\\(' '$page'"
check "UTF-8 declared" grep -q '<meta charset="utf-8">' "$page"
"$cli" show "$report" --html - >"$scratch/stdout.html"
check "--html - writes the same page to standard output" cmp -s "$page" "$scratch/stdout.html"
"$cli" show "$report" --previous "$source_dir/tests/e2e/golden/white-business.xml" \
  >/dev/null 2>"$scratch/previous.err"
check "--previous of another company: refused, exit status $?" [ $? -eq 2 ]
check "--previous of another company: says why" grep -q 'another company' "$scratch/previous.err"

# The report itself, under any name, is never the page.
cp "$report" "$scratch/r.xml"
ln -s r.xml "$scratch/link.html"
for target in "$scratch/r.xml" "$scratch/./r.xml" "$scratch/link.html"; do
  "$cli" show "$scratch/r.xml" --html "$target" 2>"$scratch/stderr"
  check "--html $target: refused, exit status $?" [ $? -eq 64 ]
  check "--html $target: says why" grep -q 'is the report being shown' "$scratch/stderr"
  check "--html $target: report unchanged" cmp -s "$scratch/r.xml" "$report"
done

"$cli" check "$report" >/dev/null
check "check: warnings only, exit status $?" [ $? -eq 0 ]
"$cli" show "$report" >"$scratch/show.txt"
check "show: income line in the terminal" grep -q '青色申告特別控除前の所得金額 *4,357,883' "$scratch/show.txt"

check "chromium is installed" bash -c 'command -v chromium >/dev/null'
check "pdfinfo is installed" bash -c 'command -v pdfinfo >/dev/null'
if command -v chromium >/dev/null; then
  profile=$(mktemp -d "$scratch/profile.XXXXXX")
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
    --disable-component-update --disable-sync --no-first-run --user-data-dir="$profile" \
    --dump-dom "file://$page" >"$scratch/dom.html" 2>/dev/null
  dom="$scratch/dom.html"
  check "chromium renders the page" [ -s "$dom" ]
  tables=$(grep -oE '<table[ >]' "$dom" | wc -l)
  check "one table per section ($tables)" [ "$tables" -eq 13 ]
  row() { grep -q "<td class=\"no\">$1</td><td>$2</td><td class=\"num\">$3</td>" "$dom"; }
  check "sales" row '①' '売上（収入）金額（雑収入を含む）' '28,477,800'
  check "cost of sales" row '⑥' '差引原価' '11,988,285'
  check "expenses" row '㉜' '計' '7,787,624'
  check "income" row '㊸' '青色申告特別控除前の所得金額' '4,357,883'
  check "manufacturing cost" row '㉖' '製品製造原価' '12,072,785'
  check "assets" grep -q '<td>資産合計</td><td class="num">28,302,509</td><td class="num">32,818,248</td>' "$dom"
  check "liabilities and capital" grep -q '<td>負債・資本合計</td><td class="num">28,302,509</td><td class="num">32,818,248</td>' "$dom"
  check "finding beside its line" grep -q 'class="warning"' "$dom"
  if command -v pdfinfo >/dev/null; then
    timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
      --disable-component-update --disable-sync --no-first-run --user-data-dir="$profile" \
      --print-to-pdf="$scratch/show.pdf" "file://$page" >/dev/null 2>&1
    check "printed on A4" bash -c "pdfinfo '$scratch/show.pdf' | grep -q 'Page size: *594.96 x 841.92 pts (A4)'"
  fi
fi
report_checks

#!/usr/bin/env bash
# brenlo-cli show --html of each kind of report, printed by headless Chromium:
# the form's pages in its order, every page A4 landscape, each block on the
# page where the form has it, the figures in the form's places; the page
# self-contained. Chromium and pdfinfo come with the project's dependencies;
# without either the test fails.
#
#   show_html_test.sh SOURCE_DIR CLI
set -u
source_dir=$1
cli=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-show.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
golden="$source_dir/tests/e2e/golden"
check "chromium is installed" bash -c 'command -v chromium >/dev/null'
check "pdfinfo is installed" bash -c 'command -v pdfinfo >/dev/null'

chrome() {  # options... URL
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
    --disable-component-update --disable-sync --no-first-run --user-data-dir="$scratch/profile" "$@" 2>/dev/null
}

# Each kind: its pages, and on each the blocks' titles ("|" between them).
declare -A pages=(
  [blue-business]="損益計算書
月別売上（収入）金額及び仕入金額|給料賃金の内訳|専従者給与の内訳|貸倒引当金繰入額の計算|青色申告特別控除額の計算
減価償却費の計算|利子割引料の内訳（金融機関を除く）|地代家賃の内訳|税理士・弁護士等の報酬・料金の内訳|本年中における特殊事情
資産の部|負債・資本の部|製造原価の計算"
  [white-business]="収支内訳書|給料賃金の内訳|税理士・弁護士等の報酬・料金の内訳|専従者の内訳
売上（収入）金額の明細|仕入金額の明細|減価償却費の計算|地代家賃の内訳|利子割引料の内訳（金融機関を除く）|本年中における特殊事情"
  [blue-real-estate]="損益計算書
不動産所得の収入の内訳|給料賃金の内訳|専従者給与の内訳
減価償却費の計算|地代家賃の内訳|借入金利子の内訳（金融機関を除く）|税理士・弁護士等の報酬・料金の内訳
資産の部|負債・資本の部|本年中における特殊事情・保証金等の運用状況"
  [white-real-estate]="収支内訳書|給料賃金の内訳|専従者の内訳|不動産所得の収入の内訳
減価償却費の計算|借入金利子の内訳（金融機関を除く）|地代家賃の内訳|修繕費の内訳|貸付不動産の用途別内訳|税理士・弁護士等の報酬・料金の内訳|本年中における特殊事情"
)
for kind in blue-business white-business blue-real-estate white-real-estate; do
  page="$scratch/$kind.html"
  "$cli" show "$golden/$kind.xml" --html "$page"
  status=$?
  check "$kind: show --html, exit status $status" [ "$status" -eq 0 ]
  chrome --no-pdf-header-footer --print-to-pdf="$scratch/$kind.pdf" "file://$page" >/dev/null
  chrome --dump-dom "file://$page" >"$scratch/$kind.dom"
  expected=$(grep -c . <<<"${pages[$kind]}")
  count=$(pdfinfo "$scratch/$kind.pdf" | sed -n 's/^Pages: *//p')
  check "$kind: $expected pages ($count)" [ "$count" = "$expected" ]
  landscape=$(pdfinfo -f 1 -l "$expected" "$scratch/$kind.pdf" | grep -c '^Page .*size: *841.92 x 594.96 pts')
  check "$kind: every page A4 landscape ($landscape)" [ "$landscape" = "$expected" ]
  number=0
  while IFS= read -r titles; do
    number=$((number + 1))
    text=$(pdftotext -f "$number" -l "$number" "$scratch/$kind.pdf" - | tr -d ' \n')
    IFS='|' read -ra blocks <<<"$titles"
    for block in "${blocks[@]}"; do
      check "$kind: $block on page $number" grep -qF "$block" <<<"$text"
    done
  done <<<"${pages[$kind]}"
done

# The figures where the form has them.
dom() { grep -qF "$2" "$scratch/$1.dom"; }
cell() { echo "<td class=\"num\">$1</td>"; }
check "㊸ as the balance sheet states it, marked" dom blue-business '<td class="num"><span class="mark">※1</span>4,357,881</td>'
check "㊸'s computed sum only in the footnote" bash -c "! grep -q '<td[^>]*>4,357,883' '$scratch/blue-business.dom'"
check "㊺ from the printed ㊸" dom blue-business "$(cell 4,120,227)"
check "monthly: 12 months, sales and purchases side by side" bash -c \
  "[ \$(grep -oE '<td>[0-9]+月</td><td class=\"num\">[0-9,-]*</td><td class=\"num\">[0-9,-]*</td>' '$scratch/blue-business.dom' | wc -l) -eq 12 ]"
check "salaries: the others' row" dom blue-business '<td>その他（2人分）</td>'
check "salaries: 計 with the 合計 column" dom blue-business "$(cell 7,975,000)$(cell 480,000)$(cell 8,455,000)"
check "bad-debt rate as the figures imply it" dom blue-business "$(cell 5.5%)"
check "real estate: ㉒ taken by the real-estate income" dom blue-real-estate "$(cell 412,346)</tr>"
check "real estate: ㉓ 所得金額 0" dom blue-real-estate '<td>所得金額（㉑－㉒）</td><td class="num">0</td>'
check "white: titled 収支内訳書" dom white-business '<h1>令和3年分 収支内訳書（一般用）</h1>'
check "white: 専従者の内訳" dom white-business '<h2>専従者の内訳</h2>'
check "tenants as 賃借人" dom white-real-estate '賃借人の住所・氏名'
check "rentals' 計 ties to ① 賃貸料" bash -c "grep -qF '$(cell 2,004,000)' '$scratch/white-real-estate.dom' && grep -q '<td>計</td>.*2,004,000' '$scratch/white-real-estate.dom'"
check "customers' 計 ties to ①" bash -c "grep -q '<td>計</td>.*21,486,350' '$scratch/white-business.dom'"

# Self-contained, and never over a report it reads.
report="$golden/blue-business.xml"
page="$scratch/blue-business.html"
check "no scripts" bash -c "! grep -qi '<script' '$page'"
check "nothing fetched" bash -c "! grep -qiE '(src|href)=|url\\(' '$page'"
check "UTF-8 declared" grep -q '<meta charset="utf-8">' "$page"
"$cli" show "$report" --html - >"$scratch/stdout.html"
check "--html - writes the same page to standard output" cmp -s "$page" "$scratch/stdout.html"
"$cli" show "$report" --previous "$golden/white-business.xml" >/dev/null 2>"$scratch/previous.err"
status=$?
check "--previous of another company: refused, exit status $status" [ "$status" -eq 2 ]
check "--previous of another company: says why" grep -q 'another company' "$scratch/previous.err"
cp "$report" "$scratch/r.xml"
ln -s r.xml "$scratch/link.html"
for target in "$scratch/r.xml" "$scratch/./r.xml" "$scratch/link.html"; do
  "$cli" show "$scratch/r.xml" --html "$target" 2>"$scratch/stderr"
  status=$?
  check "--html $target: refused, exit status $status" [ "$status" -eq 64 ]
  check "--html $target: says why" grep -q 'is the report being shown' "$scratch/stderr"
  check "--html $target: report unchanged" cmp -s "$scratch/r.xml" "$report"
done
report_checks

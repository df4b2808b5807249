#!/usr/bin/env bash
# The README's pictures of show: the first form page of each kind of report
# as headless Chromium prints it on A4 (docs/images/show-page-*.png), the
# first comparison page of the 2022 sample beside the 2021 one
# (show-previous-page1.png), and the terminal view in 80 columns, drawn in
# IPA Gothic as a terminal draws it (show-terminal-*.png).
#
#   scripts/page-shots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cli=build/native/bin/brenlo-cli
cmake --build --preset native --target brenlo-cli >/dev/null
shots=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-pages.XXXXXX")
trap 'rm -rf "$shots"' EXIT
profile="$shots/chromium"

print_pdf() {  # html pdf
  timeout 300 chromium --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --no-pdf-header-footer --print-to-pdf="$2" "file://$1" >/dev/null 2>&1
}

# The first page of a report's page, or its first comparison page.
page_png() {  # report output.png [previous]
  local name
  name=$(basename "$2" .png)
  if [ $# -eq 3 ]; then
    "$cli" show "$1" --previous "$3" --html "$shots/$name.html"
  else
    "$cli" show "$1" --html "$shots/$name.html"
  fi
  print_pdf "$shots/$name.html" "$shots/$name.pdf"
  local page=1
  if [ $# -eq 3 ]; then
    page=$(pdftotext "$shots/$name.pdf" - | awk -v RS='\f' '/前年/ && !found {print NR; found = 1}')
  fi
  pdftoppm -png -r 80 -f "$page" -l "$page" -singlefile "$shots/$name.pdf" "$shots/$name"
  cp "$shots/$name.png" "docs/images/$name.png"
  echo "docs/images/$name.png"
}

golden=tests/e2e/golden
page_png "$golden/blue-business.xml" "show-page-blue-business.png"
page_png "$golden/white-business.xml" "show-page-white-business.png"
page_png "$golden/blue-real-estate.xml" "show-page-blue-real-estate.png"
# The export keeps its settings beside the books: copies, not the samples.
for year in 2021 2022; do
  books=samples/Books-blue.json
  [ "$year" = 2022 ] && books=samples/Books-blue-2022.json
  mkdir -p "$shots/$year"
  cp "$books" "$shots/$year/Books.json"
  "$cli" --books "$shots/$year/Books.json" --kind business --out "$shots/$year.xml" --yes --quiet \
    >/dev/null 2>&1
done
page_png "$shots/2022.xml" "show-previous-page1.png" "$shots/2021.xml"

# The terminal view: the first 40 lines in 80 columns.
terminal_png() {  # report output.png
  local name
  name=$(basename "$2" .png)
  "$cli" show "$1" --width 80 >"$shots/$name.txt"
  {
    echo '<!DOCTYPE html><meta charset="utf-8"><style>body{margin:0;background:#1e1e1e}'
    echo 'pre{margin:8px;color:#ddd;font:14px/1.25 "IPAGothic",monospace}</style><pre>'
    head -n 40 "$shots/$name.txt" | sed 's/&/\&amp;/g; s/</\&lt;/g'
    echo '</pre>'
  } >"$shots/$name.html"
  timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run \
    --user-data-dir="$profile" --hide-scrollbars --window-size=700,760 \
    --screenshot="$shots/$name.png" "file://$shots/$name.html" >/dev/null 2>&1
  cp "$shots/$name.png" "docs/images/$name.png"
  echo "docs/images/$name.png"
}
terminal_png "$golden/blue-business.xml" "show-terminal-blue-80.png"
terminal_png "$golden/white-business.xml" "show-terminal-white-80.png"
terminal_png "$golden/blue-real-estate.xml" "show-terminal-real-estate-80.png"
cd "$root"

#!/usr/bin/env bash
# The screenshots of the README and the user's guide (docs/ja), as
# docs/images/*.png: Brenlo.exe under Wine (the conditions dialog for each kind
# of books, the progress window, the message boxes, the viewer's open-file
# dialog and its message, and the progress window in the middle of a run over
# the stress books), and the statements page of
# `brenlo-cli show --html` on the blue sample's business report as headless
# Chromium renders it.
#
#   scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh >/dev/null
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target gui-screenshots Brenlo BrenloView stand-in-browser brenlo-cli >/dev/null

shots=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-shots.XXXXXX")
python3 tools/gen-stress-books.py "$shots/Books-stress.json"
(
  . scripts/wine-env.sh
  trap brenlo_wine_cleanup EXIT
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" scripts/with-wm.sh \
    wine build/mingw/bin/gui-screenshots.exe "Z:${shots//\//\\}" "Z:${shots//\//\\}\\Books-stress.json"
  wine build/mingw/bin/brenlo-cli.exe show "Z:${root//\//\\}\\tests\\e2e\\golden\\blue-business.xml" \
    --html "Z:${shots//\//\\}\\statements.html"
)
profile=$(mktemp -d "$shots/chromium.XXXXXX")
timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$profile" --hide-scrollbars --window-size=1200,1600 \
  --screenshot="$shots/show-statements.png" "file://$shots/statements.html" >/dev/null 2>&1
mkdir -p docs/images
cp "$shots/show-statements.png" docs/images/show-statements.png
echo docs/images/show-statements.png
for bmp in "$shots"/*.bmp; do
  name=$(basename "$bmp" .bmp)
  python3 tools/bmp-to-png.py "$bmp" "docs/images/$name.png"
  echo "docs/images/$name.png"
done
rm -rf "$shots"

#!/usr/bin/env bash
# The README's screenshots of Brenlo.exe under Wine: the conditions dialog for
# each kind of books, the progress window, and the progress window in the
# middle of a run over the stress books, as docs/images/*.png.
#
#   scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh >/dev/null
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target gui-screenshots Brenlo >/dev/null

shots=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-shots.XXXXXX")
python3 tools/gen-stress-books.py "$shots/Books-stress.json"
(
  . scripts/wine-env.sh
  trap brenlo_wine_cleanup EXIT
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" scripts/with-wm.sh \
    wine build/mingw/bin/gui-screenshots.exe "Z:${shots//\//\\}" "Z:${shots//\//\\}\\Books-stress.json"
)
mkdir -p docs/images
for bmp in "$shots"/*.bmp; do
  name=$(basename "$bmp" .bmp)
  python3 tools/bmp-to-png.py "$bmp" "docs/images/$name.png"
  echo "docs/images/$name.png"
done
rm -rf "$shots"

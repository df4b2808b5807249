#!/usr/bin/env bash
# The release archive: cross-builds Brenlo.exe, Brenlopro.exe, BrenloView.exe
# and brenlo-cli.exe and packs them with the user's guide (docs/ja, as HTML),
# the installation guide and the trial folder お試し into
# build/mingw/release/*.zip.
#
#   scripts/release.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >/dev/null
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target Brenlo Brenlopro BrenloView brenlo-cli >/dev/null
# The archive holds a Japanese file name: libarchive needs a UTF-8 locale.
(cd build/mingw && LC_ALL=C.UTF-8 cpack --config CPackConfig.cmake >/dev/null)
archive=$(ls build/mingw/release/Brenlo-*-win64.zip)
cmake -E tar tf "$archive"
echo "Release archive: $archive"

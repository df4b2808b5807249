#!/usr/bin/env bash
# The release archive as a newcomer meets it: unpacked into a fresh folder,
# the trial folder's Brenlo.exe started under Wine and Xvfb, with its books
# file and without (tests/gui/TrialTest.cpp).
#
#   scripts/trial-test.sh ARCHIVE [GTEST_XML]
set -euo pipefail
cd "$(dirname "$0")/.."
archive=$(realpath "$1")
unpacked=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-unpacked.XXXXXX")
trap 'rm -rf "$unpacked"' EXIT
# The archive holds Japanese names: libarchive needs a UTF-8 locale.
(cd "$unpacked" && LC_ALL=C.UTF-8 cmake -E tar xf "$archive")
trial=$(echo "$unpacked"/*/お試し)
[ -f "$trial/Brenlo.exe" ] || { echo "no trial folder in $archive"; exit 1; }

. scripts/wine-env.sh
trap 'brenlo_wine_cleanup; rm -rf "$unpacked"' EXIT
BRENLO_TRIAL_FOLDER="Z:${trial//\//\\}"
export BRENLO_TRIAL_FOLDER
out=$(xvfb-run -a scripts/with-wm.sh wine build/mingw/bin/brenlo_gui_tests.exe \
  --gtest_filter='TrialTest.*' ${2:+--gtest_output=xml:"$2"} 2>&1) && status=0 || status=$?
echo "$out"
# A skipped test would pass without a trial folder to try.
if grep -q 'SKIPPED' <<<"$out"; then
  exit 1
fi
exit "$status"

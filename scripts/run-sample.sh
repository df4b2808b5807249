#!/usr/bin/env bash
# The main job on the bundled sample books: installs what the build needs,
# builds brenlo-cli, copies a sample books file into a scratch folder and
# exports one report there.
#
#   scripts/run-sample.sh [blue|white] [business|other|real-estate]
set -euo pipefail
cd "$(dirname "$0")/.."
company=${1:-blue}
kind=${2:-business}
case "$company" in blue|white) ;; *) echo "company: blue or white" >&2; exit 64 ;; esac

bash scripts/install-deps.sh >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native --target brenlo-cli >/dev/null

scratch=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-sample.XXXXXX")
cp "samples/Books-$company.json" "$scratch/Books.json"
report="$scratch/report-$company-$kind.xml"

status=0
build/native/bin/brenlo-cli --books "$scratch/Books.json" --kind "$kind" --out "$report" --yes --quiet || status=$?
if [ "$status" -eq 0 ]; then
  echo "Report written: $report"
else
  echo "The export ended with status $status (1 cancelled, 2 failed)." >&2
fi
exit "$status"

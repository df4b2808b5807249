#!/usr/bin/env bash
# Runs one Windows program under Wine in a fresh prefix: scripts/wine-run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
trap brenlo_wine_cleanup EXIT
wine "$@"

#!/usr/bin/env bash
# Runs a command on the X display of DISPLAY (Xvfb) with the openbox window
# manager running, and stops the window manager afterwards. Without one, Wine
# waits up to two seconds for a window manager whenever it hides a window.
#
#   xvfb-run -a scripts/with-wm.sh COMMAND [ARGUMENTS...]
set -uo pipefail

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# Ready once it has announced itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$wm" 2>/dev/null || break
  sleep 0.05
done

"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"

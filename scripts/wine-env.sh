#!/usr/bin/env bash
# Sourced: sets up Wine for the project's Windows binaries, with a fresh
# prefix (WINEPREFIX) unless one is given, code page 932 and quiet logs.
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/brenlo-wine.XXXXXX")
  export WINEPREFIX
  BRENLO_WINE_OWN_PREFIX=1
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # Unmanaged windows close at once under Xvfb (a managed one waits for a
  # window manager that is not there), and the dialogs' font is IPA Gothic.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null 2>&1 || true
  wineserver -w
fi

brenlo_wine_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ "${BRENLO_WINE_OWN_PREFIX:-}" = 1 ]; then rm -rf "$WINEPREFIX"; fi
}

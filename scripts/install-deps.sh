#!/usr/bin/env bash
# Installs everything the builds and tests need on a Debian machine.
# Safe to run again: apt skips what is there, the locale is generated once.
set -euo pipefail

packages=(
  build-essential cmake ninja-build git ccache
  googletest libgtest-dev libgmock-dev
  nlohmann-json3-dev libcli11-dev
  mingw-w64 g++-mingw-w64-x86-64-posix
  wine wine64
  xvfb xauth x11-utils openbox
  locales fonts-ipafont-gothic
  libxml2-utils clang-format
  libpugixml-dev chromium
  libbenchmark-dev strace time
  clang libclang-rt-14-dev util-linux
)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  sudo_if_needed apt-get update -q
  sudo_if_needed apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi

# Wine runs with code page 932 only when the Japanese UTF-8 locale exists.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sudo_if_needed sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | sudo_if_needed tee -a /etc/locale.gen >/dev/null
  sudo_if_needed locale-gen
fi

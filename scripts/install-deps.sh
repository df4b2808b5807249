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
  libxml2-utils clang-format python3-markdown
  libpugixml-dev chromium poppler-utils
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

# The Windows build reads reports with the same pugixml as the native build:
# Debian's source package of the installed libpugixml-dev's version, fetched
# once into the user's cache through a sources list of our own (the machine's
# apt configuration stays as it is) and built by the cross compiler.
pugixml_version=$(dpkg-query -W -f='${Version}' libpugixml-dev)
pugixml_cache="${XDG_CACHE_HOME:-$HOME/.cache}/brenlo"
pugixml_stamp="$pugixml_cache/pugixml/.debian-version"
if [ "$(cat "$pugixml_stamp" 2>/dev/null)" != "$pugixml_version" ]; then
  apt_dir="$pugixml_cache/apt"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
  # The machine's own Debian archives, as source archives.
  rm -f "$apt_dir/sources.list.d/"*
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && grep -q 'debian-archive-keyring' "$f" &&
      sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
  done
  grep -hE '^deb .*debian' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    sed 's/^deb /deb-src /' >"$apt_dir/sources.list" || true
  apt_options=(-q -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
               -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o "APT::Sandbox::User=$(id -un)")
  apt-get "${apt_options[@]}" update >/dev/null
  unpack=$(mktemp -d "$pugixml_cache/pugixml-source.XXXXXX")
  trap 'rm -rf "$unpack"' EXIT
  (cd "$unpack" && apt-get "${apt_options[@]}" source "pugixml=$pugixml_version" >/dev/null)
  rm -rf "$pugixml_cache/pugixml"
  mv "$unpack"/pugixml-*/ "$pugixml_cache/pugixml"
  echo "$pugixml_version" >"$pugixml_stamp"
fi

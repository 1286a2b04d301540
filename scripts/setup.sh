#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (as root) and prepares the
# Japanese locale. Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake make git
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest
  wine wine64 xvfb xauth x11-apps imagemagick
  locales fonts-ipafont-gothic fonts-ipafont-mincho fonts-wine
  clang libclang-rt-14-dev
  cups printer-driver-cups-pdf poppler-utils fonts-dejavu-core
  nsis zip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes the ANSI code page from the Unix locale: ja_JP.UTF-8 gives code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

# SQLite's amalgamation for the memo index, from a pinned and checksummed npm package.
"$(dirname "$0")/sqlite-source.sh"

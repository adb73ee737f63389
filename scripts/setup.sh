#!/usr/bin/env bash
# Installs the Debian packages Quillo needs to build, test and run;
# `setup.sh packaging` adds what building and checking the .deb needs.
# Quick when everything is already there: dpkg is asked first, apt only for what is missing.
set -euo pipefail

packages=(
  make cmake ninja-build g++
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
  libgtest-dev
  fonts-liberation2 fonts-dancingscript
  librsvg2-bin desktop-file-utils appstream
  poppler-utils
)
if [ "${1:-}" = packaging ]; then
  packages+=(build-essential debhelper lintian)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Quillo needs these packages and root to install them: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

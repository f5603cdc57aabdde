#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Lunarys
# need, when they are missing. Usage: ensure-packages.sh [run|test]
set -euo pipefail

# libqt6sql6-sqlite: Qt SQL's SQLite driver, a plugin that keeps the people.
# iso-codes, tzdata: the atlas's country and state codes and zone cities.
packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libgeonames-dev fonts-dejavu-core libqt6sql6-sqlite iso-codes
          tzdata)
if [[ "${1:-run}" == test ]]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils appstream dpkg-dev file
            debootstrap xvfb x11-utils python3 groff-base binutils lintian poppler-utils strace)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Installs what building, running and testing Varnook need on Debian 12.
# Does nothing when everything is already there; uses sudo when not root.
set -euo pipefail

packages=(
  cmake ninja-build g++-mingw-w64-x86-64-posix googletest
  wine wine64 xvfb xdotool imagemagick x11-apps x11-utils
  tzdata passwd util-linux procps
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"

#!/usr/bin/env bash
# Installs what building, running and testing Varnook need on Debian 12.
# Does nothing when everything is already there; uses sudo when not root.
set -euo pipefail

packages=(
  cmake ninja-build g++-mingw-w64-x86-64-posix googletest
  wine wine64 xvfb xdotool imagemagick x11-apps x11-utils
  tzdata locales passwd util-linux procps fonts-wine fonts-wqy-microhei
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

# Wine maps file names through the Unix locale's character set: without a
# UTF-8 Dutch locale, names outside Latin-1 cannot reach the disk.
if ! locale -a 2>/dev/null | grep -qi '^nl_NL\.utf-\?8$'; then
  echo "Generating the nl_NL.UTF-8 locale"
  "${as_root[@]}" sed -i 's/^# *nl_NL.UTF-8 UTF-8/nl_NL.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^nl_NL.UTF-8 UTF-8' /etc/locale.gen || echo 'nl_NL.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen
fi

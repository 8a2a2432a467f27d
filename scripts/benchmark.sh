#!/usr/bin/env bash
# Builds Varnook and runs its benchmark under Wine on big folders. Under Wine
# creating files in a big folder is quadratic, so the folders are made here
# with native tools, once, in the benchmark folder (default /tmp/varnook-bench).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VARNOOK_BUILD_DIR:-$root/build}"
data="${1:-/tmp/varnook-bench}"
only="${2:-}"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build"

if [ ! -f "$data/.complete" ]; then
  echo "Creating the benchmark folders in $data"
  rm -rf "$data"
  mkdir -p "$data/many-files"
  (cd "$data/many-files" && seq -f 'file%.0f.txt' 1 100000 | xargs touch)
  for top in $(seq 1 100); do
    for sub in $(seq 1 19); do
      mkdir -p "$data/tree/folder$top/sub$sub"
    done
  done
  for folder in "$data"/tree/folder*/ "$data"/tree/folder*/sub*/; do
    (cd "$folder" && touch f1.txt f2.txt f3.txt f4.txt f5.txt f6.txt f7.txt f8.txt f9.txt f10.txt)
  done
  mkdir -p "$data/listing"
  (cd "$data/listing" && seq -f 'file%.0f.txt' 1 30000 | xargs touch && seq -f 'folder%.0f' 1 1000 | xargs mkdir)
  for tree in run-ours run-bare; do
    for top in $(seq 1 20); do
      for sub in $(seq 1 24); do
        mkdir -p "$data/$tree/d$top/s$sub"
      done
    done
    for folder in "$data/$tree"/d*/ "$data/$tree"/d*/s*/; do
      (cd "$folder" && seq -f 'file%.0f.txt' 1 20 | xargs touch)
    done
  done
  touch "$data/.complete"
fi

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX="${WINEPREFIX:-$data/wineprefix}"
export LC_ALL=nl_NL.UTF-8 TZ=Europe/Amsterdam
# The components are measured on shown windows, which need a display.
if [ -z "${DISPLAY:-}" ]; then
  source "$root/scripts/virtual-display.sh"
  trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
fi
wineboot >/dev/null 2>&1 </dev/null
wine "$build/bench/varnook-benchmark.exe" "Z:${data//\//\\}" $only </dev/null
wineserver -k >/dev/null 2>&1 || true

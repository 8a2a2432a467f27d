#!/usr/bin/env bash
# Shows scenes of the program's windows at 96 and 144 dpi on a virtual
# display and saves a screenshot of each in build/screenshots/NAME-DPI.png.
# Without arguments it takes every gallery scene; the scene "main" is the
# program's own window, "main-maximised" the same window maximised; the scene
# "about" is shot as the About window it opens, the scene "more-options" as
# the Meer opties window.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VARNOOK_BUILD_DIR:-$root/build}"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=nl_NL.UTF-8 TZ=Europe/Amsterdam
source "$root/scripts/virtual-display.sh"
trap 'wineserver -k >/dev/null 2>&1 || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT

if [ $# -gt 0 ]; then
  scenes=("$@")
else
  list="$(mktemp)"
  WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/varnook/wineprefix-dpi96" wine "$build/gallery.exe" --list >"$list" 2>/dev/null </dev/null
  mapfile -t scenes < <(tr -d '\r' <"$list")
  rm -f "$list"
  scenes+=(main main-maximised)
fi
output="$build/screenshots"
mkdir -p "$output"

for dpi in ${DPIS:-96 144}; do
  export WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/varnook/wineprefix-dpi$dpi"
  mkdir -p "$WINEPREFIX"
  wineboot >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  source "$root/scripts/wine-fonts.sh"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
  # The DPI is read when the session starts.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wineboot >/dev/null 2>&1 </dev/null
  for scene in "${scenes[@]}"; do
    if [ "$scene" = main ] || [ "$scene" = main-maximised ]; then
      program=("$build/varnook.exe"); title="Pellonar Varnook"
    elif [ "$scene" = about ]; then
      program=("$build/gallery.exe" about); title="Over Varnook"
    elif [ "$scene" = more-options ]; then
      program=("$build/gallery.exe" more-options); title="Meer opties"
    else
      program=("$build/gallery.exe" "$scene"); title="Varnook gallery: $scene"
    fi
    # The program's window opens at its design size, wherever it was left.
    wine reg delete 'HKCU\Software\Pellonar\Varnook\Options' /f >/dev/null 2>&1 </dev/null || true
    wine "${program[@]}" >/dev/null 2>&1 </dev/null &
    program_pid=$!
    wine "$build/varnook-probe.exe" wait "$title" 60 </dev/null
    if [ "$scene" = main-maximised ]; then
      wine "$build/varnook-probe.exe" maximise "$title" </dev/null
    fi
    sleep 1
    window_id="$(xdotool search --name "^$title\$" | head -n 1)"
    import -display "$DISPLAY" -window "${window_id:-root}" "$output/$scene-$dpi.png"
    echo "$output/$scene-$dpi.png"
    wine "$build/varnook-probe.exe" close "$title" 30 </dev/null
    wait "$program_pid"
  done
done

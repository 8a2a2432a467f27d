#!/usr/bin/env bash
# Builds Varnook and starts it under Wine. With no display it starts a
# virtual one, saves a screenshot of the window, closes the program and ends.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VARNOOK_BUILD_DIR:-$root/build}"
title="Pellonar Varnook"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$build/varnook.exe"
fi

source "$root/scripts/virtual-display.sh"
trap 'wineserver -k >/dev/null 2>&1 || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT

# A private prefix, so that Wine can draw the window frame itself (there is
# no window manager) without changing the settings of the user's own prefix.
export WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/varnook/wineprefix-run"
# Dutch regional settings, as the program's users have them; UTF-8 also lets
# Wine store the Greek, Cyrillic and CJK names below.
export LC_ALL=nl_NL.UTF-8 TZ=Europe/Amsterdam
mkdir -p "$WINEPREFIX"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
source "$root/scripts/wine-fonts.sh"

# A small folder to show, remembered as the last folder, so the picture
# shows the window at work.
demo="${XDG_CACHE_HOME:-$HOME/.cache}/varnook/demo"
rm -rf "$demo"
mkdir -p "$demo/Foto's 2026" "$demo/archief" "$demo/Ελληνικά"
for name in "verslag kwartaal 3.TXT" "begroting.xlsx" "notulen vergadering.docx" "Ωδή.txt" "Пример.txt" "写真.jpg"; do
  echo "$name" >"$demo/$name"
done
touch -d '2025-03-14 09:26:53' "$demo/begroting.xlsx"
wine reg add 'HKCU\Software\Pellonar\Varnook' /v LastFolder /d "Z:${demo//\//\\}" /f >/dev/null 2>&1 </dev/null
# The window opens at its design size, wherever an earlier run left it.
wine reg delete 'HKCU\Software\Pellonar\Varnook\Options' /f >/dev/null 2>&1 </dev/null || true

echo "No display: running on virtual display $DISPLAY"
wine "$build/varnook.exe" >/dev/null 2>&1 </dev/null &
program_pid=$!
wine "$build/varnook-probe.exe" wait "$title" 120 </dev/null
sleep 2
screenshot="$build/varnook-screenshot.png"
window_id="$(xdotool search --name "^$title\$" | head -n 1)"
import -display "$DISPLAY" -window "${window_id:-root}" "$screenshot"
echo "Screenshot of the window: $screenshot"
wine "$build/varnook-probe.exe" maximise "$title" </dev/null
sleep 2
maximised="$build/varnook-screenshot-maximised.png"
import -display "$DISPLAY" -window "${window_id:-root}" "$maximised"
echo "Screenshot of the maximised window: $maximised"
wine "$build/varnook-probe.exe" close "$title" 30 </dev/null
wait "$program_pid"
echo "Varnook closed cleanly"

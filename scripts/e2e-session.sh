#!/usr/bin/env bash
# Runs the end-to-end test program ("$@", its path first) in a Wine session
# of its own: a prefix under the build folder, a virtual display and a
# wineserver of its own. Real input goes to whichever window has the X
# focus, and the program keeps one registry key and one instance per user,
# so the unit tests that CTest runs at the same time share none of these.
# VARNOOK_E2E_DPI (96 when unset) is the prefix's screen DPI, which Wine
# reads when a session starts.
set -euo pipefail
build="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export VARNOOK_E2E_DPI="${VARNOOK_E2E_DPI:-96}"
export WINEPREFIX="$build/wineprefix-e2e-$VARNOOK_E2E_DPI"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
mkdir -p "$WINEPREFIX"

source "$build/virtual-display.sh"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Wine's long-lived processes inherit the output of whoever starts them;
# they start here, silenced, so that CTest never waits on their pipes.
ready="$WINEPREFIX/varnook-e2e-ready"
if [ ! -f "$ready" ]; then
  wineboot >/dev/null 2>&1 </dev/null
  # Without a window manager Wine waits two seconds on every hidden window.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$VARNOOK_E2E_DPI" /f \
    >/dev/null 2>&1 </dev/null
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  touch "$ready"
fi
wineserver -p >/dev/null 2>&1 </dev/null
# Not `wineboot -i`: the first process of a session boots it already, and a
# second boot leaves two service managers that cannot start RpcSs, which then
# costs every start of the desktop up to 10 s.
wineboot >/dev/null 2>&1 </dev/null

wine "$@" </dev/null

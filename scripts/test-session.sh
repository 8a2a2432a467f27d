#!/usr/bin/env bash
# Runs the CTest suite in its own Wine prefix on its own virtual display,
# with Dutch regional settings and the Amsterdam time zone.
set -euo pipefail
build="$1"

export HOME="$build/test-home"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=nl_NL.UTF-8
export TZ=Europe/Amsterdam
mkdir -p "$HOME" "$WINEPREFIX"

source "$(dirname "${BASH_SOURCE[0]}")/virtual-display.sh"

# Fixtures that Windows programs cannot make quickly or at all under Wine:
# a folder of 100,000 files (Wine checks each new name against the whole
# folder) and a tree holding a link back to its own root.
fixtures="$(mktemp -d /tmp/varnook-fixtures.XXXXXX)"
mkdir -p "$fixtures/many-files" "$fixtures/linked-tree/a/d" "$fixtures/linked-tree/b"
(cd "$fixtures/many-files" && seq -f 'f%.0f' 0 99999 | xargs touch)
touch "$fixtures/linked-tree/a/x.txt" "$fixtures/linked-tree/a/d/deep.txt" "$fixtures/linked-tree/b/y.txt" "$fixtures/linked-tree/z.txt"
ln -s .. "$fixtures/linked-tree/a/back-to-root"
export VARNOOK_TEST_FIXTURES="Z:${fixtures//\//\\}"

cleanup() {
  rm -rf "$fixtures"
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Wine's long-lived processes inherit the output of whoever starts them; start
# them here, silenced, so that CTest never waits on their pipes.
new_prefix=false
[ -f "$WINEPREFIX/system.reg" ] || new_prefix=true
wineserver -p >/dev/null 2>&1 </dev/null
# Not `wineboot -i`: the first process of a session boots it already, and a
# second boot leaves two service managers that cannot start RpcSs, which then
# costs every start of the desktop up to 10 s.
wineboot >/dev/null 2>&1 </dev/null
if $new_prefix; then
  # Without a window manager Wine waits two seconds on every hidden window.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
fi
wine "$build/varnook-probe.exe" wait "no such window" 0 >/dev/null 2>&1 </dev/null || true

cd "$build"
ctest --output-on-failure -j "$(nproc)" </dev/null

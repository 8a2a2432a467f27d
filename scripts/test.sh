#!/usr/bin/env bash
# Builds Varnook and runs every test under Wine. Started as root, it runs the
# suite as the unprivileged user varnook-test, because root ignores read-only
# files and the tests check that the program respects them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
test_user=varnook-test

"$root/scripts/setup.sh"

build="${VARNOOK_BUILD_DIR:-$root/build}"
if [ "$(id -u)" -eq 0 ]; then
  id -u "$test_user" >/dev/null 2>&1 || useradd --system --create-home --shell /usr/sbin/nologin "$test_user"
  if ! runuser -u "$test_user" -- test -x "$(dirname "$build")"; then
    # One folder per checkout, named from its path, so that two private
    # checkouts (or two CI runs from fresh clones) never share a build.
    build="/var/tmp/varnook-build-$(printf '%s' "$root" | sha256sum | cut -c1-16)"
    echo "The test user cannot reach the checkout; building in $build"
  fi
fi

# A build folder configured from another source (a checkout copied with its
# build folder, or VARNOOK_BUILD_DIR shared by checkouts) is started afresh:
# CMake would refuse it. Its Wine prefix stays.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$root" "$build/CMakeCache.txt"; then
  echo "The build folder $build was made for another checkout; starting it afresh"
  rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi

"$root/scripts/build.sh" "$build"

if [ "$(id -u)" -eq 0 ]; then
  chown -R "$test_user:" "$build"
  exec runuser -u "$test_user" -- "$build/test-session.sh" "$build"
fi
exec "$build/test-session.sh" "$build"

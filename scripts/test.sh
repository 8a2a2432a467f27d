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
    build=/var/tmp/varnook-build
    echo "The test user cannot reach the checkout; building in $build"
  fi
fi

"$root/scripts/build.sh" "$build"

if [ "$(id -u)" -eq 0 ]; then
  chown -R "$test_user:" "$build"
  exec runuser -u "$test_user" -- "$build/test-session.sh" "$build"
fi
exec "$build/test-session.sh" "$build"

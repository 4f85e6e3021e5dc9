#!/usr/bin/env bash
# Gives walk_tree.py what a desktop session has: a virtual display, a session bus, and
# the accessibility bus that the session bus starts on demand.
#   run_tree_test.sh QUELMAR QUELMAR_CLI
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIP: $*"; exit 77; }
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
[ -x /usr/bin/python3 ] || skip "python3 is not installed"

# The server picks a free display itself and names it, so that tests running side by
# side never race for one. A window that could not reach its display is given a fresh
# one, twice at most.
work=$(mktemp -d)
xvfb=
stop_xvfb() { [ -n "$xvfb" ] && { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; }; xvfb=; }
trap 'stop_xvfb; rm -rf "$work"' EXIT
for attempt in 1 2 3; do
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log" >&2
    stop_xvfb
    continue
  fi
  status=0
  DISPLAY=":$(head -n1 "$work/display")" dbus-run-session -- /usr/bin/python3 "$here/walk_tree.py" "$1" "$2" || status=$?
  stop_xvfb
  [ "$status" -eq 3 ] || exit "$status"
  echo "the window could not start on its display (attempt $attempt)"
done
echo "FAIL: no display the window could start on"
exit 1

#!/usr/bin/env bash
# Runs a command on a private X server, with Qt on the real xcb platform:
# what the offscreen platform lacks (the X11 selection clipboard, live
# accessibility) is there. The server picks a free display itself, so runs
# side by side do not collide, and ends with the command.
#
# Usage: with_xvfb.sh <command> [arguments...]
# Exit code: the command's; 1 when Xvfb is missing or does not start, naming
# why (a test that could be skipped would pass without looking).

set -u

[ $# -ge 1 ] || { echo "usage: with_xvfb.sh <command> [arguments...]" >&2; exit 1; }
command -v Xvfb >/dev/null 2>&1 ||
    { echo "FAIL: Xvfb is not installed; this test needs a private X server (Debian package xvfb)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/corvanta-xvfb.XXXXXX") || exit 1
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Xvfb writes its display number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.err" &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        cat "$work/xvfb.err" >&2
        echo "FAIL: Xvfb did not start" >&2
        xvfb_pid=
        exit 1
    fi
    sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb gave no display number within 10 s" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export QT_QPA_PLATFORM=xcb QT_AUTO_SCREEN_SCALE_FACTOR=0

"$@"
status=$?
exit "$status"

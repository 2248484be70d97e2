#!/usr/bin/env bash
# A Wayland-only session: starts a headless Weston on a socket of its own and
# runs the built application with nothing but WAYLAND_DISPLAY and
# XDG_RUNTIME_DIR (no DISPLAY, no QT_QPA_PLATFORM). Weston's protocol log
# shows what the application did as a Wayland client: it must open its
# first-series window as a toplevel titled "Corvanta (First Series)", with the
# application id "corvanta" that names its desktop entry, and keep running
# rather than exit with the no-display line.
#
# Usage: run_wayland.sh <corvanta executable> <Qt platform plugins folder>
# Exit codes: 0 passed, 1 failed. A missing tool or plugin is a failure that
# names it.

set -u

app=${1:?usage: run_wayland.sh <corvanta executable> <Qt platform plugins folder>}
platforms=${2:?usage: run_wayland.sh <corvanta executable> <Qt platform plugins folder>}
work=

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$work" ] && [ -s "$work/app.err" ]; then
        echo "--- the application's standard error:" >&2
        tail -n 40 "$work/app.err" >&2
    fi
    exit 1
}

. "$(dirname "$0")/../lib/headless_weston.sh"

ls "$platforms"/libqwayland-*.so >/dev/null 2>&1 ||
    fail "Qt's Wayland platform plugin is not in $platforms; the Wayland test needs it (Debian package qt6-wayland)"
[ -x "$app" ] || fail "no executable at $app"

weston_begin
weston_start

weston_launch "$app"

title='Corvanta (First Series)'
client=$(weston_toplevel "$title" "$app_pid")
if [ -z "$client" ]; then
    grep -q "no display could be opened" "$work/app.err" &&
        fail "the application exited with the no-display line in a Wayland session"
    kill -0 "$app_pid" 2>/dev/null || fail "the application ended before it opened a Wayland window"
    fail "no Wayland toplevel titled \"$title\" within 30 s"
fi

# The compositor pairs the window with corvanta.desktop by this id.
weston_requested "$client" '.set_app_id("corvanta")' ||
    fail "the window's Wayland application id is not \"corvanta\", the desktop entry's name"

kill -0 "$app_pid" 2>/dev/null || fail "the application ended on its own"
grep -q "no display could be opened" "$work/app.err" &&
    fail "the application wrote the no-display line in a Wayland session"

echo "PASS"
exit 0

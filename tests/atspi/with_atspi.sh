#!/usr/bin/env bash
# Runs a command the way a screen reader's session runs the application: on
# a private X server (the real xcb platform, see tests/x11/with_xvfb.sh), in a
# D-Bus session of its own with the AT-SPI bus up, so Qt's accessibility is
# live and tells AT-SPI of every change.
#
# Usage: with_atspi.sh <command> [arguments...]
# Exit code: the command's; 1 when a tool is missing, naming it (a test that
# could be skipped would pass without looking).

set -u

[ $# -ge 1 ] || { echo "usage: with_atspi.sh <command> [arguments...]" >&2; exit 1; }
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-run-session "$launcher"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is not installed; the AT-SPI test needs it" \
            "(dbus-run-session: dbus; at-spi-bus-launcher: at-spi2-core)" >&2
        exit 1
    fi
done

# Accessibility on, as under a screen reader.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The bus launcher lives as long as the command; the session and the server
# end with it.
exec "$(dirname "$0")/../x11/with_xvfb.sh" dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher_pid=$!
    "$@"
    status=$?
    kill "$launcher_pid" 2>/dev/null
    wait "$launcher_pid" 2>/dev/null
    exit "$status"
' "$launcher" "$@"

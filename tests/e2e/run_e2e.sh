#!/usr/bin/env bash
# End to end: starts the built application on a private X server (the real
# xcb platform, no window manager), checks that the first-series window
# carries the application's icon, picks a letter in the pop-up once its list
# has opened and types a first-series serial number with real keyboard and
# mouse input, checks that the result
# panel appears and reads its verdict, text and colour, for a valid and then
# an invalid number, opens the File menu with Alt+F and closes it with Escape,
# then quits with Ctrl+Q and expects exit code 0.
#
# Usage: run_e2e.sh <path to the corvanta executable>
# Exit codes: 0 passed, 1 failed. A missing tool is a failure that names it:
# a check that could be skipped would pass without looking.

set -u

app=${1:?usage: run_e2e.sh <corvanta executable>}
# Xvfb (xvfb), xdotool, xprop (x11-utils), import and convert (imagemagick);
# scripts/test installs them all.
for tool in Xvfb xdotool xprop import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is not installed; the end-to-end test needs it" >&2
        exit 1
    fi
done
# Another program of the same name (GraphicsMagick's, say) reads the screen
# differently.
for tool in import convert; do
    if ! "$tool" -version 2>/dev/null | grep -q ImageMagick; then
        echo "FAIL: $tool is not ImageMagick's; the end-to-end test needs ImageMagick" >&2
        exit 1
    fi
done
# The verdict's text, read as assistive technologies read it: a private D-Bus
# session (dbus-daemon) that starts the accessibility bus (at-spi2-core), and
# pyatspi (python3-pyatspi), which Debian installs for its own Python.
atspi_python=/usr/bin/python3
atspi_launcher=/usr/libexec/at-spi-bus-launcher
command -v dbus-daemon >/dev/null 2>&1 ||
    { echo "FAIL: dbus-daemon is not installed; the end-to-end test needs it" >&2; exit 1; }
[ -x "$atspi_launcher" ] ||
    { echo "FAIL: $atspi_launcher (at-spi2-core) is not installed; the end-to-end test needs it" >&2; exit 1; }
"$atspi_python" -c 'import pyatspi' 2>/dev/null ||
    { echo "FAIL: pyatspi (python3-pyatspi) is not installed for $atspi_python; the end-to-end test needs it" >&2; exit 1; }
[ -x "$app" ] || { echo "FAIL: no executable at $app" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/corvanta-e2e.XXXXXX")
xvfb_pid=
app_pid=
dbus_pid=

cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null
        sleep 0.2
        kill -9 "$app_pid" 2>/dev/null
    fi
    # The accessibility bus it started ends with it.
    if [ -n "$dbus_pid" ] && kill -0 "$dbus_pid" 2>/dev/null; then
        kill "$dbus_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
    fi
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/app.err" ]; then
        echo "--- application's standard error:" >&2
        cat "$work/app.err" >&2
    fi
    exit 1
}

# The server chooses a free display itself and writes its number once it
# accepts connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.err" &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.err" >&2; fail "Xvfb did not start"; }
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display number"
export DISPLAY=":$(head -n 1 "$work/display")"

# The real platform and the default (English) texts.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export QT_AUTO_SCREEN_SCALE_FACTOR=0 LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=

# A session bus of this run's own, whose accessibility bus lives under this
# run's runtime folder; the application speaks to it whatever the desktop.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>"$work/dbus.err") ||
    fail "dbus-daemon did not start: $(cat "$work/dbus.err")"
export DBUS_SESSION_BUS_ADDRESS=$(printf '%s\n' "$bus" | sed -n 1p)
dbus_pid=$(printf '%s\n' "$bus" | sed -n 2p)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

"$app" >"$work/app.out" 2>"$work/app.err" &
app_pid=$!

win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Corvanta \(First Series\)$' 2>/dev/null | head -n 1)
[ -n "$win" ] || fail "no window titled \"Corvanta (First Series)\" within 20 s"

# The application's icon, which task bars and window switchers show: the
# property starts with the picture's width and height.
icon=$(xprop -id "$win" -notype 32c _NET_WM_ICON 2>&1 | head -c 200)
case "$icon" in
    "_NET_WM_ICON = "[1-9]*", "[1-9]*) ;;
    *) fail "the first-series window has no _NET_WM_ICON (xprop: $icon)" ;;
esac

# Geometry of the window (no decorations without a window manager). The
# check window's content is 611 x 328 under the menu bar.
eval "$(xdotool getwindowgeometry --shell "$win")"
win_x=$X win_y=$Y win_h=$HEIGHT
menu_h=$((win_h - 328))
[ "$menu_h" -ge 0 ] || fail "window is $WIDTH x $HEIGHT, smaller than its content"

# Window-relative point of a spot in the content area.
at() { echo "$1 $(($2 + menu_h))"; }

pixel() { # colour at content point x y as RRGGBB, empty when it cannot be read
    import -silent -window root "$work/shot.png" 2>/dev/null || return 0
    convert "$work/shot.png" -crop "1x1+$((win_x + $1))+$((win_y + menu_h + $2))" +repage txt:- 2>/dev/null |
        sed -n 's/^0,0:.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'a-f' 'A-F'
}

# Inside the result panel, above its first line of text: its fill colour
# once the panel shows.
panel_x=300 panel_y=131
before=$(pixel $panel_x $panel_y)
[ -n "$before" ] || fail "could not read the screen with import and convert"
[ "$before" != "FFFBC6" ] || fail "the result panel shows before any input"

xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win" 2>/dev/null || true

# The application's windows on screen; a pop-up list or a menu is a window
# of its own.
shown_windows() { xdotool search --onlyvisible --class corvanta 2>/dev/null | wc -l; }

# The letter: open the pop-up (328,45 63x20), and once its list is on screen
# pick "H" and confirm, which closes the list. A key typed before the list
# opened would pick the letter in the closed pop-up all the same.
windows_before=$(shown_windows)
xdotool mousemove --window "$win" $(at 359 55) click 1
for _ in $(seq 1 50); do
    [ "$(shown_windows)" -gt "$windows_before" ] && break
    sleep 0.1
done
[ "$(shown_windows)" -gt "$windows_before" ] || fail "clicking the letter pop-up opened no list"
xdotool key H
sleep 0.2
xdotool key Return
for _ in $(seq 1 50); do
    [ "$(shown_windows)" -eq "$windows_before" ] && break
    sleep 0.1
done
[ "$(shown_windows)" -eq "$windows_before" ] || fail "Return did not close the letter pop-up's list"

# The number: click into the field (395,45 127x22), type, press Return for
# the default Test button.
xdotool mousemove --window "$win" $(at 458 56) click 1
sleep 0.3
xdotool type --delay 40 00000000009
sleep 0.2
xdotool key Return

shown=
for _ in $(seq 1 50); do
    shown=$(pixel $panel_x $panel_y)
    [ "$shown" = "FFFBC6" ] && break
    sleep 0.1
done
cp "$work/shot.png" "${TMPDIR:-/tmp}/corvanta-e2e.png" 2>/dev/null || true
[ "$shown" = "FFFBC6" ] || fail "the result panel did not appear (colour $shown, was $before)"

# --- The verdict: text and colour ---------------------------------------------

# The panel's bold verdict label (441,217 124x20) as the accessibility bus
# lists it: "x y width height<TAB>text", empty when it is not shown there.
verdict_x=$((win_x + 441)) verdict_y=$((win_y + menu_h + 217))
verdict() {
    "$atspi_python" "$(dirname "$0")/shown_labels.py" "$app_pid" 2>"$work/atspi.err" |
        awk -v x="$verdict_x" -v y="$verdict_y" -F '\t' '{ split($1, b, " ") } b[1] == x && b[2] == y { print; exit }'
}

# Pixels of exactly one colour (RRGGBB) inside the rectangle "x y width height".
pixels() {
    import -silent -window root "$work/shot.png" 2>/dev/null || { echo 0; return; }
    set -- $1 "$2"
    convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage txt:- 2>/dev/null | grep -ci "#$5 " || true
}

# expect_verdict TEXT COLOUR OTHER_COLOUR: the label shows TEXT, drawn in
# COLOUR and with not one pixel of OTHER_COLOUR.
expect_verdict() {
    local line= box text
    for _ in $(seq 1 50); do
        line=$(verdict)
        [ "${line#*$'\t'}" = "$1" ] && break
        sleep 0.1
    done
    [ -n "$line" ] || fail "the verdict label is not on the accessibility bus ($(cat "$work/atspi.err"))"
    box=${line%%$'\t'*} text=${line#*$'\t'}
    [ "$text" = "$1" ] || fail "the verdict reads \"$text\", not \"$1\""
    [ "$(pixels "$box" "$2")" -gt 0 ] || fail "the verdict \"$1\" has no pixel of #$2"
    [ "$(pixels "$box" "$3")" -eq 0 ] || fail "the verdict \"$1\" has pixels of #$3"
}

# H with 00000000009: valid, in pure green.
expect_verdict "is Valid" 00FF00 FF0000

# The last digit 8 instead of 9: invalid, in pure red. The change hides
# the panel; Return shows it again.
xdotool key BackSpace
for _ in $(seq 1 50); do
    [ "$(pixel $panel_x $panel_y)" != "FFFBC6" ] && break
    sleep 0.1
done
[ "$(pixel $panel_x $panel_y)" != "FFFBC6" ] || fail "the result panel stayed after the number changed"
xdotool type --delay 40 8
sleep 0.2
xdotool key Return
for _ in $(seq 1 50); do
    [ "$(pixel $panel_x $panel_y)" = "FFFBC6" ] && break
    sleep 0.1
done
[ "$(pixel $panel_x $panel_y)" = "FFFBC6" ] || fail "the result panel did not appear for the second number"
expect_verdict "is INVALID" FF0000 00FF00

# --- End of the verdict ---------------------------------------------------------

# The File menu from the keyboard: Alt+F opens it, a pop-up window of its
# own, and Escape closes it.
xdotool windowfocus "$win" 2>/dev/null || true
windows_before=$(shown_windows)
xdotool key alt+f
for _ in $(seq 1 30); do
    [ "$(shown_windows)" -gt "$windows_before" ] && break
    sleep 0.1
done
[ "$(shown_windows)" -gt "$windows_before" ] || fail "Alt+F opened no menu"
xdotool key Escape
for _ in $(seq 1 30); do
    [ "$(shown_windows)" -eq "$windows_before" ] && break
    sleep 0.1
done
[ "$(shown_windows)" -eq "$windows_before" ] || fail "Escape did not close the File menu"

kill -0 "$app_pid" 2>/dev/null || fail "the application ended before Ctrl+Q"

# Quit through the menu shortcut.
xdotool windowfocus "$win" 2>/dev/null || true
xdotool key ctrl+q

status=
for _ in $(seq 1 100); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
        wait "$app_pid"
        status=$?
        app_pid=
        break
    fi
    sleep 0.1
done
[ -n "$status" ] || fail "the application did not quit within 10 s of Ctrl+Q"
[ "$status" -eq 0 ] || fail "the application exited with $status"
if grep -q "Unhandled" "$work/app.err"; then
    fail "the application reported an unhandled exception"
fi

echo "PASS"
exit 0

# Sourced by the whole-process tests that run the application on a headless
# Weston. Weston's protocol log shows what each client asked for, so a test
# reads from it which windows the application opened.
#
# The sourcing script defines fail (reports and exits 1). weston_begin makes
# the private folder $work, removed at exit together with every process
# listed in $pids, and checks for weston; weston_start starts it on
# $weston_runtime/$weston_socket.

weston_begin() {
    command -v weston >/dev/null 2>&1 ||
        fail "weston is not installed; this test needs it (Debian package weston)"
    work=$(mktemp -d "${TMPDIR:-/tmp}/corvanta-test.XXXXXX")
    pids=""
    trap weston_cleanup EXIT
    trap 'exit 1' INT TERM
}

weston_cleanup() {
    local pid
    for pid in $pids; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}

weston_start() {
    # Wayland sockets live in XDG_RUNTIME_DIR, which must be private to its user.
    weston_runtime="$work/runtime"
    weston_socket=corvanta-test
    mkdir -m 700 "$weston_runtime"
    # The proto scope logs every request and event of every client.
    env -i PATH="$PATH" XDG_RUNTIME_DIR="$weston_runtime" \
        weston --backend=headless-backend.so --socket="$weston_socket" --idle-time=0 --no-config \
        --log="$work/weston.log" --logger-scopes=log,proto >"$work/weston.err" 2>&1 &
    local weston_pid=$!
    pids="$pids $weston_pid"
    for _ in $(seq 1 100); do
        [ -S "$weston_runtime/$weston_socket" ] && return 0
        kill -0 "$weston_pid" 2>/dev/null || { tail -n 40 "$work/weston.log" >&2; fail "weston did not start"; }
        sleep 0.1
    done
    fail "weston opened no socket $weston_socket within 10 s"
}

# weston_toplevel TITLE PID: prints the client that gave a toplevel window the
# title TITLE, once one did; empty when process PID ended first or after 30 s.
weston_toplevel() {
    local client
    for _ in $(seq 1 300); do
        client=$(grep -F "xdg_toplevel@" "$work/weston.log" | grep -F ".set_title(\"$1\")" |
            sed -n 's/.*\] client \(0x[0-9a-f]*\) .*/\1/p' | head -n 1)
        if [ -n "$client" ]; then
            echo "$client"
            return 0
        fi
        kill -0 "$2" 2>/dev/null || return 0
        sleep 0.1
    done
}

# weston_requested CLIENT TEXT: whether CLIENT made a request holding TEXT.
weston_requested() {
    grep -F "] client $1 rq " "$work/weston.log" | grep -qF "$2"
}

# weston_launch PROGRAM [NAME=VALUE...]: starts PROGRAM as this Weston's client
# with no environment but WAYLAND_DISPLAY, XDG_RUNTIME_DIR, the variables
# given and the sanitizer build's own settings; its output goes to
# $work/app.out and $work/app.err, its process id to $app_pid.
weston_launch() {
    local program=$1 name
    shift
    local variables=(WAYLAND_DISPLAY="$weston_socket" XDG_RUNTIME_DIR="$weston_runtime" "$@")
    for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        [ -n "${!name:-}" ] && variables+=("$name=${!name}")
    done
    (cd / && exec env -i "${variables[@]}" "$program") >"$work/app.out" 2>"$work/app.err" &
    app_pid=$!
    pids="$pids $app_pid"
}

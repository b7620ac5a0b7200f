# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=sh disable=SC2034 # MAIN, EXIT_CODE: for the tests
# The one private desktop session of Bitovka's scripts: an X server, a window
# manager and a session bus, torn down on exit, and small helpers to wait
# for windows. It lives beside the end-to-end tests, which are its first
# users and where a session that went wrong is looked into;
# scripts/windows-test (Wine's session, with no bus) and the benchmarks
# (bench/common.sh) source it too, each adding what it needs.
#
# x_start is the end-to-end tests' whole session; the others are its steps,
# for a user that sets up more between them. Each step returns 1 with the
# reason in x_why; with X_LOGS set to a folder, each program's output is
# kept there (xvfb.log, openbox.log, bus.log), otherwise it is dropped.

XVFB_PID=; WM_PID=; DBUS_PID=; APP_PID=

x_cleanup() {
    for pid in $APP_PID $WM_PID $DBUS_PID $XVFB_PID; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap x_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

x_log() { if [ -n "${X_LOGS:-}" ]; then echo "$X_LOGS/$1.log"; else echo /dev/null; fi; }

# x_server: Xvfb on the first free display; sets DISPLAY and XVFB_PID.
x_server() {
    x_fifo=$(mktemp -u)
    mkfifo "$x_fifo" || { x_why="no pipe for the X server's display"; return 1; }
    # -noreset: by default the server resets whenever its last client leaves,
    # and a client that connects during the reset can fail to open it; the first
    # clients of the session (the window manager, the probes below) come and
    # go just so, and the window manager was now and then left without a display.
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$x_fifo" >"$(x_log xvfb)" 2>&1 &
    XVFB_PID=$!
    read -r x_num <"$x_fifo" || x_num=
    rm -f "$x_fifo"
    [ -n "$x_num" ] || { x_why="the X server did not start"; return 1; }
    export DISPLAY=":$x_num"
    unset WAYLAND_DISPLAY
}

# x_wm: openbox on it, ready for windows; sets WM_PID.
x_wm() {
    openbox --sm-disable >"$(x_log openbox)" 2>&1 &
    WM_PID=$!
    x_up=
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && { x_up=1; break; }
        sleep 0.05
    done
    [ -n "$x_up" ] || { x_why="the window manager did not start"; return 1; }
    # openbox drops map requests for a moment after announcing itself.
    sleep 1
    kill -0 "$WM_PID" 2>/dev/null || { x_why="the window manager ended at start"; return 1; }
}

# x_bus [NAME=VALUE...]: a session bus of the session's own, as a desktop
# session gives its programs (without one, every program that asks for it
# tries to launch one itself), started with those variables set; sets
# DBUS_SESSION_BUS_ADDRESS and DBUS_PID.
# shellcheck disable=SC2120 # the benchmarks pass variables
x_bus() {
    x_busfile=$(mktemp)
    env "$@" dbus-daemon --session --nofork --print-address=3 3>"$x_busfile" >"$(x_log bus)" 2>&1 &
    DBUS_PID=$!
    for _ in $(seq 100); do [ -s "$x_busfile" ] && break; sleep 0.05; done
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$x_busfile"); export DBUS_SESSION_BUS_ADDRESS
    rm -f "$x_busfile"
    [ -n "$DBUS_SESSION_BUS_ADDRESS" ] || { x_why="no session bus"; return 1; }
}

# x_start: the end-to-end tests' session, its programs on X.
x_start() {
    x_server || fail "$x_why"
    export QT_QPA_PLATFORM=xcb
    x_wm || fail "$x_why"
    # shellcheck disable=SC2119
    x_bus || fail "$x_why"
}

# Starts the program (its path, then env(1) arguments: NAME=value, -u NAME)
# and sets MAIN to its main window's id once that is visible.
start_bitovka() {
    bin=$1; shift
    env "$@" "$bin" &
    APP_PID=$!
    MAIN=$(wait_window Bitovka) || fail "no window titled Bitovka"
}

# Prints the id of a visible top-level window whose title is exactly $1,
# waiting up to WAIT_TRIES tenths of a second (10 s unless set).
wait_window() {
    for _ in $(seq "${WAIT_TRIES:-100}"); do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits until no visible window is titled exactly $1.
wait_gone() {
    for _ in $(seq 50); do
        [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}

client_size() {
    xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# wait_exit [SECONDS]: waits up to SECONDS (10) for the program to end;
# sets EXIT_CODE (143 if it had to be killed).
wait_exit() {
    ( sleep "${1:-10}"; kill "$APP_PID" ) >/dev/null 2>&1 &
    watchdog=$!
    wait "$APP_PID"
    EXIT_CODE=$?
    APP_PID=
    kill "$watchdog" 2>/dev/null || true
}

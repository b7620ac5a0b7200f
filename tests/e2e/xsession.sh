# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the end-to-end tests: a private desktop session (X server,
# window manager and session bus), torn down on exit, and small helpers to
# wait for windows.

XVFB_PID=; WM_PID=; DBUS_PID=; APP_PID=

x_cleanup() {
    for pid in $APP_PID $WM_PID $DBUS_PID $XVFB_PID; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap x_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

x_start() {
    fifo=$(mktemp -u); mkfifo "$fifo"
    # -noreset: by default the server resets whenever its last client leaves,
    # and a client that connects during the reset can fail to open it; the first
    # clients of the session (the window manager, the probes below) come and
    # go just so, and the window manager was now and then left without a display.
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r num <"$fifo"; rm -f "$fifo"
    export DISPLAY=":$num"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    wm_up=
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && { wm_up=1; break; }
        sleep 0.05
    done
    [ -n "$wm_up" ] || fail "the window manager did not start"
    # openbox drops map requests for a moment after announcing itself.
    sleep 1
    kill -0 "$WM_PID" 2>/dev/null || fail "the window manager ended at start"
    bus_start
}

# A session bus of the test's own, as a desktop session gives its programs;
# without one, every program that asks for it tries to launch one itself.
bus_start() {
    busfile=$(mktemp)
    dbus-daemon --session --nofork --print-address=3 3>"$busfile" >/dev/null 2>&1 &
    DBUS_PID=$!
    for _ in $(seq 100); do [ -s "$busfile" ] && break; sleep 0.05; done
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$busfile"); export DBUS_SESSION_BUS_ADDRESS
    rm -f "$busfile"
    [ -n "$DBUS_SESSION_BUS_ADDRESS" ] || fail "no session bus"
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

# Waits up to 10 s for the program to end; sets EXIT_CODE (143 if it had to
# be killed).
wait_exit() {
    ( sleep 10; kill "$APP_PID" ) >/dev/null 2>&1 &
    watchdog=$!
    wait "$APP_PID"
    EXIT_CODE=$?
    APP_PID=
    kill "$watchdog" 2>/dev/null || true
}

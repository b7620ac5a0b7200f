#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program as a native Wayland client, under weston's headless
# backend with no X server at all: it maps its window titled "Bitovka" with
# the app id its desktop entry is named by (the id a Wayland desktop finds
# its icon and name by) and draws it; it then ends by the stop we send, not
# by an abort or a broken connection.
#   wayland_test.sh PROGRAM DESKTOP_ENTRY
# Ends with 77 (skipped) when weston is not installed.
set -u
command -v weston >/dev/null || { echo "SKIP: no weston"; exit 77; }
fail() { echo "FAIL: $*" >&2; [ -f "$log" ] && tail -n 20 "$log" >&2; exit 1; }

bin=$1
app_id=$(basename "$2" .desktop)
# A runtime folder of the test's own: the compositor's socket lives there.
XDG_RUNTIME_DIR=$(mktemp -d); export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
log=$XDG_RUNTIME_DIR/client.log
WESTON_PID=; APP_PID=
cleanup() {
    for pid in $APP_PID $WESTON_PID; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

# weston 10 names its backends by module file, 14 by name too; the file
# name works for both.
weston --backend=headless-backend.so --socket=bitovka-test --no-config --idle-time=0 \
    --log="$XDG_RUNTIME_DIR/weston.log" >/dev/null 2>&1 &
WESTON_PID=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/bitovka-test" ] && break; sleep 0.05; done
[ -S "$XDG_RUNTIME_DIR/bitovka-test" ] || { log=$XDG_RUNTIME_DIR/weston.log; fail "weston did not start"; }

# No DISPLAY, so there is no way round through X; WAYLAND_DEBUG writes the
# client's side of the protocol to stderr (objects as name@id, or name#id
# since libwayland 1.23).
env -u DISPLAY WAYLAND_DISPLAY=bitovka-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    "$bin" >"$log" 2>&1 &
APP_PID=$!
# Mapped and drawn: a buffer attached after the toplevel's first configure.
drawn() { sed -n '/xdg_toplevel[@#][0-9]*\.configure(/,$p' "$log" | grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer[@#]'; }
for _ in $(seq 200); do drawn && break; kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.05; done
drawn || fail "no window drawn under weston"

grep -q 'xdg_toplevel[@#][0-9]*\.set_title("Bitovka")' "$log" || fail "no toplevel titled Bitovka"
ids=$(sed -n 's/.*xdg_toplevel[@#][0-9]*\.set_app_id("\([^"]*\)").*/\1/p' "$log" | sort -u)
[ "$ids" = "$app_id" ] || fail "app id '$ids', the desktop entry is $app_id"

# Still running, then ended by our stop (143), not by a crash (134) or by
# losing the compositor (255).
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended on its own"
kill -TERM "$APP_PID"
wait "$APP_PID"
code=$?
APP_PID=
[ "$code" = 143 ] || fail "exit code $code after the stop"
grep -E 'error|broke' "$log" | grep -v '^\[' && fail "the program reported an error"
echo "PASS: native Wayland window titled Bitovka, app id $app_id, drawn, stopped cleanly"

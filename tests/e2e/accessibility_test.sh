#!/bin/sh
# Runs the AT-SPI test against the real program on a private X server and
# session bus.
set -u
. "$(dirname "$0")/xsession.sh"
HERE=$(cd "$(dirname "$0")" && pwd)

x_start
busfile=$(mktemp)
dbus-daemon --session --nofork --print-address=3 3>"$busfile" >/dev/null 2>&1 &
DBUS_PID=$!
for _ in $(seq 100); do [ -s "$busfile" ] && break; sleep 0.05; done
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$busfile"); export DBUS_SESSION_BUS_ADDRESS
rm -f "$busfile"
trap 'kill $DBUS_PID 2>/dev/null; x_cleanup' EXIT

# A screen reader would switch accessibility on; here the program is told directly.
start_bitovka "$1" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 "$HERE/accessibility_test.py" || exit 1
wmctrl -i -c "$MAIN"
wait_exit
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"

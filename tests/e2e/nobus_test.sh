#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Where there is no session bus at all (a bare window manager, a remote X
# session), the program still starts, works and ends with code 0.
set -u
. "$(dirname "$0")/xsession.sh"

x_start
start_bitovka "$1" -u DBUS_SESSION_BUS_ADDRESS
before=$(xwd -id "$MAIN" -silent | md5sum)
# The fixed generator's second pair (2, 4) differs from the first (4, 1).
xdotool windowactivate --sync "$MAIN" key --clearmodifiers alt+g
sleep 0.5
[ "$(xwd -id "$MAIN" -silent | md5sum)" != "$before" ] || fail "Alt+G changed nothing on screen"
wmctrl -i -c "$MAIN"
wait_exit
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE without a session bus"
echo "PASS: started, drew and ended with code 0 without a session bus"

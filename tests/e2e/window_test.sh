#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real window: titled "Bitovka", 360x358, not
# resizable or maximisable, and closing it ends the program with code 0.
set -u
. "$(dirname "$0")/xsession.sh"

x_start
start_bitovka "$1"
w=$MAIN
sleep 0.3

[ "$(client_size "$w")" = 360x358 ] || fail "client size $(client_size "$w")"
hints=$(xprop -id "$w" WM_NORMAL_HINTS)
echo "$hints" | grep -q 'minimum size: 360 by 358' || fail "no fixed minimum: $hints"
echo "$hints" | grep -q 'maximum size: 360 by 358' || fail "no fixed maximum: $hints"
actions=$(xprop -id "$w" _NET_WM_ALLOWED_ACTIONS)
echo "$actions" | grep -q MINIMIZE || fail "cannot minimise: $actions"
echo "$actions" | grep -q -E 'MAXIMIZE|RESIZE' && fail "window manager offers: $actions"
[ "$(xprop -id "$w" _NET_WM_NAME)" = '_NET_WM_NAME(UTF8_STRING) = "Bitovka"' ] || fail "title $(xprop -id "$w" _NET_WM_NAME)"

xdotool windowsize "$w" 600 500
wmctrl -i -r "$w" -b add,maximized_vert,maximized_horz
sleep 0.5
[ "$(client_size "$w")" = 360x358 ] || fail "resized to $(client_size "$w")"

wmctrl -i -c "$w"
wait_exit
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after closing the window"
echo "PASS: window 360x358, fixed, closed with exit code 0"

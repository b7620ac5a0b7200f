#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The complement dialog in a real session: Alt+O opens it, a window of the
# main window's own, Esc hides it, and closing the main window while it is
# open ends the program with code 0, leaving no window behind.
set -u
. "$(dirname "$0")/xsession.sh"

x_start
start_bitovka "$1"
main=$MAIN

xdotool windowactivate --sync "$main" key --clearmodifiers alt+o
dialog=$(wait_window Komplement) || fail "Alt+O did not open the dialog"
[ "$(client_size "$dialog")" = 185x121 ] || fail "dialog size $(client_size "$dialog")"
xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS | grep -q -E 'MAXIMIZE|RESIZE' && fail "dialog can be maximised or resized"
# Owned by the main window: the window manager keeps it above that one and
# lists no taskbar entry of its own for it.
owner=$(xprop -id "$dialog" WM_TRANSIENT_FOR)
[ "$(printf '%d' "${owner##* }" 2>/dev/null)" = "$main" ] || fail "dialog not owned by the main window: $owner"
# At its own place: the layouts put the main window at 345,182 and the dialog
# at 215,250, so its client area sits 130 px left of and 68 px below the main
# window's (both have the same border).
client_at() { xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}'; }
set -- $(client_at "$dialog") $(client_at "$main")
[ "$(($1 - $3)),$(($2 - $4))" = "-130,68" ] || fail "dialog at $1,$2, main window at $3,$4"

xdotool windowactivate --sync "$dialog" key --clearmodifiers Escape
wait_gone Komplement || fail "Esc did not hide the dialog"

xdotool windowactivate --sync "$main" key --clearmodifiers alt+o
wait_window Komplement >/dev/null || fail "the dialog did not come back"

wmctrl -i -c "$main"
wait_exit
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after closing the main window"
[ -z "$(xdotool search --onlyvisible --name '^(Bitovka|Komplement)$' 2>/dev/null)" ] || fail "a window was left"
echo "PASS: dialog opened, hidden by Esc, reopened; main window closed with exit code 0"

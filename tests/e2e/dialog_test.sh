#!/bin/sh
# The complement dialog in a real session: Alt+O opens it beside the main
# window, Esc hides it, and closing the main window while it is open ends
# the program with code 0, leaving no window behind.
set -u
. "$(dirname "$0")/xsession.sh"

x_start
bus_start
start_bitovka "$1"
main=$MAIN

xdotool windowactivate --sync "$main" key --clearmodifiers alt+o
dialog=$(wait_window Komplement) || fail "Alt+O did not open the dialog"
[ "$(client_size "$dialog")" = 185x121 ] || fail "dialog size $(client_size "$dialog")"
xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS | grep -q -E 'MAXIMIZE|RESIZE' && fail "dialog can be maximised or resized"

xdotool windowactivate --sync "$dialog" key --clearmodifiers Escape
wait_gone Komplement || fail "Esc did not hide the dialog"

xdotool windowactivate --sync "$main" key --clearmodifiers alt+o
wait_window Komplement >/dev/null || fail "the dialog did not come back"

wmctrl -i -c "$main"
wait_exit
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after closing the main window"
[ -z "$(xdotool search --onlyvisible --name '^(Bitovka|Komplement)$' 2>/dev/null)" ] || fail "a window was left"
echo "PASS: dialog opened, hidden by Esc, reopened; main window closed with exit code 0"

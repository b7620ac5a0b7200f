#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real Windows program under Wine, on the X server in DISPLAY with a
# window manager (scripts/windows-test gives both): started with no DISPLAY
# in its Windows environment, as on every Windows PC, it opens its window
# titled Bitovka at 360x358; Alt+G draws new operands and Alt+D combines them,
# each changing what the window shows; Alt+O opens the complement dialog and
# Esc hides it; closing the main window ends the program with code 0.
#   e2e_test.sh PROGRAM.exe
set -u
exe=$(winepath -w "$1")
# The X session is scripts/windows-test's; only the helpers are taken. A
# program under Wine takes up to half a minute to show its first window.
WAIT_TRIES=300
. "$(dirname "$0")/../e2e/xsession.sh"
[ -n "${DISPLAY:-}" ] || fail "no X server to test on"

# What the window shows, as a digest of its pixels once they settle.
picture() {
    last=
    for _ in $(seq 20); do
        sleep 0.2
        now=$(xwd -silent -id "$1" | md5sum)
        [ "$now" = "$last" ] && break
        last=$now
    done
    echo "$now"
}
# Alt and a letter into the main window, until the picture changes (a draw
# may give the operands it had); prints the new picture. With "unaided", the
# keys go to whichever window has the keyboard.
alt_changes() {
    before=$(picture "$main")
    for _ in 1 2 3; do
        if [ "${2:-}" = unaided ]; then
            xdotool key --clearmodifiers "alt+$1" 2>/dev/null
        else
            xdotool windowactivate --sync "$main" key --clearmodifiers "alt+$1" 2>/dev/null
        fi
        after=$(picture "$main")
        [ "$after" != "$before" ] && return 0
    done
    return 1
}

# cmd.exe empties DISPLAY in the Windows environment only; Wine itself
# still draws on the X server.
wine cmd /c "set DISPLAY=&& set WAYLAND_DISPLAY=&& $exe" >/dev/null 2>&1 &
APP_PID=$!
main=$(wait_window Bitovka) || fail "no window titled Bitovka"
[ "$(client_size "$main")" = 360x358 ] || fail "client size $(client_size "$main")"

alt_changes g || fail "Alt+G did not change the window"
alt_changes d || fail "Alt+D did not change the window"

xdotool windowactivate --sync "$main" key --clearmodifiers alt+o 2>/dev/null
dialog=$(wait_window Komplement) || fail "Alt+O did not open the dialog"
xdotool windowactivate --sync "$dialog" key --clearmodifiers Escape 2>/dev/null
wait_gone Komplement || fail "Esc did not hide the dialog"
# The keyboard is the main window's again, with nothing done to it.
alt_changes g unaided || fail "after the dialog, Alt+G did not reach the main window"

wmctrl -i -c "$main"
( sleep 20; kill "$APP_PID" ) >/dev/null 2>&1 &
watchdog=$!
wait "$APP_PID"
code=$?
APP_PID=
kill "$watchdog" 2>/dev/null
[ "$code" = 0 ] || fail "exit code $code after closing the main window"
echo "PASS: window 360x358 with no DISPLAY, Alt+G and Alt+D shown, dialog opened and hidden, the keyboard back with the main window, closed with code 0"

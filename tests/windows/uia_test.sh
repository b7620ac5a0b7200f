#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows screen reader (Narrator, NVDA) gets from the real program
# under Wine, read through UI Automation by the tests' own client, which
# stays connected throughout as a reader does: every button and radio button
# by its name, every value by its number with what it is; and after each
# command given by keyboard, the result raised once as a UI Automation
# notification in the words the desktop's screen reader says, those of the
# numbers then shown, and nothing raised where nothing was computed. Wine
# hands notifications to no client, but logs each with its text on its
# uiautomation channel: the program runs with that channel's fixmes on.
#   uia_test.sh PROGRAM.exe UIA_CLIENT.exe   (Wine, an X server in DISPLAY with a window manager)
set -u
exe=$1; client=$2
# The X session is scripts/windows-test's; only the helpers are taken. A
# program under Wine takes up to half a minute to show its first window.
WAIT_TRIES=300
# shellcheck source=tests/e2e/xsession.sh
. "$(dirname "$0")/../e2e/xsession.sh"
[ -n "${DISPLAY:-}" ] || fail "no X server to test on"
T=$(mktemp -d)
CLIENT_PID=
trap 'exec 3>&-; [ -z "$CLIENT_PID" ] || kill "$CLIENT_PID" 2>/dev/null; x_cleanup; rm -rf "$T"' EXIT
failures=0
bad() { echo "FAIL: $*"; failures=$((failures + 1)); }

WINEDEBUG=-all,fixme+uiautomation wine "$exe" 2>"$T/program.log" &
APP_PID=$!
main=$(wait_window Bitovka) || fail "no window titled Bitovka"

# The client reads window titles from a pipe and answers each with the
# window's elements and a line ".".
mkfifo "$T/ask"
wine "$client" <"$T/ask" >"$T/answers" 2>"$T/client.log" &
CLIENT_PID=$!
exec 3>"$T/ask"
asked=0
# ask TITLE: the window's elements, one per line, into $T/tree:
#   depth, control type, name, description, help text, access key, enabled
ask() {
    asked=$((asked + 1))
    echo "$1" >&3
    for _ in $(seq 300); do
        [ "$(grep -c '^\.$' "$T/answers")" -lt "$asked" ] || break
        sleep 0.1
    done
    [ "$(grep -c '^\.$' "$T/answers")" -ge "$asked" ] || fail "the UI Automation client did not answer for $1"
    awk -v n="$asked" '$0 == "." { k++; next } k == n - 1' "$T/answers" >"$T/tree"
    ! grep '^!' "$T/tree" || fail "the UI Automation client could not read the window $1"
}
# has TYPE NAME: an enabled element of that control type and name.
has() {
    awk -F '\t' -v t="$1" -v n="$2" '$2 == t && $3 == n && $7 == "enabled" { f = 1 } END { exit !f }' "$T/tree"
}
# value ROW PLACE: the number a value shows, found by what it is ("modrý
# operand", "desítkově"); its description may go on with what it means.
value() {
    awk -F '\t' -v d="$1, $2" '$2 == "Text" && ($4 == d || index($4, d ": ") == 1) { print $3; exit }' "$T/tree"
}
# What the desktop's screen reader says of the rows as shown.
operands() { echo "Modrá $(value 'modrý operand' desítkově), červená $(value 'červený operand' desítkově)"; }
yellow() {
    echo "Žlutá $(value 'žlutý výsledek' desítkově), cifry $(value 'žlutý výsledek' 'cifra d2')," \
        "$(value 'žlutý výsledek' 'cifra d1'), $(value 'žlutý výsledek' 'cifra d0')"
}
# The notifications raised so far, one a line, in UTF-8 (Wine writes each
# character past ASCII as a backslash and four hexadecimal digits).
said() {
    perl -CO -ne 'print $1 =~ s/\\([0-9a-f]{4})/chr hex $1/ger, "\n"
        if /UiaRaiseNotificationEvent \(\w+, \d+, \d+, L"((?:[^"\\]|\\.)*)"/' "$T/program.log"
}

# The main window: the nine buttons by the names the desktop gives them,
# each value by its number.
ask Bitovka
cp "$T/tree" "$T/main"
for name in Generuj Disjunkce Nerovnost "Posun doleva" "Posun doprava" Konjunkce Komplement Větší Menší; do
    has Button "$name" || bad "no enabled button named $name"
done
for row in "modrý operand" "červený operand" "žlutý výsledek"; do
    for place in desítkově "cifra d2" "cifra d1" "cifra d0"; do
        case $(value "$row" "$place") in
        '' | *[!0-9-]*) bad "no value described as $row, $place named by its number" ;;
        esac
    done
done

# step WINDOW KEY ROWS: the key into the window; ROWS names what the
# command puts on screen, operands or yellow, and then the program must have
# said once what the desktop's screen reader says of it, and "-" nothing.
step() {
    window=$(wait_window "$1") || { bad "no window $1 for $2"; return; }
    before=$(said | wc -l)
    xdotool windowactivate --sync "$window" key --clearmodifiers "$2" 2>/dev/null
    if [ "$3" = - ]; then
        sleep 2
    else
        for _ in $(seq 100); do [ "$(said | wc -l)" -gt "$before" ] && break; sleep 0.1; done
        sleep 0.5  # time for a second one
    fi
    new=$(said | tail -n +"$((before + 1))")
    if [ "$3" = - ]; then
        [ -z "$new" ] || bad "after $2 in $1, nothing computed, yet raised [$(echo "$new" | paste -sd '|')]"
        return
    fi
    ask Bitovka
    want=$("$3")
    if [ "$new" = "$want" ]; then
        echo "$2 in $1: raised $new"
    else
        bad "after $2 in $1 raised [$(echo "$new" | paste -sd '|')], the rows show [$want]"
    fi
}
#    window      key     rows
step Bitovka     alt+g   operands
step Bitovka     alt+d   yellow
step Bitovka     alt+o   -
# The dialog: its two radio buttons and its two buttons by name.
ask Komplement
cp "$T/tree" "$T/dialog"
for control in "RadioButton Modrá" "RadioButton Červená" "Button Proveď" "Button Zavři"; do
    has "${control%% *}" "${control#* }" || bad "no enabled ${control%% *} named ${control#* } in the dialog"
done
step Komplement  alt+m   -
step Komplement  Return  yellow
step Komplement  Escape  -
step Bitovka     alt+k   yellow

exec 3>&-
wait "$CLIENT_PID" || bad "the UI Automation client ended with $?: $(tail -n 1 "$T/client.log")"
CLIENT_PID=
wmctrl -i -c "$main"
wait_exit 20  # Wine is slower to end a program

echo "The main window as UI Automation gives it:"; cat "$T/main"
echo "The dialog:"; cat "$T/dialog"
echo "Raised, as Wine logs it:"; grep UiaRaiseNotificationEvent "$T/program.log"
echo "Raised:"; said
[ "$failures" = 0 ] || exit 1
echo "PASS: every button and radio button found by name, every value by its number and description, each result raised once as the desktop says it"

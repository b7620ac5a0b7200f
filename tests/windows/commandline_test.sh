#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program from a command line: --help and --version answer on
# the output they were given, with the exit code of Linux, and say nothing
# of X's displays; with no output at all (started from Explorer) the same
# answer comes in a message box, and closing it ends the program with 0.
#   commandline_test.sh PROGRAM.exe VERSION    (Wine, and an X server in DISPLAY)
set -u
exe=$1; version=$2
out=$(mktemp)
trap 'rm -f "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# row CODE FIRST-LINE ARGUMENT...
row() {
    code=$1; first=$2; shift 2
    wine "$exe" "$@" >"$out" 2>/dev/null </dev/null
    got=$?
    [ "$got" = "$code" ] || fail "bitovka $*: exit code $got, not $code"
    head -n 1 "$out" | tr -d '\r' | grep -Eq -- "$first" || fail "bitovka $*: printed $(head -n 1 "$out")"
    ! grep -q DISPLAY "$out" || fail "bitovka $*: speaks of DISPLAY, which Windows has not"
}
#   code first line              arguments
row 0   '^Použití: bitovka '     --help
row 0   '^Použití: bitovka '     -x soubor -h
row 0   "^Bitovka $version\$"    --version

# Started as Explorer starts it, with no standard handles and no console:
# a message box titled Bitovka. (Closing Wine's own descriptors would not do:
# Wine hands out the numbers again.)
wine start /wait /unix "$exe" --version </dev/null >/dev/null 2>&1 &
pid=$!
box=
for _ in $(seq 150); do
    box=$(xdotool search --onlyvisible --name '^Bitovka$' 2>/dev/null | head -n 1)
    [ -n "$box" ] && break
    sleep 0.1
done
if [ -z "$box" ]; then
    fail "--version without an output showed no message box"
    kill "$pid" 2>/dev/null
else
    xdotool windowactivate --sync "$box" key Return 2>/dev/null
    ( sleep 15; kill "$pid" ) >/dev/null 2>&1 &
    watchdog=$!
    wait "$pid"
    got=$?
    kill "$watchdog" 2>/dev/null
    [ "$got" = 0 ] || fail "--version in a message box: exit code $got"
fi
[ "$failures" = 0 ] || exit 1
echo "PASS: --help and --version printed, and shown in a message box without an output"

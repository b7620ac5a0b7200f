#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program from a terminal: --help and --version answer on stdout with no
# display; with no display, or one that cannot be reached, one line on stderr
# and exit code 1, never an abort; any other argument is ignored and the
# window comes up (here offscreen; code 124: still running when stopped).
#   commandline_test.sh PROGRAM VERSION
set -u
bin=$1; version=$2
out=$(mktemp); err=$(mktemp)
# A session's own folder, where a Wayland display would be looked for.
XDG_RUNTIME_DIR=$(mktemp -d); export XDG_RUNTIME_DIR
trap 'rm -rf "$out" "$err" "$XDG_RUNTIME_DIR"' EXIT
failures=0

# What is wrong with FILE against PATTERN, if anything: "" wants nothing,
# "*" takes anything, else the first line matches and, with ONLY, is the one.
mismatch() {
    file=$1; pattern=$2; only=$3
    case $pattern in
    '*') return 1 ;;
    '') [ -s "$file" ] || return 1 ;;
    *) head -n1 "$file" | grep -Eq -- "$pattern" &&
        { [ -z "$only" ] || [ "$(wc -l <"$file")" = 1 ]; } && return 1 ;;
    esac
    printf '%s' "$(cat "$file")"
}

# row CODE STDOUT STDERR ENVIRONMENT [ARGUMENT...]
row() {
    code=$1; want_out=$2; want_err=$3; settings=$4; shift 4
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE $settings \
        timeout 3 "$bin" "$@" >"$out" 2>"$err"
    got=$?
    what="${settings:+$settings }bitovka $*"
    [ "$got" = "$code" ] || { echo "FAIL: $what: exit code $got, not $code"; failures=$((failures + 1)); }
    if m=$(mismatch "$out" "$want_out" ""); then
        echo "FAIL: $what: stdout: $m"; failures=$((failures + 1))
    fi
    if m=$(mismatch "$err" "$want_err" one); then
        echo "FAIL: $what: stderr: $m"; failures=$((failures + 1))
    fi
}

nodisplay='^bitovka: chybí grafický displej \(není nastaveno DISPLAY ani WAYLAND_DISPLAY\), okno nelze otevřít$'
unreached() { echo "^bitovka: ke grafickému displeji „$1“ se nepodařilo připojit, okno nelze otevřít\$"; }

#   code stdout                 stderr                 environment                     arguments
row 0   '^Použití: bitovka '    ''                     ''                              --help
row 0   '^Použití: bitovka '    ''                     ''                              -x soubor -h
row 0   "^Bitovka $version\$"   ''                     ''                              --version
row 1   ''                      "$nodisplay"           ''
row 1   ''                      "$nodisplay"           'QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-9999'
row 1   ''                      "$(unreached :9999)"   'DISPLAY=:9999'
row 1   ''                      "$(unreached :9999)"   ''                              -display :9999
row 1   ''                      "$(unreached wayland-9999)" 'WAYLAND_DISPLAY=wayland-9999'
row 1   ''                      '^bitovka: platformu Qt „zadna“ se nepodařilo spustit' '' -platform zadna
row 124 ''                      '*'                    'QT_QPA_PLATFORM=offscreen'     --nonsense -x soubor
row 124 ''                      '*'                    'QT_QPA_PLATFORM=offscreen'     -- --help

# A text that could not be written is a failure, not a success.
timeout 3 "$bin" --version >/dev/full 2>"$err"
got=$?
if [ "$got" != 1 ] || ! grep -q '^bitovka: ' "$err"; then
    echo "FAIL: bitovka --version >/dev/full: exit code $got: $(cat "$err")"; failures=$((failures + 1))
fi

[ "$failures" = 0 ] || exit 1
echo "PASS: every command line answered as expected"

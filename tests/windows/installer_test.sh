#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installer under Wine, as a school deploys it: /S installs silently into
# the user's programs folder with a Start-menu entry and an uninstall key
# Settings > Apps reads; installing again over it works; the installed
# program starts and ends with code 0; /S uninstalls silently and leaves
# nothing of what was installed, and nothing new, behind.
#   installer_test.sh SETUP.exe    (Wine in WINEPREFIX, an X server in DISPLAY)
set -u
setup=$1
fail() { echo "FAIL: $*"; exit 1; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Bitovka'
drive=$WINEPREFIX/drive_c
snapshot() { find "$drive" -path '*/Temp' -prune -o -print | sort; }
before=$(mktemp); after=$(mktemp)
trap 'rm -f "$before" "$after"' EXIT
snapshot >"$before"

for round in 1 2; do
    wine "$setup" /S </dev/null >/dev/null 2>&1 || fail "install $round: exit code $?"
    wineserver -w
done
dir=$(find "$drive/users" -type d -path '*/AppData/Local/Programs/Bitovka' | head -n 1)
[ -n "$dir" ] || fail "nothing in %LOCALAPPDATA%\\Programs\\Bitovka"
[ "$(cd "$dir" && ls | tr '\n' ' ')" = "LICENCE.txt bitovka.exe uninstall.exe " ] ||
    fail "installed: $(ls "$dir")"
find "$drive/users" -path '*/Start Menu/Programs/Bitovka.lnk' | grep -q . || fail "no Start-menu entry Bitovka"
# (Into a file: the shell's echo would read the backslashes.)
wine reg query "$key" 2>/dev/null | tr -d '\r' | sed 's/^ *//; s/  */ /g' >"$after"
for value in 'DisplayName REG_SZ Bitovka' 'Publisher REG_SZ The Bitovka developers' \
    'DisplayVersion REG_SZ [0-9.]+' 'DisplayIcon REG_SZ .*\\bitovka\.exe,0' \
    'InstallLocation REG_SZ .*\\Programs\\Bitovka' 'UninstallString REG_SZ ".*uninstall\.exe"' \
    'EstimatedSize REG_DWORD 0x[0-9a-f]+'; do
    grep -Eqx -- "$value" "$after" || fail "uninstall key lacks $value"
done

# The installed copy runs: its window comes up and closing it ends it with 0.
wine "$dir/bitovka.exe" >/dev/null 2>&1 &
pid=$!
w=
for _ in $(seq 300); do
    w=$(xdotool search --onlyvisible --name '^Bitovka$' 2>/dev/null | head -n 1)
    [ -n "$w" ] && break
    sleep 0.1
done
[ -n "$w" ] || { kill "$pid"; fail "the installed program showed no window"; }
wmctrl -i -c "$w"
wait "$pid" || fail "the installed program ended with code $?"

uninstaller=$(winepath -w "$dir/uninstall.exe")
wine "$uninstaller" /S </dev/null >/dev/null 2>&1 || fail "uninstall: exit code $?"
# The uninstaller runs on from a copy of itself; wait for it.
wineserver -w
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstall key is left"
snapshot >"$after"
left=$(comm -13 "$before" "$after")
[ -z "$left" ] || fail "left behind: $left"
echo "PASS: installed twice silently, Start menu and uninstall key, ran, uninstalled leaving nothing"

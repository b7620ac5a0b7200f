#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The MSI under Wine, as a school's IT deploys it with msiexec /qn: an
# earlier version (the same WiX source, with the unstripped program, so that
# its file differs) is installed first and this one replaces it in place;
# the same again changes nothing; the earlier one over it is refused. Each
# time there is one entry, under HKLM, with the version installed, the files
# in Program Files\Bitovka are that version's, and nothing of it is in HKCU.
# What Wine does not show as Windows does (Wine puts the Start-menu entry in
# the installing user's menu) is read from the package's tables. The
# installed program answers --version; msiexec /x removes it all, from
# Program Files and from a folder given as INSTALLDIR.
#   msi_test.sh BITOVKA.msi BUILD    (Wine in WINEPREFIX; run from the top of
#                                     the tree; BUILD the cross build)
set -u
msi=$1; build=$2
fail() { echo "FAIL: $*"; exit 1; }
drive=$WINEPREFIX/drive_c
dir="$drive/Program Files/Bitovka"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Wine's own menu integration would write the shortcuts' Linux copies into
# HKCU; Windows has none.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The earlier version.
mkdir "$work/older"
cp "$build/app/bitovka.exe" "$work/older/" || fail "no program in $build"
scripts/windows-msi "$build" "$work/older" 0.0.1 >"$work/older.log" 2>&1 ||
    fail "the earlier MSI was not made: $(tail -n 1 "$work/older.log")"
older=$work/older/Bitovka-0.0.1.msi
newer=$(dirname "$msi")/bitovka.exe

# table MSI TABLE: the package's table, one tab-separated row a line.
table() { msiinfo export "$1" "$2" | tr -d '\r'; }
property() { table "$1" Property | awk -F '\t' -v p="$2" '$1 == p { print $2 }'; }
version=$(property "$msi" ProductVersion)
# What names the product in the registry, plainly and in the packed form
# Windows Installer's own keys use.
packed() { echo "$1" | tr -d '{}' | awk -F - '{
    r = ""; for (i = 1; i <= 3; i++) { s = $i; for (j = length(s); j > 0; j--) r = r substr(s, j, 1) }
    s = $4 $5; for (j = 1; j < length(s); j += 2) r = r substr(s, j + 1, 1) substr(s, j, 1)
    print r }'; }
names=bitovka
for code in "$(property "$msi" ProductCode)" "$(property "$older" ProductCode)" "$(property "$msi" UpgradeCode)"; do
    names="$names|$(echo "$code" | tr -d '{}')|$(packed "$code")"
done
names=$(echo "$names" | tr "[:upper:]" "[:lower:]")
# mentions FILE: the lines of Wine's registry file (user.reg is HKCU) that
# name the product and were not there before the test.
mentions() {
    wineserver -w
    sed 's/^\(\[.*\]\) [0-9]*$/\1/' "$WINEPREFIX/$1" | tr "[:upper:]" "[:lower:]" | grep -E "$names" |
        grep -vxF -f "$work/$1" || true
}
# run ACTION MSI [PROPERTY=VALUE...]: msiexec silently, with its log.
run() {
    action=$1; m=$(winepath -w "$2"); shift 2
    wine msiexec "$action" "$m" /qn /l*v "$(winepath -w "$work/msiexec.log")" "$@" </dev/null >/dev/null 2>&1
    rc=$?
    wineserver -w
    return $rc
}
# entries: the uninstall keys named Bitovka, one a line.
entries() {
    wine reg query "$uninstall" /s </dev/null 2>/dev/null | tr -d '\r' |
        awk '/^HKEY/ { key = $0 } $1 == "DisplayName" && $3 == "Bitovka" { print key }'
}
# value KEY NAME: a value of the key, as reg prints it.
value() { wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2  *REG_[A-Z_]*  *//p"; }
desktop() { find "$drive/users" -path '*/Desktop/Bitovka.lnk' | grep -q .; }

snapshot() { find "$drive" -path '*/Temp' -prune -o -print | sort; }
# A folder of the school's own for INSTALLDIR below; it stays.
mkdir -p "$drive/Skola"
snapshot >"$work/before"
: >"$work/system.reg"; : >"$work/user.reg"
mentions system.reg >"$work/system.reg.new"; mentions user.reg >"$work/user.reg.new"
mv "$work/system.reg.new" "$work/system.reg"; mv "$work/user.reg.new" "$work/user.reg"

# Each round: the package, msiexec's exit code, the version then installed,
# whose program is in Program Files, whether a desktop shortcut is there
# (- for either), and msiexec's properties.
while read -r what code want exe icon props <&3; do
    case $what in older) m=$older ;; *) m=$msi ;; esac
    # shellcheck disable=SC2086
    run /i "$m" $props
    got=$?
    # (Windows' exit codes, as a Unix shell sees them: modulo 256.)
    [ "$got" = $((code % 256)) ] || fail "msiexec /i $what $props: exit code $got, not $code"
    # Refused because the later version was found (Wine's log leaves out
    # the launch condition's message).
    [ "$code" = 0 ] || grep -aq 'NEWERFOUND = {' "$work/msiexec.log" ||
        fail "msiexec /i $what $props: failed, but not for a later version: $(tail -n 3 "$work/msiexec.log")"
    n=$(entries | wc -l)
    [ "$n" = 1 ] || fail "after $what $props: $n entries in Settings > Apps: $(entries | tr '\n' ' ')"
    key=$(entries)
    [ "$(value "$key" DisplayVersion)" = "$want" ] ||
        fail "after $what $props: version $(value "$key" DisplayVersion) listed, not $want"
    [ "$(cd "$dir" 2>/dev/null && ls | tr '\n' ' ')" = "LICENCE.txt bitovka.exe " ] ||
        fail "after $what $props: Program Files\\Bitovka holds: $(ls "$dir" 2>&1 | tr '\n' ' ')"
    case $exe in
    older) cmp -s "$dir/bitovka.exe" "$work/older/bitovka.exe" || fail "after $what $props: not the earlier program" ;;
    newer) cmp -s "$dir/bitovka.exe" "$newer" || fail "after $what $props: not this version's program" ;;
    esac
    case $icon in
    yes) desktop || fail "after $what $props: no desktop shortcut" ;;
    no) ! desktop || fail "after $what $props: a desktop shortcut nobody asked for" ;;
    esac
    [ -z "$(mentions user.reg)" ] || fail "after $what $props: HKCU names Bitovka: $(mentions user.reg | head -n 3)"
    echo "$what $props: exit code $code, one entry $key, version $want"
done 3<<EOF
older 0    0.0.1      older no
newer 0    $version   newer yes DESKTOPSHORTCUT=1
newer 0    $version   newer -
older 1603 $version   newer yes
EOF

# The entry Settings > Apps shows.
for row in "DisplayName Bitovka" "Publisher The Bitovka developers" "DisplayVersion $version" \
    "InstallLocation C:\\\\Program Files\\\\Bitovka\\\\" "NoModify 0x1" "Size [1-9][0-9]*"; do
    name=${row%% *}
    value "$key" "$name" | grep -qx -- "${row#* }" || fail "the entry's $name is $(value "$key" "$name"), not ${row#* }"
done
cmp -s "$dir/LICENCE.txt" "$build/app/LICENCE.txt" || fail "LICENCE.txt is not the build's notices"
# (Wine puts it in the installing user's menu, Windows in all users'.)
find "$drive/users" -path '*/Start Menu/Programs/Bitovka.lnk' | grep -q . || fail "no Start-menu entry"

# What the package asks of Windows, from its tables: for all users, into
# the 64-bit Program Files, the Start-menu entry in the all-users menu,
# the earlier versions removed before installing; a package that does not
# ask for a per-user installation (bit 8 of its source flags).
table "$msi" Property >"$work/property"
table "$msi" Directory >"$work/directory"
table "$msi" Shortcut >"$work/shortcut"
table "$msi" InstallExecuteSequence >"$work/sequence"
msiinfo suminfo "$msi" | tr -d '\r' >"$work/suminfo"
for row in "property	ALLUSERS	1" "property	ARPPRODUCTICON	bitovka.ico" \
    "directory	INSTALLDIR	ProgramFiles64Folder	Bitovka" "shortcut	StartMenu	ProgramMenuFolder	Bitovka	Program	.*" \
    "shortcut	Desktop	DesktopFolder	Bitovka	Desktop	.*" "sequence	RemoveExistingProducts		14[0-9][0-9]" \
    "suminfo	Template: x64;.*" "suminfo	Source: [0-7] .*"; do
    grep -qx -- "${row#*	}" "$work/${row%%	*}" || fail "the package's ${row%%	*} has no row ${row#*	}"
done

# The installed program runs.
wine "$dir/bitovka.exe" --version </dev/null >"$work/out" 2>/dev/null
got=$?
out=$(head -n 1 "$work/out" | tr -d '\r')
[ "$out" = "Bitovka $version" ] || fail "the installed program answered --version with: $out"
[ "$got" = 0 ] || fail "the installed program ended with code $got"

# gone HOW: nothing of Bitovka is left after removing it HOW.
gone() {
    [ -z "$(entries)" ] || fail "$1: entries left: $(entries)"
    wine reg query "$key" </dev/null >/dev/null 2>&1 && fail "$1: the uninstall key is left"
    left=$(mentions system.reg; mentions user.reg)
    [ -z "$left" ] || fail "$1: the registry still names Bitovka: $(printf '%s\n' "$left" | head -n 3)"
    snapshot >"$work/after"
    # Windows Installer's own cache folder, which every Windows has, is made
    # by Wine at the first installation.
    left=$(comm -13 "$work/before" "$work/after" | grep -vx "$drive/windows/Installer")
    [ -z "$left" ] || fail "$1: left behind: $left"
}
run /x "$msi"
got=$?
[ "$got" = 0 ] || fail "msiexec /x: exit code $got"
gone "msiexec /x"

# Into a folder of the school's choosing, and removed from there by the
# product code alone, as a deployment tool removes it.
run /i "$msi" 'INSTALLDIR=C:\Skola\Bitovka'
got=$?
[ "$got" = 0 ] || fail "msiexec /i INSTALLDIR=C:\\Skola\\Bitovka: exit code $got"
if [ ! -f "$drive/Skola/Bitovka/bitovka.exe" ] || [ -e "$dir" ]; then
    fail "INSTALLDIR=C:\\Skola\\Bitovka did not install there: $(find "$drive/Skola" "$dir" -name '*.exe' 2>&1)"
fi
wine msiexec /x "$(property "$msi" ProductCode)" /qn </dev/null >/dev/null 2>&1
got=$?
wineserver -w
[ "$got" = 0 ] || fail "msiexec /x {ProductCode}: exit code $got"
gone "msiexec /x {ProductCode} after INSTALLDIR=C:\\Skola\\Bitovka"
echo "PASS: $version over 0.0.1 in place, the same again, 0.0.1 over it refused; one entry under HKLM each time; removed leaving nothing, from Program Files and from INSTALLDIR"

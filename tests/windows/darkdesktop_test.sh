#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The main window tests on the palette Windows gives its dark mode, through
# Qt's own Windows platform rather than offscreen: for the run, Wine is told
# to be Windows 11 (where Qt follows dark mode) with dark apps, and is put
# back after.
#   darkdesktop_test.sh QTEST PROGRAM.exe
set -u
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
restore() {
    wine reg delete "$key" /v AppsUseLightTheme /f
    wine reg delete 'HKCU\Software\Wine' /v Version /f
    wineserver -w
} >/dev/null 2>&1
trap restore EXIT
if ! { wine reg add 'HKCU\Software\Wine' /v Version /d win11 /f &&
       wine reg add "$key" /v AppsUseLightTheme /t REG_DWORD /d 0 /f && wineserver -w; } >/dev/null 2>&1; then
    echo "FAIL: Wine's registry did not take dark mode"
    exit 1
fi
BITOVKA_DARK_DESKTOP=1 QT_QPA_PLATFORM=windows sh "$1" "$2"

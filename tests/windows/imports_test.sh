#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program is one file: every DLL it imports is part of Windows
# itself, none of MinGW's runtime (libstdc++, libgcc, winpthread) or Qt's.
#   imports_test.sh OBJDUMP PROGRAM.exe
set -u
objdump=$1; exe=$2
dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$dlls" ] || { echo "FAIL: no imports read from $exe"; exit 1; }
failures=0
for dll in $dlls; do
    case $dll in
    # The Win32 API, the C runtime of Windows and its API sets, graphics.
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | shell32.dll | ole32.dll | \
    oleaut32.dll | comdlg32.dll | imm32.dll | winmm.dll | ws2_32.dll | uxtheme.dll | \
    dwmapi.dll | shlwapi.dll | version.dll | setupapi.dll | wtsapi32.dll | userenv.dll | \
    netapi32.dll | mpr.dll | authz.dll | bcrypt.dll | crypt32.dll | ntdll.dll | \
    shcore.dll | comctl32.dll | runtimeobject.dll | opengl32.dll | d3d9.dll | d3d11.dll | \
    d3d12.dll | dxgi.dll | dcomp.dll | d2d1.dll | dwrite.dll | msvcrt.dll | \
    api-ms-win-*.dll) echo "ok: $dll" ;;
    *) echo "FAIL: $exe needs $dll, which Windows does not have"; failures=$((failures + 1)) ;;
    esac
done
[ "$failures" = 0 ] || exit 1
echo "PASS: $exe needs only Windows' own DLLs"

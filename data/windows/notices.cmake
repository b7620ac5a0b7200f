# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a distributor of the Windows program owes its users, in one text: the
# program's licence, Qt's, how the Qt linked in was built, the notices of
# the code Qt bundles and of the MinGW-w64 runtime. The program carries it as
# a resource, the installer installs it beside the program. Windows' Notepad
# and the installer read CRLF.
include(${PROJECT_SOURCE_DIR}/data/notices.cmake)
set(notices ${CMAKE_CURRENT_BINARY_DIR}/LICENCE.txt)
set(qt_licences ${QT6_INSTALL_PREFIX}/licenses)
bitovka_notices(OUTPUT ${notices} CRLF PARTS
    "${PROJECT_SOURCE_DIR}/data/windows/NOTICE.txt|"
    "${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt|GNU General Public License version 3 (Bitovka, and the GPL-3.0 under Qt's LGPL-3.0)"
    "${qt_licences}/LGPL-3.0-only.txt|GNU Lesser General Public License version 3 (Qt)"
    "${QT6_INSTALL_PREFIX}/BUILD-OPTIONS.txt|How this Qt was built"
    "${qt_licences}/qt-third-party-notices.txt|"
    "${qt_licences}/qt6-base-debian-copyright.txt|Debian's copyright file of qt6-base"
    "/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright|Debian's copyright file of the MinGW-w64 GCC runtime"
    "/usr/share/doc/mingw-w64-x86-64-dev/copyright|Debian's copyright file of the MinGW-w64 runtime")

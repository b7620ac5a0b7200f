# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program: a windowed program (no console of its own), with its
# icon rendered from the project's SVG at the sizes Windows asks for, its
# version resource and its manifest.
set_target_properties(bitovka PROPERTIES WIN32_EXECUTABLE ON)
# Qt is built with a section per function: drop those the program never calls.
target_link_options(bitovka PRIVATE -Wl,--gc-sections)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(svg ${PROJECT_SOURCE_DIR}/data/icons/cz.bitovka.Bitovka.svg)
set(ico ${CMAKE_CURRENT_BINARY_DIR}/bitovka.ico)
set(pngs)
set(commands)
foreach(size 16 20 24 32 40 48 64 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icon-${size}.png)
    list(APPEND pngs ${png})
    list(APPEND commands COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg})
endforeach()
# The largest is kept as PNG inside the icon, as Windows does itself.
list(POP_BACK pngs big)
add_custom_command(OUTPUT ${ico} ${commands}
    COMMAND ${ICOTOOL} -c -o ${ico} ${pngs} --raw=${big}
    DEPENDS ${svg} VERBATIM)

# What a distributor of the Windows program owes its users, in one text: the
# program's licence, Qt's, how the Qt linked in was built, the notices of
# the code Qt bundles and of the MinGW-w64 runtime. The program carries it as
# a resource, the installer installs it beside the program. Windows' Notepad
# and the installer read CRLF.
include(${CMAKE_CURRENT_LIST_DIR}/notices.cmake)
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
set(manifest ${CMAKE_CURRENT_BINARY_DIR}/bitovka.manifest)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/bitovka.manifest.in ${manifest} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/bitovka.rc.in ${CMAKE_CURRENT_BINARY_DIR}/bitovka.rc @ONLY)
target_sources(bitovka PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/bitovka.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/bitovka.rc PROPERTIES OBJECT_DEPENDS "${ico};${manifest};${notices}")

# The icon is an XPM, which Qt reads itself: no image format plugins.
qt_import_plugins(bitovka EXCLUDE_BY_TYPE imageformats)

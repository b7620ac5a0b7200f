# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The web page around the browser's program, put together in page/ beside
# it: the page, the program and Qt's loader, the icons, the licences and
# notices of what is compiled in, and what makes the page an installable app
# that opens offline: its manifest and its worker. Any static web server
# serves the folder.
set(page ${CMAKE_CURRENT_BINARY_DIR}/page)
file(MAKE_DIRECTORY ${page})

set(qt_licences ${QT6_INSTALL_PREFIX}/licenses)
set(qt_build_options ${QT6_INSTALL_PREFIX}/BUILD-OPTIONS.txt)
file(STRINGS ${qt_build_options} qt_from REGEX "^qt6-base ")
string(REGEX REPLACE "^qt6-base ([^ ]+) .*" "\\1" qt_debian_version "${qt_from}")
configure_file(${PROJECT_SOURCE_DIR}/data/web/index.html.in ${page}/index.html @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/icons/cz.bitovka.Bitovka.svg ${page}/bitovka.svg COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/icons/128x128/cz.bitovka.Bitovka.png ${page}/bitovka.png COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/web/bitovka.webmanifest ${page}/bitovka.webmanifest COPYONLY)

# An installed app's icon on a shelf or a start screen. Chromium asks for
# one of 144 pixels or more, which the SVG is; the PNGs, at the sizes
# systems ask for, serve those that take no SVG icon.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(svg ${PROJECT_SOURCE_DIR}/data/icons/cz.bitovka.Bitovka.svg)
set(app_icons)
foreach(size 192 512)
    list(APPEND app_icons ${page}/bitovka-${size}.png)
    add_custom_command(OUTPUT ${page}/bitovka-${size}.png
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${page}/bitovka-${size}.png ${svg}
        DEPENDS ${svg} VERBATIM)
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/notices.cmake)
bitovka_notices(OUTPUT ${page}/LICENCE.txt PARTS
    "${PROJECT_SOURCE_DIR}/data/web/NOTICE.txt|"
    "${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt|GNU General Public License version 3 (Bitovka, Qt's WebAssembly platform plugin and loader, and the GPL-3.0 under Qt's LGPL-3.0)"
    "${qt_licences}/LGPL-3.0-only.txt|GNU Lesser General Public License version 3 (Qt)"
    "${qt_build_options}|How this Qt was built"
    "${qt_licences}/qt-third-party-notices.txt|"
    "${qt_licences}/qt6-base-debian-copyright.txt|Debian's copyright file of qt6-base"
    "/usr/share/doc/emscripten/copyright|Debian's copyright file of Emscripten")

# The program and Qt's loader join the page once linked.
add_custom_command(TARGET bitovka POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        $<TARGET_FILE_DIR:bitovka>/bitovka.js $<TARGET_FILE_DIR:bitovka>/bitovka.wasm
        $<TARGET_FILE_DIR:bitovka>/qtloader.js ${page}
    VERBATIM)

# The worker, written once all the files it keeps are there: everything the
# page loads, and the notices it links. The source archive beside them is
# not kept: it is packed after the build, and only downloaded.
set(page_files index.html bitovka.js bitovka.wasm qtloader.js bitovka.svg bitovka.png
    bitovka-192.png bitovka-512.png bitovka.webmanifest LICENCE.txt)
list(JOIN page_files "," page_files)
add_custom_target(page-offline ALL
    COMMAND ${CMAKE_COMMAND} -DPAGE=${page} -DSOURCE=${PROJECT_SOURCE_DIR}/data/web/sw.js.in
        -DPROJECT_VERSION=${PROJECT_VERSION} -DFILES=${page_files}
        -P ${PROJECT_SOURCE_DIR}/cmake/web-offline.cmake
    DEPENDS ${app_icons} ${PROJECT_SOURCE_DIR}/data/web/sw.js.in
    VERBATIM)
add_dependencies(page-offline bitovka)

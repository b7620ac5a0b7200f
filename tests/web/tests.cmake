# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser's program: the core's tests above run under Node.js, the
# build's emulator; the window suites need Qt's platform for a desktop or
# offscreen, which the browser's Qt does not have. The page itself is tested
# in Chromium, served from a loopback port.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME page COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/web/page_test.py
    ${CMAKE_BINARY_DIR}/app/page)
set_tests_properties(page PROPERTIES TIMEOUT 600 ENVIRONMENT "LC_ALL=C.UTF-8")
# The page installable and opening offline, in Chromium too.
add_test(NAME page-offline COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/web/offline_test.py
    ${CMAKE_BINARY_DIR}/app/page)
set_tests_properties(page-offline PROPERTIES TIMEOUT 600 ENVIRONMENT "LC_ALL=C.UTF-8")
# The page as a screen reader gets it: Chromium's accessibility tree.
add_test(NAME page_tree COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/web/tree_test.py
    ${CMAKE_BINARY_DIR}/app/page)
set_tests_properties(page_tree PROPERTIES TIMEOUT 600 ENVIRONMENT "LC_ALL=C.UTF-8")
# And heard: Orca beside a real Chromium window on a private X server,
# where Orca is installed.
find_program(ORCA orca)
find_program(XVFB Xvfb)
if(ORCA AND XVFB)
    add_test(NAME page_orca COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/web/orca_test.sh ${CMAKE_BINARY_DIR}/app/page)
    set_tests_properties(page_orca PROPERTIES TIMEOUT 300 ENVIRONMENT "LC_ALL=C.UTF-8")
endif()

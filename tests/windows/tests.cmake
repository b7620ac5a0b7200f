# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program's own tests, beside the core's and the windows' suites
# above, which run under Wine as the build's emulator. scripts/windows-test
# runs them all on a private X server with a Wine prefix of their own.

# Fonts on Windows do not come through fontconfig: no DejaVu stand-in.
set_tests_properties(mainwindow_dejavu PROPERTIES DISABLED TRUE)

# GoogleTest links the C++ runtime as a DLL unless told; Qt's programs are
# static already.
target_link_options(registers_test PRIVATE -static)

# One random session checked against the reference model; shorter than on
# Linux, Wine being slower to start each step's events.
add_executable(model_test model_test.cpp)
target_link_libraries(model_test PRIVATE formsfixture)
qt_import_plugins(model_test INCLUDE Qt6::QOffscreenIntegrationPlugin)
add_test(NAME model_seed1 COMMAND ${qtest} $<TARGET_FILE:model_test> -seed 1 -steps 1000)
set_tests_properties(model_seed1 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 600)

set(here ${CMAKE_CURRENT_SOURCE_DIR}/windows)
# On Windows 11's dark desktop, with Windows' own palette.
add_test(NAME mainwindow_darkdesktop COMMAND sh ${here}/darkdesktop_test.sh ${here}/qtest.sh $<TARGET_FILE:mainwindow_test>)
set_tests_properties(mainwindow_darkdesktop PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8" TIMEOUT 300)
# Only Windows' own DLLs: the program is one file.
add_test(NAME imports COMMAND sh ${here}/imports_test.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:bitovka>)
# The command line from a console, a redirect and no console at all.
add_test(NAME commandline COMMAND sh ${here}/commandline_test.sh $<TARGET_FILE:bitovka> ${PROJECT_VERSION})
set_tests_properties(commandline PROPERTIES TIMEOUT 120)
# The real program on the X server Wine draws on.
add_test(NAME e2e_wine COMMAND sh ${here}/e2e_test.sh $<TARGET_FILE:bitovka>)
set_tests_properties(e2e_wine PROPERTIES TIMEOUT 180)
# What a screen reader gets through UI Automation, asked by a client of the
# tests' own as Narrator and NVDA ask: the controls by name, and each result
# raised as a notification.
add_executable(uia_client windows/uia_client_windows.cpp)
target_link_libraries(uia_client PRIVATE uiautomationcore ole32 oleaut32)
target_link_options(uia_client PRIVATE -static)
add_test(NAME uia COMMAND sh ${here}/uia_test.sh $<TARGET_FILE:bitovka> $<TARGET_FILE:uia_client>)
set_tests_properties(uia PROPERTIES TIMEOUT 240)

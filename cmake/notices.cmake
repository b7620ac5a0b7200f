# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a distributor of a program built with a static Qt owes its users, in
# one text: the parts given as "file|title" (a part without a title follows
# the one before it unmarked), read at configure time.
#   bitovka_notices(OUTPUT <file> [CRLF] PARTS <file|title>...)
function(bitovka_notices)
    cmake_parse_arguments(arg "CRLF" "OUTPUT" "PARTS" ${ARGN})
    set(text "")
    foreach(part IN LISTS arg_PARTS)
        string(FIND "${part}" "|" bar)
        string(SUBSTRING "${part}" 0 ${bar} file)
        math(EXPR bar "${bar} + 1")
        string(SUBSTRING "${part}" ${bar} -1 title)
        if(NOT EXISTS ${file})
            message(FATAL_ERROR "The notices need ${file}")
        endif()
        file(READ ${file} body)
        if(title)
            string(APPEND text "\n\n======== ${title} ========\n\n")
        endif()
        string(APPEND text "${body}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    endforeach()
    string(REPLACE "\r\n" "\n" text "${text}")
    if(arg_CRLF)
        string(REPLACE "\n" "\r\n" text "${text}")
    endif()
    file(WRITE ${arg_OUTPUT} "${text}")
endfunction()

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the page's worker, sw.js, once the page's files are built: the
# files it keeps for offline use and a stamp of their contents, so that any
# build whose files differ is kept apart from the one before it, even under
# the same version. Run by web.cmake:
#   cmake -DPAGE=<folder> -DSOURCE=<sw.js.in> -DPROJECT_VERSION=<version>
#         -DFILES=<file,file,...> -P web-offline.cmake
string(REPLACE "," ";" files "${FILES}")
set(sums "")
set(page_files "")
foreach(file IN LISTS files)
    if(NOT EXISTS ${PAGE}/${file})
        message(FATAL_ERROR "The page has no ${file} to keep for offline use")
    endif()
    file(SHA256 ${PAGE}/${file} sum)
    string(APPEND sums "${sum} ${file}\n")
    list(APPEND page_files "'${file}'")
endforeach()
string(SHA256 page_stamp "${sums}")
string(SUBSTRING ${page_stamp} 0 12 page_stamp)
list(JOIN page_files ", " page_files)
configure_file(${SOURCE} ${PAGE}/sw.js @ONLY)

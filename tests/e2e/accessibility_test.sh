#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the AT-SPI test against the real program in a private session.
set -u
. "$(dirname "$0")/xsession.sh"
HERE=$(cd "$(dirname "$0")" && pwd)

x_start
# A screen reader would switch accessibility on; here the program is told directly.
start_bitovka "$1" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 "$HERE/accessibility_test.py" || exit 1
wmctrl -i -c "$MAIN"
wait_exit
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"

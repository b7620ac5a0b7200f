#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Qt Test program under Wine and prints its log: run so, Qt Test's
# own output does not reach Wine's standard output, so it goes to a file.
#   qtest.sh PROGRAM.exe [ARGUMENT...]
set -u
exe=$1; shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
wine "$exe" -o "$(winepath -w "$log"),txt" "$@"
code=$?
cat "$log"
exit "$code"

#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Each window suite's test functions, each in a process of its own and then
# all in reverse order: a test that leans on what another left behind fails
# here, so any single one can be run to chase a fault.
#   tests/alone_test.sh SUITE_PROGRAM...
set -u
failed=0
for suite in "$@"; do
    functions=$("$suite" -functions | sed 's/()$//')
    [ -n "$functions" ] || { echo "FAIL: $suite lists no test functions"; exit 1; }
    for f in $functions; do
        "$suite" "$f" >/dev/null 2>&1 || { echo "FAIL: $(basename "$suite") $f on its own"; failed=1; }
    done
    # shellcheck disable=SC2046
    "$suite" $(echo "$functions" | tac) >/dev/null 2>&1 ||
        { echo "FAIL: $(basename "$suite") in reverse order"; failed=1; }
done
[ "$failed" = 0 ] && echo "every test function passed on its own and in reverse order"
exit "$failed"

#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Orca, Debian's screen reader, beside the program: commands by keyboard, and
# what Orca said after each held against the result shown. Orca speaks only
# into its debug log, read once Orca has ended; an utterance belongs to the
# last command given before its time stamp.
set -u
. "$(dirname "$0")/xsession.sh"
. "$(dirname "$0")/orca.sh"
T=$(mktemp -d)
# Orca's settings and caches go to private folders.
export HOME="$T" XDG_CONFIG_HOME="$T/c" XDG_DATA_HOME="$T/d" XDG_CACHE_HOME="$T/k" XDG_RUNTIME_DIR="$T/r"
mkdir -m 700 "$XDG_RUNTIME_DIR"
x_start
trap 'kill $ORCA_PID 2>/dev/null; x_cleanup; rm -rf "$T"' EXIT
orca_start "$T"
start_bitovka "$1"
sleep 2  # Orca reads the window as it appears

orca_step generuj alt+g; orca_step disjunkce alt+d; orca_step tab Tab Tab Tab; orca_step vlevo space
orca_step komplement alt+o; wait_window Komplement >/dev/null || fail "Alt+O did not open the dialog"
orca_step modra space; orca_step proved Return; orca_step zavri Escape
# Only a clean end writes out the whole log, and Orca ends cleanly only
# while the program it reads is still there.
orca_stop
wmctrl -i -c "$MAIN"; wait_exit
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"

# The fixed generator's second draw is blue 2, red 4; the shift leaves the
# blue row at 2, and the complement is of what the row shows.
/usr/bin/python3 - "$T/marks" "$T/log" "$(dirname "$0")" <<'EOF' || fail "a result was not said once"
import re, sys
sys.dont_write_bytecode = True
sys.path.insert(0, sys.argv[3])
import orca_said
marks, said = orca_said.said(sys.argv[1], sys.argv[2])
want = {"generuj": "Modrá 2, červená 4", "disjunkce": "Žlutá 1, cifry 1, 1, 0",
        "vlevo": "Žlutá 4, cifry 1, 0, 0. Uložená modrá je teď 4, modrý řádek ukazuje 2",
        "proved": "Žlutá -3, cifry 0, -1, -1"}
bad = not any("Posun doleva" in u for u in said["tab"])
if bad:
    print("FAIL: << is not read as Posun doleva")
for n in marks:
    results = [u for u in said[n] if re.search(r"(Modrá|Žlutá) -?\d", u)]
    ok = [want[n] in u for u in results] == ([True] if n in want else [])
    print("ok  " if ok else "FAIL", n, "|", " | ".join(said[n]))
    bad += not ok
sys.exit(bad)
EOF
echo "PASS: every result said once, nothing said where nothing was computed"

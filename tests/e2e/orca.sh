# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=sh
# Orca, Debian's screen reader, for the tests that hear Bitovka: the
# desktop's (tests/e2e/orca_test.sh) and the page's in Chromium
# (tests/web/orca_test.sh). Sourced after xsession.sh, in a session that
# x_start has made, with HOME and the XDG folders private.
#
# orca_start DIR starts Orca speaking only into DIR/log and returns once it
# listens; ORCA_PID is its process. Orca's launcher refuses to start while
# any other Orca of this user runs (a learner's own screen reader, or this
# test in a second build): this one reads only the test's own session, so it
# starts without that guard, by the launcher's own interpreter. Speech is
# on, as a user has it (Orca 48 logs nothing it would have said with speech
# off), but there is no speech server: its launcher is refused, so nothing
# sounds and no server outlives the test.
#
# orca_step NAME KEY... gives a command by keyboard and marks its time in
# DIR/marks: what Orca says until the next mark belongs to it (read with
# orca_said.py). orca_stop ends Orca, which writes out the whole log only at
# a clean end.

ORCA_PID=; ORCA_DIR=

orca_start() {
    ORCA_DIR=$1
    cat >"$1/launch.py" <<'PY'
import runpy, sys
launcher = runpy.run_path(sys.argv.pop(1), run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
PY
    orca_launcher=$(command -v orca)
    SPEECHD_CMD=false "$(sed -n '1s/^#! *//p' "$orca_launcher")" "$1/launch.py" "$orca_launcher" \
        -e speech -u "$1/orca" --debug-file="$1/log" >"$1/orca.out" 2>&1 &
    ORCA_PID=$!
    # Orca listens once the accessibility registry lists its events.
    orca_bus=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress | cut -d"'" -f2)
    for _ in $(seq 100); do
        gdbus call --address "$orca_bus" --dest org.a11y.atspi.Registry --object-path /org/a11y/atspi/registry \
            --method org.a11y.atspi.Registry.GetRegisteredEvents | grep -q StateChanged:Showing && break
        sleep 0.1
    done
    kill -0 "$ORCA_PID" 2>/dev/null || fail "Orca did not start: $(cat "$1/orca.out")"
}

orca_step() {
    echo "$(date +%T.%N) $1" >>"$ORCA_DIR/marks"; shift
    xdotool key --delay 100 --clearmodifiers "$@"; sleep 1.5
}

orca_stop() {
    kill "$ORCA_PID"; wait "$ORCA_PID"; ORCA_PID=
    grep -q "ORCA: Shutdown complete" "$ORCA_DIR/log" || fail "Orca did not end cleanly"
}

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=sh disable=SC2034
# Sourced by the start-up benchmarks, from the top of the checkout: their
# session, and interleaved rounds of launches and their figures. The
# benchmark defines OUT, and for the rounds probe NAME (one launch,
# startprobe's line of figures), ROUNDS and GAP.

# The session is the end-to-end tests' (tests/e2e/xsession.sh), its programs'
# output kept in $OUT. The benchmark sets up its home (and bus) between the X
# server and the window manager, so that openbox reads nothing of the user's.
# shellcheck source=scripts/lib.sh
. scripts/lib.sh
# shellcheck source=tests/e2e/xsession.sh
. tests/e2e/xsession.sh
X_LOGS=$OUT
xserver() { x_server || die "$x_why"; }
# The window manager, and the pointer in a corner so that no tooltip opens
# over a window being timed.
windowmanager() {
    x_wm || die "$x_why"
    xdotool mousemove 1279 1023
}

# field NAME LINE: one figure of startprobe's line.
field() { echo "$2" | sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }

# rounds PROGRAM...: every program once unmeasured (caches, first-run
# configuration), then ROUNDS rounds into $OUT/raw.tsv, the order rotated
# every round so none always follows the same one.
rounds() {
    LOAD0=$(cut -d' ' -f1-3 /proc/loadavg)
    for p in "$@"; do probe "$p" >>"$OUT/warmup.txt"; sleep "$GAP"; done
    printf 'round\tprogram\tmapped_ms\tpainted_ms\trss_kb\n' >"$OUT/raw.tsv"
    for r in $(seq "$ROUNDS"); do
        for p in "$@"; do
            line=$(probe "$p")
            printf '%s\t%s\t%s\t%s\t%s\n' "$r" "$p" "$(field mapped_ms "$line")" \
                "$(field painted_ms "$line")" "$(field rss_kb "$line")" >>"$OUT/raw.tsv"
            sleep "$GAP"
        done
        first=$1; shift; set -- "$@" "$first"
    done
    LOAD1=$(cut -d' ' -f1-3 /proc/loadavg)
}

# numbers on stdin -> "median min max", or NA
stats() {
    grep -E '^[0-9.]+$' | sort -n | awk '{a[NR]=$1} END{if(!NR){print "NA NA NA";exit}
        m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%s %s %s\n", m, a[1], a[NR]}'
}
# col PROGRAM COLUMN: one column of the rounds, for one program.
col() { awk -F'\t' -v p="$1" -v c="$2" 'NR>1 && $2==p {print $c}' "$OUT/raw.tsv"; }

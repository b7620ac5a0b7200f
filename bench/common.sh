# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=sh disable=SC2034
# Sourced by the start-up benchmarks: their X server and window manager, and
# interleaved rounds of launches and their figures. The benchmark defines
# OUT, and for the rounds probe NAME (one launch, startprobe's line of
# figures), ROUNDS and GAP.

# A private X server; sets DISPLAY and XVFB_PID.
xserver() {
    mkfifo "$OUT/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$OUT/display" >"$OUT/xvfb.log" 2>&1 &
    XVFB_PID=$!
    read -r num <"$OUT/display"
    DISPLAY=":$num"; export DISPLAY
}

# openbox on it; sets WM_PID.
windowmanager() {
    openbox --sm-disable >"$OUT/openbox.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05
    done
    # openbox announces itself before it is ready, and a window mapped in
    # that gap can stay unmapped; give it a second. The pointer goes to a
    # corner so no tooltip opens over a window being timed.
    sleep 1
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

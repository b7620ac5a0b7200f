#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the Windows program under Wine, run by hand (never in CI), on
# Debian 13 after scripts/windows: launch -> first settled, painted main
# window of dist/bitovka.exe beside the plain Qt window of bench/floor,
# cross-built with the same cached Qt, in interleaved rounds. Wine's own
# start (its server, the prefix) is kept out: the server stays up and each
# program is started once unmeasured first.
#
#   bench/wine.sh [-n ROUNDS]
set -eu
cd "$(dirname "$0")/.."
ROUNDS=10; GAP=0.5
[ "${1:-}" != -n ] || ROUNDS=$2
[ -f dist/bitovka.exe ] || { echo "wine.sh: no dist/bitovka.exe; run scripts/windows first" >&2; exit 2; }

scripts/setup bench
qt=$(scripts/windows-qt | tail -n 1)
cmake -S bench/floor -B build/windows-floor -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF >/dev/null
cmake --build build/windows-floor >/dev/null
OUT=${TMPDIR:-/tmp}/bitovka-winebench-$(date +%Y%m%d-%H%M%S)
mkdir -p "$OUT"
x86_64-w64-mingw32-strip -o "$OUT/floor.exe" build/windows-floor/floor.exe
cp dist/bitovka.exe "$OUT/"
PROBE=$OUT/startprobe
cc -O2 -Wall -Wextra -o "$PROBE" bench/startprobe.c bench/window.c bench/grab.c bench/launch.c -lX11 -lXext

XVFB_PID=; WM_PID=
cleanup() {
    [ -z "${WINEPREFIX:-}" ] || wineserver -k >/dev/null 2>&1 || true
    for p in $WM_PID $XVFB_PID; do kill "$p" 2>/dev/null || true; done
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
fifo=$OUT/display; mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >"$OUT/xvfb.log" 2>&1 &
XVFB_PID=$!
read -r num <"$fifo"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export DISPLAY=":$num" HOME="$OUT/home" WINEPREFIX="$OUT/wine" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
openbox --sm-disable >"$OUT/openbox.log" 2>&1 &
WM_PID=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05
done
sleep 1
xdotool mousemove 1279 1023
wineboot -i >"$OUT/wineboot.log" 2>&1
wineserver -w
# The server stays up between launches, as it does on a desktop using Wine.
wineserver -p
# Longer to settle than a native window: Wine repaints a new window twice.
probe() {
    case $1 in
    bitovka) "$PROBE" -T 60 -t '^Bitovka$' -- wine "$OUT/bitovka.exe" ;;
    floor) "$PROBE" -T 60 -t '^Floor$' -- wine "$OUT/floor.exe" ;;
    esac 2>>"$OUT/programs.log" | tail -n 1
}
field() { echo "$2" | sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }

PROGS="floor bitovka"
LOAD0=$(cut -d' ' -f1-3 /proc/loadavg)
for p in $PROGS; do probe "$p" >>"$OUT/warmup.txt"; sleep "$GAP"; done
printf 'round\tprogram\tpainted_ms\trss_kb\n' >"$OUT/raw.tsv"
for r in $(seq "$ROUNDS"); do
    order=$PROGS
    [ $((r % 2)) = 0 ] && order="bitovka floor"
    for p in $order; do
        line=$(probe "$p")
        printf '%s\t%s\t%s\t%s\n' "$r" "$p" "$(field painted_ms "$line")" "$(field rss_kb "$line")" >>"$OUT/raw.tsv"
        sleep "$GAP"
    done
done
LOAD1=$(cut -d' ' -f1-3 /proc/loadavg)

stats() {
    grep -E '^[0-9.]+$' | sort -n | awk '{a[NR]=$1} END{if(!NR){print "NA NA NA";exit}
        m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%s %s %s\n", m, a[1], a[NR]}'
}
echo "# $(wine --version), $(nproc) cores; $(date -u +%Y-%m-%d)"
echo "## launch -> painted main window under Wine, $ROUNDS interleaved rounds: ms median (min/max), resident kB median"
col() { awk -F'\t' -v p="$1" -v c="$2" 'NR>1 && $2==p {print $c}' "$OUT/raw.tsv"; }
for p in $PROGS; do
    # shellcheck disable=SC2046
    set -- $(col "$p" 3 | stats) $(col "$p" 4 | stats)
    printf '%-8s %s (%s/%s)  %s kB  %s bytes\n' "$p" "$1" "$2" "$3" "$4" "$(stat -c %s "$OUT/$p.exe")"
done
echo "# loadavg before: $LOAD0, after: $LOAD1; raw results in $OUT"

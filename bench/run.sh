#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up and response benchmark of the release build, run by hand (never
# in CI). Prints one table:
#   - launch -> first settled, painted main window, and resident memory at
#     that moment, beside xcalc and galculator measured in the same run
#     (interleaved rounds, by the external first-paint probe);
#   - a click on "<<"/">>" -> yellow row repainted (clicklatency, here);
#   - cold start: the same launch with an empty font cache.
#
#   PROBE_DIR=/path/to/probe bench/run.sh [-n ROUNDS] [-c CLICKS]
#
# PROBE_DIR is the folder of the team's first-paint probe (firstpaint.c,
# build.sh, peers.sh).
set -eu
cd "$(dirname "$0")/.."
ROUNDS=10; CLICKS=200
while [ $# -gt 0 ]; do
    case $1 in
    -n) ROUNDS=$2; shift 2 ;;
    -c) CLICKS=$2; shift 2 ;;
    *) echo "run.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done
: "${PROBE_DIR:?set PROBE_DIR to the folder holding firstpaint.c, build.sh and peers.sh}"

scripts/setup bench
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBITOVKA_TESTS=OFF >/dev/null
cmake --build build/release >/dev/null
BIN=$(pwd)/build/release/app/bitovka
OUT=${TMPDIR:-/tmp}/bitovka-bench-$(date +%Y%m%d-%H%M%S)
mkdir -p "$OUT"
FP=$(FIRSTPAINT_DIR="$OUT/fp" sh "$PROBE_DIR/build.sh")
cc -O2 -o "$OUT/clicklatency" bench/clicklatency.c -lX11 -lXtst

# 1. Warm start beside the peers.
FIRSTPAINT_DIR="$OUT/fp" BITOVKA=$BIN bash "$PROBE_DIR/peers.sh" -n "$ROUNDS" \
    -p xcalc,galculator,bitovka -o "$OUT/peers" >"$OUT/peers.txt" 2>"$OUT/peers.log"

# 2 and 3 in a session of our own, set up as the peers' one is.
XVFB_PID=; WM_PID=; BUS_PID=; APP_PID=
cleanup() { for p in $APP_PID $WM_PID $BUS_PID $XVFB_PID; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
fifo=$OUT/display; mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
XVFB_PID=$!
read -r num <"$fifo"
export DISPLAY=":$num" HOME="$OUT/home" XDG_RUNTIME_DIR="$OUT/xdg" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
dbus-daemon --session --nofork --print-address=3 3>"$OUT/bus" >/dev/null 2>&1 &
BUS_PID=$!
for _ in $(seq 100); do [ -s "$OUT/bus" ] && break; sleep 0.05; done
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$OUT/bus"); export DBUS_SESSION_BUS_ADDRESS
openbox --sm-disable >/dev/null 2>&1 &
WM_PID=$!
sleep 1.5

"$BIN" 2>/dev/null &
APP_PID=$!
"$OUT/clicklatency" -n "$CLICKS" >"$OUT/clicks.txt" || true
kill "$APP_PID" 2>/dev/null; wait "$APP_PID" 2>/dev/null || true; APP_PID=

# Cold: every launch with a font cache of its own, empty at start.
: >"$OUT/cold.txt"
for i in $(seq "$ROUNDS"); do
    cache="$OUT/fc-$i"; mkdir -p "$cache"
    cat >"$cache/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <cachedir>$cache/cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
CONF
    FONTCONFIG_FILE="$cache/fonts.conf" "$FP" --title '^Bitovka$' -- "$BIN" 2>/dev/null | tail -n1 >>"$OUT/cold.txt"
    sleep 0.3
done

median() { sort -n | awk '{a[NR]=$1} END{if(!NR){print "NA";exit} if(NR%2) print a[(NR+1)/2]; else printf "%.1f\n",(a[NR/2]+a[NR/2+1])/2}'; }
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" "$2" | grep -E '^[0-9.]+$'; }

echo "# machine: $(nproc) cores, $(awk '/MemTotal/{printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1); $(date -u +%Y-%m-%d)"
echo "## launch -> painted main window (ms) and resident memory, $ROUNDS interleaved rounds"
cat "$OUT/peers.txt"
xcalc=$(awk '$1=="xcalc"{print $4}' "$OUT/peers.txt")
ours=$(awk '$1=="bitovka"{print $4}' "$OUT/peers.txt")
awk -v a="$ours" -v b="$xcalc" 'BEGIN{ if (a+0 > 0 && b+0 > 0) printf "bitovka / xcalc = %.2f\n", a/b }'
awk -F'\t' '$2=="bitovka" && $5 ~ /^[0-9]+$/ {print $5}' "$OUT/peers/raw.tsv" | sort -n |
    awk '{a[NR]=$1} END{if(NR) printf "bitovka rss_kb median %s min %s max %s\n", (NR%2?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2), a[1], a[NR]}'
echo "## click on <<, >> -> yellow row repainted"
cat "$OUT/clicks.txt"
echo "## cold start (empty font cache), $ROUNDS runs"
printf 'painted_ms median %s min %s max %s; rss_kb median %s\n' \
    "$(field painted_ms "$OUT/cold.txt" | median)" "$(field painted_ms "$OUT/cold.txt" | sort -n | head -n1)" \
    "$(field painted_ms "$OUT/cold.txt" | sort -n | tail -n1)" "$(field rss_kb "$OUT/cold.txt" | median)"
echo "# raw results in $OUT"

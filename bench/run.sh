#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up and response benchmark of the release build, run by hand (never
# in CI). Prints one table:
#   - launch -> first settled, painted main window, and resident memory at
#     that moment, beside xcalc and galculator measured in the same run
#     (interleaved rounds, by startprobe, here);
#   - a click on "<<"/">>" -> yellow row repainted (clicklatency, here);
#   - cold start: the same launch with an empty font cache.
#
#   bench/run.sh [-n ROUNDS] [-c CLICKS]
#
# Everything runs in a session of its own: Xvfb, openbox and a session bus,
# with a fresh HOME, so the desktop it is started from does not count.
set -eu
cd "$(dirname "$0")/.."
ROUNDS=10; CLICKS=200; GAP=0.5
while [ $# -gt 0 ]; do
    case $1 in
    -n) ROUNDS=$2; shift 2 ;;
    -c) CLICKS=$2; shift 2 ;;
    *) echo "run.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done

scripts/setup bench
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBITOVKA_TESTS=OFF >/dev/null
cmake --build build/release >/dev/null
BIN=$(pwd)/build/release/app/bitovka
OUT=${TMPDIR:-/tmp}/bitovka-bench-$(date +%Y%m%d-%H%M%S)
mkdir -p "$OUT"
# shellcheck source=bench/common.sh
. bench/common.sh
PROBE=$OUT/startprobe
cc -O2 -Wall -Wextra -o "$PROBE" bench/startprobe.c bench/window.c bench/grab.c bench/launch.c \
    -lX11 -lXext
cc -O2 -o "$OUT/clicklatency" bench/clicklatency.c -lX11 -lXtst

# The session. Services the bus starts on a program's behalf (dconf, the
# accessibility bus) inherit the bus's environment, and so its marker: that
# is how they are found and stopped at the end.
MARK=bitovka-bench-$$
marked() {
    for f in /proc/[0-9]*/environ; do
        grep -qz "^BITOVKA_BENCH_RUN=$MARK\$" "$f" 2>/dev/null && p=${f#/proc/} && echo "${p%/environ}"
    done
    return 0
}
cleanup() {
    for p in $APP_PID $WM_PID; do kill "$p" 2>/dev/null || true; done
    for p in $(marked); do [ "$p" = "$DBUS_PID" ] || kill "$p" 2>/dev/null || true; done
    x_cleanup
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
unset WAYLAND_DISPLAY SESSION_MANAGER XDG_CURRENT_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION \
    QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE GTK_THEME DBUS_SESSION_BUS_ADDRESS NO_AT_BRIDGE \
    GTK_A11Y QT_ACCESSIBILITY
xserver
export HOME="$OUT/home" XDG_RUNTIME_DIR="$OUT/xdg" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb GDK_BACKEND=x11
mkdir -p "$HOME/.config" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
x_bus BITOVKA_BENCH_RUN="$MARK" || die "$x_why"
windowmanager

# probe NAME [ENV=VALUE...]: one launch, one line of figures.
probe() {
    name=$1; shift
    case $name in
    xcalc) set -- "$@" "$PROBE" -c 2 -t '^Calculator$' -- xcalc ;;
    galculator) set -- "$@" "$PROBE" -t '^galculator$' -- galculator ;;
    bitovka) set -- "$@" "$PROBE" -t '^Bitovka$' -- "$BIN" ;;
    esac
    echo "## $name" >>"$OUT/programs.log"
    env "$@" 2>>"$OUT/programs.log" | tail -n1
}
# 1. Warm start beside the peers.
PROGS="xcalc galculator bitovka"
# shellcheck disable=SC2086
rounds $PROGS

# 2. Clicks on the running program.
"$BIN" 2>>"$OUT/programs.log" &
APP_PID=$!
"$OUT/clicklatency" -n "$CLICKS" >"$OUT/clicks.txt" || true
kill "$APP_PID" 2>/dev/null; wait "$APP_PID" 2>/dev/null || true; APP_PID=

# 3. Cold: every launch with a font cache of its own, empty at start.
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
    probe bitovka FONTCONFIG_FILE="$cache/fonts.conf" >>"$OUT/cold.txt"
    sleep "$GAP"
done

coldcol() { while read -r l; do field "$1" "$l"; done <"$OUT/cold.txt"; }

echo "# machine: $(nproc) cores, $(awk '/MemTotal/{printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1); $(date -u +%Y-%m-%d)"
echo "## launch -> painted main window (ms) and resident memory, $ROUNDS interleaved rounds"
printf '%-12s %3s %10s %11s %17s %8s %17s\n' program n mapped_ms painted_ms "painted min/max" rss_kb "rss_kb min/max"
for p in $PROGS; do
    n=$(col "$p" 4 | grep -cE '^[0-9.]+$' || true)
    # shellcheck disable=SC2046 # three words each: median, min, max
    set -- $(col "$p" 3 | stats) $(col "$p" 4 | stats) $(col "$p" 5 | stats)
    printf '%-12s %3s %10s %11s %17s %8s %17s\n' "$p" "$n" "$1" "$4" "$5/$6" "$7" "$8/$9"
    case $p in xcalc) px=$4 ;; galculator) pg=$4 ;; bitovka) pb=$4 ;; esac
done
awk -v a="$pb" -v b="$px" -v c="$pg" 'BEGIN{
    if (a+0 > 0 && b+0 > 0) printf "bitovka / xcalc = %.2f", a/b
    if (a+0 > 0 && c+0 > 0) printf ", bitovka / galculator = %.2f", a/c
    print "" }'
echo "# ms from launch; loadavg before: $LOAD0, after: $LOAD1"
echo "## click on <<, >> -> yellow row repainted"
cat "$OUT/clicks.txt"
echo "## cold start (empty font cache), $ROUNDS runs"
# shellcheck disable=SC2046
set -- $(coldcol painted_ms | stats) $(coldcol rss_kb | stats)
printf 'painted_ms median %s min %s max %s; rss_kb median %s\n' "$1" "$2" "$3" "$4"
echo "# raw results in $OUT"

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
qt=$(scripts/cross-qt windows | tail -n 1)
cmake -S bench/floor -B build/windows-floor -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF >/dev/null
cmake --build build/windows-floor >/dev/null
OUT=${TMPDIR:-/tmp}/bitovka-winebench-$(date +%Y%m%d-%H%M%S)
mkdir -p "$OUT"
x86_64-w64-mingw32-strip -o "$OUT/floor.exe" build/windows-floor/floor.exe
cp dist/bitovka.exe "$OUT/"
# shellcheck source=bench/common.sh
. bench/common.sh
PROBE=$OUT/startprobe
cc -O2 -Wall -Wextra -o "$PROBE" bench/startprobe.c bench/window.c bench/grab.c bench/launch.c -lX11 -lXext

cleanup() {
    [ -z "${WINEPREFIX:-}" ] || wineserver -k >/dev/null 2>&1 || true
    x_cleanup
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
xserver
unset QT_QPA_PLATFORM
export HOME="$OUT/home" WINEPREFIX="$OUT/wine" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
windowmanager
wineboot -i >"$OUT/wineboot.log" 2>&1
wineserver -w
# The server stays up between launches, as it does on a desktop using Wine.
wineserver -p
# A minute before giving up: Wine is slow to show a program's first window.
probe() {
    case $1 in
    bitovka) "$PROBE" -T 60 -t '^Bitovka$' -- wine "$OUT/bitovka.exe" ;;
    floor) "$PROBE" -T 60 -t '^Floor$' -- wine "$OUT/floor.exe" ;;
    esac 2>>"$OUT/programs.log" | tail -n 1
}
rounds floor bitovka

echo "# $(wine --version), $(nproc) cores; $(date -u +%Y-%m-%d)"
echo "## launch -> painted main window under Wine, $ROUNDS interleaved rounds: ms median (min/max), resident kB median"
for p in floor bitovka; do
    # shellcheck disable=SC2046
    set -- $(col "$p" 4 | stats) $(col "$p" 5 | stats)
    printf '%-8s %s (%s/%s)  %s kB  %s bytes\n' "$p" "$1" "$2" "$3" "$4" "$(stat -c %s "$OUT/$p.exe")"
done
echo "# loadavg before: $LOAD0, after: $LOAD1; raw results in $OUT"

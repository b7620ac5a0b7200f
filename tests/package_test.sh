#!/bin/sh
# Installs into a scratch root and builds the .deb, then checks what a
# desktop relies on: the entry and the metadata pass their validators, the
# icon and the manual page are where they are looked for, and the package
# names its library dependencies.
#   package_test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$root/inst" cmake --install "$build" --prefix /usr >/dev/null
share="$root/inst/usr/share"
id=cz.bitovka.Bitovka

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "metainfo"
[ -x "$root/inst/usr/bin/bitovka" ] || fail "no program in bin"
file -b "$share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32' || fail "32x32 icon"
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "scalable icon"
grep -q "^Icon=$id\$" "$share/applications/$id.desktop" || fail "entry names another icon"
zcat "$share/man/man1/bitovka.1.gz" | grep -q '^\.TH BITOVKA 1' || fail "manual page"
grep -q '^Name\[cs\]=' "$share/applications/$id.desktop" || fail "no Czech name"
grep -q '^Comment\[cs\]=' "$share/applications/$id.desktop" || fail "no Czech comment"

(cd "$build" && cpack -G DEB -B "$root/deb" >/dev/null) || fail "cpack"
deb=$(ls "$root"/deb/bitovka_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation; do
    echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
dpkg-deb -c "$deb" | grep -q './usr/bin/bitovka$' || fail "package has no program"
echo "PASS: installed tree validated; package depends on: $depends"

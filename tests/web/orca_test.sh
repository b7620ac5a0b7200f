#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Orca, Debian's screen reader, beside the page in a real Chromium window:
# commands by keyboard, and what Orca said after each held against what
# the desktop program says (tests/e2e/orca_test.sh); then, in Orca's browse
# mode, the window read line by line. Orca speaks only into its debug log;
# an utterance belongs to the last command given before its time stamp.
#   orca_test.sh PAGE_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/xsession.sh
. "$here/../e2e/xsession.sh"
# shellcheck source=tests/e2e/orca.sh
. "$here/../e2e/orca.sh"
page=$1
T=$(mktemp -d)
export HOME="$T" XDG_CONFIG_HOME="$T/c" XDG_DATA_HOME="$T/d" XDG_CACHE_HOME="$T/k" XDG_RUNTIME_DIR="$T/r"
mkdir -m 700 "$XDG_RUNTIME_DIR"
x_start
SERVER_PID=; BROWSER_PID=
trap 'kill $ORCA_PID $BROWSER_PID $SERVER_PID 2>/dev/null; x_cleanup; rm -rf "$T"' EXIT
orca_start "$T"

# The page from a loopback port of its own, in a window of a browser of
# its own (a private profile, its accessibility on from the start).
python3 - "$page" >"$T/port" 2>"$T/server.log" <<'PY' &
import functools, http.server, sys
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
handler.log_message = lambda *a: None
httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
print(httpd.server_address[1], flush=True)
httpd.serve_forever()
PY
SERVER_PID=$!
for _ in $(seq 50); do [ -s "$T/port" ] && break; sleep 0.1; done
[ -s "$T/port" ] || fail "the page's server did not start: $(cat "$T/server.log")"
chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$T/chromium" --no-first-run \
    --no-default-browser-check --password-store=basic --disable-gpu --lang=cs --window-position=0,0 \
    --window-size=1000,900 "http://127.0.0.1:$(cat "$T/port")/" >"$T/chromium.log" 2>&1 &
BROWSER_PID=$!
WAIT_TRIES=300 wait_window "Bitovka - Chromium" >/dev/null || fail "no browser window with the page"
sleep 8  # the program loads, and Orca reads the page as it does

orca_step generuj alt+g
orca_step tab1 Tab; orca_step tab2 Tab; orca_step tab3 Tab
orca_step disjunkce alt+d
orca_step komplement alt+o
orca_step modra space; orca_step proved Return; orca_step zavri Escape
# Orca is back in browse mode with the dialog closed: the page from its
# top, line by line.
orca_step top ctrl+Home
i=0
while [ $i -lt 45 ]; do
    echo "$(date +%T.%N) line$i" >>"$T/marks"
    xdotool key Down; sleep 0.4
    i=$((i + 1))
done
sleep 1
orca_stop
[ -z "${ORCA_SAID:-}" ] || cp "$T/log" "$ORCA_SAID"

# The fixed generator's second draw is blue 2, red 4, as on the desktop;
# the names are the ones forms/Unit1.ui gives, in its tab order.
/usr/bin/python3 - "$T/marks" "$T/log" "$here/../e2e" <<'PY' || fail "Orca did not say what the desktop program says"
import re, sys
sys.dont_write_bytecode = True
sys.path.insert(0, sys.argv[3])
import orca_said
marks, said = orca_said.said(sys.argv[1], sys.argv[2])
results = {"generuj": "Modrá 2, červená 4", "disjunkce": "Žlutá 1, cifry 1, 1, 0",
           "proved": "Žlutá -3, cifry 0, -1, -1"}
heard = {"tab1": ["Disjunkce button"], "tab2": ["Nerovnost button"], "tab3": ["Posun doleva button"],
         "komplement": ["Komplement dialog", "Modrá not selected radio button"], "zavri": ["Posun doleva button"]}
bad = 0
for n in marks:
    if n.startswith("line"):
        continue
    got = [u for u in said[n] if re.search(r"(Modrá|Žlutá) -?\d", u)]
    ok = [results[n] in u for u in got] == ([True] if n in results else [])
    ok = ok and all(any(h in u for u in said[n]) for h in heard.get(n, []))
    print("ok  " if ok else "FAIL", n, "|", " | ".join(said[n]))
    bad += not ok
# Browse mode: the twelve values, row by row, each with its row and digit.
values = [u.rstrip(".") for n in sorted((n for n in marks if n.startswith("line")), key=lambda n: int(n[4:]))
          for u in said[n] if re.match(r"(modrý operand|červený operand|žlutý výsledek), (desítkově|cifra d\d): -?\d+\.?$", u)]
want = ["modrý operand, desítkově: 2", "modrý operand, cifra d2: 0", "modrý operand, cifra d1: 1",
        "modrý operand, cifra d0: 0", "červený operand, desítkově: 4", "červený operand, cifra d2: 1",
        "červený operand, cifra d1: 0", "červený operand, cifra d0: 0", "žlutý výsledek, desítkově: -3",
        "žlutý výsledek, cifra d2: 0", "žlutý výsledek, cifra d1: -1", "žlutý výsledek, cifra d0: -1"]
print("ok  " if values == want else "FAIL", "browse mode |", " | ".join(values))
bad += values != want
sys.exit(bad)
PY
echo "PASS: every result said once after its command, each control named, the dialog's opening heard, the values read in browse mode"

#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Operates Bitovka the way a screen reader does, over the AT-SPI bus: finds
every control by its name, presses buttons through their accessible action,
reads the value labels back and counts the yellow row's change announcements."""
import sys
import time

import pyatspi
from gi.repository import GLib

EXPECTED_BUTTONS = ["Generuj", "Disjunkce", "Nerovnost", "Posun doleva", "Posun doprava", "Konjunkce",
                    "Komplement", "Větší", "Menší"]
ROWS = [("modrý operand", "blue"), ("červený operand", "red"), ("žlutý výsledek", "yellow")]
PLACES = ["desítkově", "cifra d2", "cifra d1", "cifra d0"]


def fail(msg):
    print("FAIL: " + msg, file=sys.stderr)
    sys.exit(1)


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()


def find_app(name, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    fail("no application named %r on the accessibility bus" % name)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def controls(app, role):
    return {n.name: n for n in walk(app) if n.getRole() == role}


def role(description):
    """A value label's role: its description up to the colon after which the
    label explains the value it shows."""
    return description.split(": ", 1)[0]


def value_labels(app):
    labels = {}
    for n in walk(app):
        if n.getRole() == pyatspi.ROLE_LABEL and n.description:
            labels[role(n.description)] = n.name
    return labels


def rows(app):
    labels = value_labels(app)
    out = {}
    for cz, key in ROWS:
        out[key] = [labels.get("%s, %s" % (cz, place)) for place in PLACES]
    return out


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index("Press") if "Press" in names else 0
    action.doAction(index)


def wait_rows(app, key, want, timeout=5):
    end = time.time() + timeout
    got = None
    while time.time() < end:
        got = rows(app)[key]
        if got == want:
            return
        pump(0.1)
    fail("%s row reads %s, expected %s" % (key, got, want))


def main():
    app = find_app("Bitovka")
    buttons = controls(app, pyatspi.ROLE_PUSH_BUTTON)
    missing = [b for b in EXPECTED_BUTTONS if b not in buttons]
    if missing:
        fail("buttons not found by name: %s (found %s)" % (missing, sorted(buttons)))
    print("found buttons:", ", ".join(EXPECTED_BUTTONS))

    shown = rows(app)
    print("read at start:", shown)
    # The fixed generator's first draw: blue 4, red 1; yellow as laid out.
    if shown != {"blue": ["4", "1", "0", "0"], "red": ["1", "0", "0", "1"], "yellow": ["0", "0", "0", "0"]}:
        fail("labels at start read %s" % shown)

    announced = []
    pyatspi.Registry.registerEventListener(
        # The value labels' own changes; the spoken notification is Orca's test.
        lambda e: e.source.getRole() == pyatspi.ROLE_LABEL and announced.append(e.source.description),
        "object:property-change:accessible-name")
    pump(0.3)

    press(buttons["Generuj"])
    wait_rows(app, "blue", ["2", "0", "1", "0"])
    wait_rows(app, "red", ["4", "1", "0", "0"])
    print("after Generuj:", rows(app))

    press(buttons["Disjunkce"])
    # 2 or 4 is true; the digits are those of 2 | 4 = 6.
    wait_rows(app, "yellow", ["1", "1", "1", "0"])
    pump(0.5)
    print("after Disjunkce:", rows(app))
    # Each value that changed is told once; the unchanged d0 not at all.
    told = {}
    for d in announced:
        if d and d.startswith("žlutý"):
            told[role(d)] = told.get(role(d), 0) + 1
    print("changes announced:", told)
    want = {"žlutý výsledek, %s" % p: 1 for p in PLACES[:3]}
    if told != want:
        fail("yellow changes announced %s, expected %s" % (told, want))
    del announced[:]
    press(buttons["Disjunkce"])
    pump(0.5)
    if announced:
        fail("the same result again announced changes: %s" % announced)

    press(buttons["Komplement"])
    end = time.time() + 5
    dialog = {}
    while time.time() < end and not {"Proveď", "Zavři"} <= set(dialog):
        pump(0.2)
        dialog = controls(app, pyatspi.ROLE_PUSH_BUTTON)
    radios = controls(app, pyatspi.ROLE_RADIO_BUTTON)
    if not {"Proveď", "Zavři"} <= set(dialog) or not {"Modrá", "Červená"} <= set(radios):
        fail("dialog controls not found: buttons %s, radio buttons %s" % (sorted(dialog), sorted(radios)))
    press(radios["Modrá"])
    pump(0.2)
    press(dialog["Proveď"])
    # Complement of the blue row's 2.
    wait_rows(app, "yellow", ["-3", "0", "-1", "-1"])
    print("after Modrá + Proveď:", rows(app))
    print("PASS: every control found by name, actions pressed, values read back")


if __name__ == "__main__":
    main()

# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What Orca said after each command of an Orca test (tests/e2e/orca.sh):
each utterance of Orca's debug log belongs to the last command marked before
its time stamp."""

import re


def seconds(stamp):
    return sum(float(x) * 60 ** i for i, x in enumerate(reversed(stamp.split(':'))))


def said(marks_file, log_file):
    """The commands in their order, and what was said after each."""
    with open(marks_file) as f:
        marks = [(seconds(t), n) for t, n in (line.split() for line in f)]
    heard = {n: [] for _, n in marks}
    with open(log_file, errors='replace') as f:
        log = f.read()
    for m in re.finditer(r"^(\S+) - SPEECH OUTPUT: '(.*?)' ?\{", log, re.M):
        before = [n for t, n in marks if t <= seconds(m[1])]
        if before:
            heard[before[-1]].append(m[2])
    return [n for _, n in marks], heard

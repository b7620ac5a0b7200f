# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=sh
# Sourced by the scripts and the benchmarks for what they share: how they
# stop with a message, and how APT's lists are fetched. `me` names the
# script in its messages: the script's own name unless it is set before.

me=${me:-${0##*/}}

# die MESSAGE: stops, saying why.
die() { echo "$me: $*" >&2; exit 1; }

# As root directly, otherwise through sudo.
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo

# apt_update: APT's lists fetched again, quietly; fails when any of APT's
# sources could not be reached (plain apt-get update only warns, and what
# follows fails later for a reason it does not say).
apt_update() { $sudo apt-get -qq -o Dpkg::Use-Pty=0 --error-on=any update >/dev/null 2>&1; }

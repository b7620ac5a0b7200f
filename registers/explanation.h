// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/operace.h"
#include "registers/store.h"

#include <array>
#include <optional>
#include <string>

namespace registers {

// What one value label says about itself, in UTF-8: its accessible
// description, which always starts with the label's role ("žlutý výsledek,
// desítkově"), and its tooltip, empty where there is nothing to explain
// beyond the role.
struct Popis {
    std::string popis;
    std::string tip;
};

// The yellow row's explanation: why the value and each digit are what they
// are, with the numbers the command used.
struct ZlutyPopis {
    Popis cislo;
    std::array<Popis, 3> cifry;  // d2, d1, d0
};

// The yellow row explained just after `posledni` has run on `s`; for
// Operace::Zadna, the row before anything was computed. Generuj computes no
// result and leaves the yellow row as it was, so it has nothing new to say:
// no value. The earlier explanation stays true: it names its operands and
// tells of the rows as they were when it ran. A complement is explained as
// of the operand the row showed, which holds only when the caller has set the
// operands again from the rows before the complement, as Komplement does.
std::optional<ZlutyPopis> vysvetliZlutou(const Store &s, Operace posledni);

// The blue value: after a shift the stored blue operand is no longer the one
// the row shows, and the explanation says so; otherwise the plain role.
Popis vysvetliModrou(const Store &s);

} // namespace registers

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/store.h"

#include <array>
#include <cstdint>
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

// The words that tell one combination from another.
struct Spojka {
    const char *jmeno;  // "Disjunkce (NEBO)"
    const char *znak;   // "OR"
    const char *ano;    // why the value is 1
    const char *ne;     // why it is 0
};

// And one comparison from the other: "Větší", "větší", "menší".
struct Srovnani {
    const char *jmeno;
    const char *slovo;
    const char *opak;
};

// Each explains the yellow row of `s` just after its command has run, with
// the numbers that command worked with: an explanation stays on the yellow
// value after later draws, so it tells of the rows as they were then.

// Before anything is computed.
ZlutyPopis nicNespocteno();
// `bitovy` is the bitwise combination the digits are split from.
ZlutyPopis vysvetliSpojeni(const Store &s, const Spojka &k, std::int16_t bitovy);
ZlutyPopis vysvetliSrovnani(const Store &s, const Srovnani &k);
// `pred` is the stored blue operand before the shift.
ZlutyPopis vysvetliPosunVlevo(const Store &s, std::int16_t pred);
ZlutyPopis vysvetliPosunVpravo(const Store &s, std::int16_t pred);
// Of `operand` as its row showed it; `koho` and `radek` name its colour
// ("modrého", "modrý").
ZlutyPopis vysvetliKomplement(const Store &s, std::int16_t operand, const char *koho, const char *radek);

// The blue value: after a shift the stored blue operand is no longer the one
// the row shows, and the explanation says so; otherwise the plain role.
Popis vysvetliModrou(const Store &s);

} // namespace registers

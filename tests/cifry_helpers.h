// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/digits.h"
#include "registers/operations.h"

#include <cstdint>
#include <ostream>

namespace registers {

// Readable digit triples in test failures.
inline void PrintTo(const Cifry &c, std::ostream *os)
{
    *os << '(' << c.d2 << ", " << c.d1 << ", " << c.d0 << ')';
}

} // namespace registers

inline registers::Cifry cifry(int d2, int d1, int d0)
{
    return registers::Cifry{static_cast<std::int16_t>(d2), static_cast<std::int16_t>(d1),
                            static_cast<std::int16_t>(d0)};
}

// Komplement as the window runs it, on rows that show the stored operands.
inline registers::Vysledek komplementModre(registers::Store &s)
{
    return registers::komplement(s, s.modra_cislo, s.cervena_cislo, registers::Volba::Modra);
}

inline registers::Vysledek komplementCervene(registers::Store &s)
{
    return registers::komplement(s, s.modra_cislo, s.cervena_cislo, registers::Volba::Cervena);
}

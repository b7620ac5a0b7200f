// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/digits.h"

#include <cstdint>

namespace registers {

// The blue and red operands and the yellow result, each with the digits the
// window shows for it. The digit triples are stored, not derived: a shift
// changes the blue value but not the blue digits.
struct Store {
    std::int16_t modra_cislo = 0;
    std::int16_t cervena_cislo = 0;
    std::int16_t zluta_cislo = 0;
    Cifry modra_cifry;
    Cifry cervena_cifry;
    Cifry zluta_cifry;
};

// The value the blue row shows: the last drawn operand, put back together from
// its stored digits (a shift changes the operand, not these digits).
int modryRadek(const Store &s);

// The one store of the running program, zero at start and never reset.
Store &store();

} // namespace registers

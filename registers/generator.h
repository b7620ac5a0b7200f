// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/store.h"

#include <cstdint>

namespace registers {

// A pseudo-random generator with 15-bit results (0..32767), the portable one
// of the C standard's library example. The platform rand() returns 31 bits,
// which the operand formula cannot use; this one always starts from state 1,
// so every run draws the same operands.
class Generator
{
public:
    static constexpr unsigned maxDraw = 32767;

    unsigned next();
    std::uint32_t state() const { return m_state; }

private:
    std::uint32_t m_state = 1;
};

// The generator of the running program, never seeded.
Generator &generator();

// Operand from one draw: (r * 8) / 32767 truncated, so 0..8 where 8 comes
// only from the largest draw.
std::int16_t operandZLosu(unsigned r);

// Draws new blue and red operands and their digits; the yellow result is left
// as it is.
void losuj(Store &s, Generator &g);

} // namespace registers

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace registers {

// Three digits shown beside a value, most significant first. For 0..7 they
// are the binary form; above that d2 takes everything past the lowest two
// bits, and for negative values every digit is zero or negative.
struct Cifry {
    std::int16_t d2 = 0;
    std::int16_t d1 = 0;
    std::int16_t d0 = 0;

    friend bool operator==(const Cifry &a, const Cifry &b)
    {
        return a.d2 == b.d2 && a.d1 == b.d1 && a.d0 == b.d0;
    }
    friend bool operator!=(const Cifry &a, const Cifry &b) { return !(a == b); }
};

// The three-digit split: quotients and remainders truncate toward zero.
Cifry rozloz(std::int16_t hodnota);

// Keeps the low 16 bits of v as a two's-complement value, without relying on
// implementation-defined narrowing.
std::int16_t wrap16(long long v);

} // namespace registers

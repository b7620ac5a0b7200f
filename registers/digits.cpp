// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/digits.h"

namespace registers {

std::int16_t wrap16(long long v)
{
    const auto low = static_cast<std::int32_t>(static_cast<unsigned long long>(v) & 0xFFFFU);
    return static_cast<std::int16_t>(low >= 0x8000 ? low - 0x10000 : low);
}

Cifry rozloz(std::int16_t hodnota)
{
    const int w = hodnota;
    Cifry c;
    c.d2 = static_cast<std::int16_t>(w / 4);
    c.d1 = static_cast<std::int16_t>((w % 4) / 2);
    c.d0 = static_cast<std::int16_t>(w % 2);
    return c;
}

} // namespace registers

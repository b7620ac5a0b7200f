// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/generator.h"

namespace registers {

unsigned Generator::next()
{
    m_state = m_state * 1103515245U + 12345U;
    return (m_state / 65536U) % 32768U;
}

Generator &generator()
{
    static Generator theGenerator;
    return theGenerator;
}

std::int16_t operandZLosu(unsigned r)
{
    return static_cast<std::int16_t>((r * 8U) / Generator::maxDraw);
}

void losuj(Store &s, Generator &g)
{
    s.modra_cislo = operandZLosu(g.next());
    s.cervena_cislo = operandZLosu(g.next());
    s.modra_cifry = rozloz(s.modra_cislo);
    s.cervena_cifry = rozloz(s.cervena_cislo);
}

} // namespace registers

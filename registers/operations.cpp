// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/operations.h"

namespace registers {

namespace {

std::int16_t pravda(bool b)
{
    return b ? std::int16_t{1} : std::int16_t{0};
}

void ukazDoZlute(Store &s, std::int16_t hodnota)
{
    s.zluta_cislo = hodnota;
    s.zluta_cifry = rozloz(hodnota);
}

void porovnani(Store &s, bool vysledek)
{
    s.zluta_cislo = pravda(vysledek);
    s.zluta_cifry = Cifry{};
}

} // namespace

void disjunkce(Store &s)
{
    s.zluta_cislo = pravda(s.modra_cislo != 0 || s.cervena_cislo != 0);
    const auto bity = wrap16(s.modra_cislo | s.cervena_cislo);
    s.zluta_cifry = rozloz(bity);
}

void nerovnost(Store &s)
{
    s.zluta_cislo = pravda(s.modra_cislo != s.cervena_cislo);
    const auto bity = wrap16(s.modra_cislo ^ s.cervena_cislo);
    s.zluta_cifry = rozloz(bity);
}

void konjunkce(Store &s)
{
    s.zluta_cislo = pravda(s.modra_cislo != 0 && s.cervena_cislo != 0);
    const auto bity = wrap16(s.modra_cislo & s.cervena_cislo);
    s.zluta_cifry = rozloz(bity);
}

void vetsi(Store &s)
{
    porovnani(s, s.modra_cislo > s.cervena_cislo);
}

void mensi(Store &s)
{
    porovnani(s, s.modra_cislo < s.cervena_cislo);
}

void vlevo(Store &s)
{
    s.modra_pred_posunem = s.modra_cislo;
    s.modra_cislo = wrap16(static_cast<long long>(s.modra_cislo) * 2);
    ukazDoZlute(s, s.modra_cislo);
}

void vpravo(Store &s)
{
    // Written without >> on a negative number, whose meaning C++17 leaves to
    // the compiler: for negative b, ~b is non-negative and ~(~b >> 1) copies
    // the sign bit.
    const int b = s.modra_cislo;
    s.modra_pred_posunem = s.modra_cislo;
    s.modra_cislo = static_cast<std::int16_t>(b < 0 ? ~(~b >> 1) : b >> 1);
    ukazDoZlute(s, s.modra_cislo);
}

void komplementModre(Store &s)
{
    ukazDoZlute(s, wrap16(~static_cast<int>(s.modra_cislo)));
}

void komplementCervene(Store &s)
{
    ukazDoZlute(s, wrap16(~static_cast<int>(s.cervena_cislo)));
}

} // namespace registers

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/operations.h"

#include "registers/announcement.h"

#include <utility>

namespace registers {

namespace {

std::int16_t pravda(bool b)
{
    return b ? std::int16_t{1} : std::int16_t{0};
}

// The yellow row written: its explanation, the blue one, what is said.
Vysledek zluty(const Store &s, ZlutyPopis popis, std::string oznameni)
{
    return {false, std::move(popis), vysvetliModrou(s), std::move(oznameni)};
}

// The value is the truth `jeto`; the digits are split from the bitwise
// combination `bitovy`, computed after the value.
Vysledek spoj(Store &s, const Spojka &k, bool jeto, long long bitovy)
{
    s.zluta_cislo = pravda(jeto);
    const auto bity = wrap16(bitovy);
    s.zluta_cifry = rozloz(bity);
    return zluty(s, vysvetliSpojeni(s, k, bity), oznameniZlute(s));
}

Vysledek srovnej(Store &s, const Srovnani &k, bool jeto)
{
    s.zluta_cislo = pravda(jeto);
    s.zluta_cifry = Cifry{};
    return zluty(s, vysvetliSrovnani(s, k), oznameniZlute(s));
}

void ukazDoZlute(Store &s, std::int16_t hodnota)
{
    s.zluta_cislo = hodnota;
    s.zluta_cifry = rozloz(hodnota);
}

} // namespace

Vysledek generuj(Store &s, Generator &g)
{
    losuj(s, g);
    return {true, std::nullopt, vysvetliModrou(s), oznameniOperandu(s)};
}

Vysledek disjunkce(Store &s)
{
    return spoj(s, {"Disjunkce (NEBO)", "OR", "aspoň jeden operand je nenulový", "oba operandy jsou nulové"},
                s.modra_cislo != 0 || s.cervena_cislo != 0, s.modra_cislo | s.cervena_cislo);
}

Vysledek nerovnost(Store &s)
{
    return spoj(s, {"Nerovnost", "XOR", "operandy se liší", "operandy se rovnají"}, s.modra_cislo != s.cervena_cislo,
                s.modra_cislo ^ s.cervena_cislo);
}

Vysledek konjunkce(Store &s)
{
    return spoj(s, {"Konjunkce (A)", "AND", "oba operandy jsou nenulové", "aspoň jeden operand je nulový"},
                s.modra_cislo != 0 && s.cervena_cislo != 0, s.modra_cislo & s.cervena_cislo);
}

Vysledek vetsi(Store &s)
{
    return srovnej(s, {"Větší", "větší", "menší"}, s.modra_cislo > s.cervena_cislo);
}

Vysledek mensi(Store &s)
{
    return srovnej(s, {"Menší", "menší", "větší"}, s.modra_cislo < s.cervena_cislo);
}

Vysledek vlevo(Store &s)
{
    const std::int16_t pred = s.modra_cislo;
    s.modra_cislo = wrap16(static_cast<long long>(pred) * 2);
    ukazDoZlute(s, s.modra_cislo);
    return zluty(s, vysvetliPosunVlevo(s, pred), oznameniPosunu(s));
}

Vysledek vpravo(Store &s)
{
    // Written without >> on a negative number, whose meaning C++17 leaves to
    // the compiler: for negative b, ~b is non-negative and ~(~b >> 1) copies
    // the sign bit.
    const std::int16_t pred = s.modra_cislo;
    const int b = pred;
    s.modra_cislo = static_cast<std::int16_t>(b < 0 ? ~(~b >> 1) : b >> 1);
    ukazDoZlute(s, s.modra_cislo);
    return zluty(s, vysvetliPosunVpravo(s, pred), oznameniPosunu(s));
}

Vysledek komplement(Store &s, int modryRadek, int cervenyRadek, Volba volba)
{
    s.modra_cislo = wrap16(modryRadek);
    s.cervena_cislo = wrap16(cervenyRadek);
    if (volba == Volba::Zadna)
        return {false, std::nullopt, vysvetliModrou(s), std::string()};
    const bool modre = volba == Volba::Modra;
    const std::int16_t operand = modre ? s.modra_cislo : s.cervena_cislo;
    ukazDoZlute(s, wrap16(~static_cast<int>(operand)));
    return zluty(s, vysvetliKomplement(s, operand, modre ? "modrého" : "červeného", modre ? "modrý" : "červený"),
                 oznameniZlute(s));
}

} // namespace registers

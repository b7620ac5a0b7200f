// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/cifry_helpers.h"
#include "registers/operations.h"
#include "registers/store.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace {

using registers::Store;
using registers::Vysledek;
using registers::ZlutyPopis;
using Op = Vysledek (*)(Store &);

// Operands as a draw leaves them, then the operations run on them in order;
// the yellow row as the last one explained it, or as it is before anything.
struct Po {
    Store s;
    ZlutyPopis zluta = registers::nicNespocteno();
};

Po po(int b, int r, const std::vector<Op> &kroky)
{
    Po out;
    Store &s = out.s;
    s.modra_cislo = registers::wrap16(b);
    s.cervena_cislo = registers::wrap16(r);
    s.modra_cifry = registers::rozloz(s.modra_cislo);
    s.cervena_cifry = registers::rozloz(s.cervena_cislo);
    for (const Op krok : kroky) {
        const Vysledek v = krok(s);
        if (v.zluta)
            out.zluta = *v.zluta;
    }
    return out;
}

// Shifts left, then right, then one more command.
std::vector<Op> posuny(int vlevo, int vpravo, Op potom = nullptr)
{
    std::vector<Op> out(static_cast<std::size_t>(vlevo), registers::vlevo);
    out.insert(out.end(), static_cast<std::size_t>(vpravo), registers::vpravo);
    if (potom)
        out.push_back(potom);
    return out;
}

// What the yellow explanation states in the surprising cases: the operands
// it names and the reason it gives, as pieces of the value's text, and each
// digit's description whole. Pieces that run on into the next sentence hold
// that no remark was put between them.
TEST(Explanation, WhatEachSurprisingCaseStates)
{
    struct Case {
        int b, r;
        std::vector<Op> kroky;
        std::vector<std::string> cislo;
        std::array<std::string, 3> cifry;  // d2, d1, d0, each after its role; empty: not held here
    };
    const std::string nepocita = "0. Porovnání cifry nepočítá, jsou vždy 0, 0, 0.";
    const std::string nic = "zatím nic nespočteno.";
    const std::array<std::string, 3> nuly = {"0, bit s váhou 4 bitového výsledku 0 (dvojkově 000).",
                                             "0, bit s váhou 2 bitového výsledku 0 (dvojkově 000).",
                                             "0, bit s váhou 1 bitového výsledku 0 (dvojkově 000)."};
    const char *const zaporne = " Zbytek má znaménko čísla, proto jsou cifry nulové nebo záporné.";
    const Case cases[] = {
        // Komplement writes nothing while neither operand is chosen.
        {0, 0, {}, {"desítkově: zatím nic nespočteno. Výsledek sem zapíše kterákoli operace",
          "nebo Komplement, je-li v jeho okně zvolena Modrá nebo Červená."}, {nic, nic, nic}},
        // A d2 of a small result is a bit like the others.
        {5, 2, {registers::disjunkce},
         {"Disjunkce (NEBO) modrého 5 a červeného 2: aspoň jeden operand je nenulový, proto 1 (pravda). "
          "Žluté číslo je pravdivostní hodnota, cifry jsou bitový výsledek: 101 OR 010 = 111, tedy cifry 1, 1, 1."},
         {"1, bit s váhou 4 bitového výsledku 7 (dvojkově 111).", "1, bit s váhou 2 bitového výsledku 7 (dvojkově 111).",
          "1, bit s váhou 1 bitového výsledku 7 (dvojkově 111)."}},
        {0, 0, {registers::disjunkce}, {"oba operandy jsou nulové, proto 0 (nepravda)"}, nuly},
        {3, 3, {registers::nerovnost}, {"operandy se rovnají, proto 0 (nepravda)", "011 XOR 011 = 000"},
         nuly},
        // 8, the one drawn operand that needs a fourth bit.
        {5, 8, {registers::nerovnost},
         {"operandy se liší, proto 1", "0000 0000 0000 0101 XOR 0000 0000 0000 1000 = 0000 0000 0000 1101, tedy 13. "
          "Cifry 3, 0, 1 jsou rozklad čísla 13"}, {}},
        {5, 0, {registers::konjunkce}, {"aspoň jeden operand je nulový, proto 0 (nepravda)"}, nuly},
        // True, though no bit is common; a negative operand needs all 16 bits.
        {5, 2, posuny(13, 0, registers::konjunkce),
         {"modrého -24576 (uloženého po posunu; modrý řádek přitom ukazoval 5) a červeného 2: oba operandy jsou "
          "nenulové, proto 1", "1010 0000 0000 0000 AND 0000 0000 0000 0010 = 0000 0000 0000 0000, tedy 0."}, nuly},
        {5, 2, posuny(1, 0, registers::disjunkce),
         {"modrého 10 (uloženého po posunu; modrý řádek přitom ukazoval 5) a červeného 2",
          "= 0000 0000 0000 1010, tedy 10. Cifry 2, 1, 0 jsou rozklad čísla 10 celočíselným dělením: d2 = 10 : 4 = 2, "
          "d1 = (10 mod 4) : 2 = 1, d0 = 10 mod 2 = 0. Číslo je aspoň 8, proto je d2 větší než 1"},
         {"2, neúplný podíl 10 : 4 (zbytek 2). Protože 10 je aspoň 8, je d2 větší než 1: nese všechny bity nad dvěma "
          "nejnižšími.", "1, bit s váhou 2 bitového výsledku 10.", "0, bit s váhou 1 bitového výsledku 10."}},
        {3, 3, {registers::vetsi}, {"je modrý 3 větší než červený 3? Ne, jsou si rovny, proto 0"},
         {nepocita, nepocita, nepocita}},
        {5, 2, {registers::mensi}, {"Ne, je větší, proto 0 (nepravda). Porovnání"},
         {nepocita, nepocita, nepocita}},
        {0, 8, {registers::mensi}, {"je modrý 0 menší než červený 8? Ano, proto 1 (pravda). Porovnání"},
         {nepocita, nepocita, nepocita}},
        {5, 2, posuny(13, 0, registers::vetsi),
         {"je modrý -24576 (uložený po posunu; modrý řádek přitom ukazoval 5) větší než červený 2? Ne, je menší, "
          "proto 0 (nepravda). Porovnává se se znaménkem."}, {nepocita, nepocita, nepocita}},
        {5, 2, posuny(2, 0),
         {"Posun vlevo (<<) uloženého modrého operandu 10 o jeden bit: 0000 0000 0000 1010 << 1 = 0000 0000 0001 0100, "
          "tedy 2 × 10 = 20. Uloženým modrým operandem se tím stalo 20; modrý řádek přitom dál ukazoval vylosovaný "
          "operand 5. Cifry 5, 0, 0 jsou rozklad čísla 20 celočíselným dělením"},
         {"5, podíl 20 : 4. Protože 20 je aspoň 8, je d2 větší než 1: nese všechny bity nad dvěma nejnižšími.",
          "0, bit s váhou 2 čísla 20.", "0, bit s váhou 1 čísla 20."}},
        {5, 2, posuny(14, 0),
         {"operandu -24576 o jeden bit: 1010 0000 0000 0000 << 1 = 0100 0000 0000 0000. Dvojnásobek -49152 se do 16 "
          "bitů se znaménkem nevejde; těchto 16 bitů znamená 16384."}, {}},
        {3, 2, posuny(15, 0),
         {"tedy 2 × (-16384) = -32768.", std::string("d2 = -32768 : 4 = -8192, d1 = (-32768 mod 4) : 2 = 0, d0 = "
          "-32768 mod 2 = 0.") + zaporne},
         {"-8192, podíl -32768 : 4 = -8192; záporné číslo má cifry nulové nebo záporné.",
          "0, polovina zbytku: -32768 mod 4 = 0 a 0 : 2 = 0.", "0, zbytek -32768 mod 2 = 0."}},
        // The shift rounds down, the digits toward zero.
        {5, 2, posuny(13, 14),
         {"1111 1111 1111 1101 >> 1 = 1111 1111 1111 1110, tedy -3 : 2 = -1,5, zaokrouhleno dolů na -2. Posun "
          "zaokrouhluje vždy dolů, k menšímu číslu, u záporného čísla tedy od nuly; podíly v rozkladu na cifry se "
          "naopak zaokrouhlují k nule.", "Cifry 0, -1, 0 jsou rozklad záporného čísla -2 dělením, při němž se "
          "podíly zaokrouhlují k nule: d2 = -2 : 4 = 0, d1 = (-2 mod 4) : 2 = -1, d0 = -2 mod 2 = 0."},
         {"0, podíl -2 : 4 = -0,5, zaokrouhleno k nule na 0.",
          "-1, polovina zbytku: -2 mod 4 = -2 a -2 : 2 = -1; zbytek má znaménko čísla, proto je cifra záporná.",
          "0, zbytek -2 mod 2 = 0."}},
        {7, 2, posuny(0, 1), {"tedy 7 : 2 = 3,5, zaokrouhleno dolů na 3. Uloženým"}, {}},
        // Exact halves, negative too, are not rounded; back at the row's number, no word on the row.
        {3, 2, posuny(15, 1), {"tedy -32768 : 2 = -16384. Uloženým"}, {}},
        {5, 2, posuny(1, 1), {"tedy 10 : 2 = 5. Cifry 1, 0, 1 jsou dvojkový zápis čísla 5."}, {}},
        {5, 2, {komplementModre},
         {"Komplement modrého operandu 5 tak, jak ho ukazoval modrý řádek",
          "NOT 0000 0000 0000 0101 = 1111 1111 1111 1010, a to je -5 - 1 = -6. Cifry -1, -1, 0 jsou rozklad "
          "záporného čísla -6 dělením, při němž se podíly zaokrouhlují k nule: d2 = -6 : 4 = -1, d1 = (-6 mod 4) : 2 "
          "= -1, d0 = -6 mod 2 = 0."},
         {"-1, podíl -6 : 4 = -1,5, zaokrouhleno k nule na -1; záporné číslo má cifry nulové nebo záporné.",
          "-1, polovina zbytku: -6 mod 4 = -2 a -2 : 2 = -1; zbytek má znaménko čísla, proto je cifra záporná.",
          "0, zbytek -6 mod 2 = 0."}},
        {0, 2, {komplementModre}, {"a to je 0 - 1 = -1."},
         {"0, podíl -1 : 4 = -0,25, zaokrouhleno k nule na 0.",
          "0, polovina zbytku: -1 mod 4 = -1 a -1 : 2 = -0,5, zaokrouhleno k nule na 0.",
          "-1, zbytek -1 mod 2 = -1; zbytek má znaménko čísla, proto je cifra záporná."}},
        {5, 8, {komplementCervene},
         {"Komplement červeného operandu 8 tak, jak ho ukazoval červený řádek", "-8 - 1 = -9"},
         {"-2, podíl -9 : 4 = -2,25, zaokrouhleno k nule na -2; záporné číslo má cifry nulové nebo záporné.",
          "0, polovina zbytku: -9 mod 4 = -1 a -1 : 2 = -0,5, zaokrouhleno k nule na 0.",
          "-1, zbytek -9 mod 2 = -1; zbytek má znaménko čísla, proto je cifra záporná."}},
    };
    const std::array<std::string, 3> role = {"cifra d2: ", "cifra d1: ", "cifra d0: "};
    for (const auto &c : cases) {
        const auto [s, z] = po(c.b, c.r, c.kroky);
        const std::string &text = z.cislo.popis;
        if (!c.kroky.empty()) {
            EXPECT_EQ(text.rfind("žlutý výsledek, desítkově: " + std::to_string(s.zluta_cislo) + ". ", 0), 0U) << text;
        }
        for (const auto &kus : c.cislo)
            EXPECT_NE(text.find(kus), std::string::npos) << "no «" << kus << "» in\n" << text;
        for (std::size_t i = 0; i < 3; ++i) {
            if (!c.cifry.at(i).empty()) {
                EXPECT_EQ(z.cifry.at(i).popis, "žlutý výsledek, " + role.at(i) + c.cifry.at(i)) << text;
            }
        }
    }
}

TEST(Explanation, ADrawAndKomplementOnTheBlueRow)
{
    Store s = po(5, 2, {registers::vlevo}).s;
    const std::string posunuta =
        "modrý operand, desítkově: řádek ukazuje 5, naposledy vylosovaný operand. Uložený modrý operand je "
        "po posunu 10 (0000 0000 0000 1010) a s ním počítají další operace, dokud Generuj nevylosuje nový "
        "nebo Komplement nevezme modrý znovu z řádku.";
    EXPECT_EQ(registers::disjunkce(s).modra.tip, posunuta);
    // Komplement takes the operand from the row again, even with nothing chosen.
    const Vysledek nic = registers::komplement(s, 5, 2, registers::Volba::Zadna);
    EXPECT_FALSE(nic.zluta.has_value());
    EXPECT_EQ(nic.modra.popis, "modrý operand, desítkově");
    EXPECT_EQ(nic.modra.tip, "");
    // A draw computes no yellow row, so it has nothing new to say of it.
    registers::Generator g;
    EXPECT_FALSE(registers::generuj(s, g).zluta.has_value());
}

} // namespace

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/explanation.h"
#include "registers/operations.h"
#include "registers/store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using registers::Operace;
using registers::Store;
using Op = void (*)(Store &);

// Operands as a draw leaves them, then the operations run on them in order.
Store po(int b, int r, const std::vector<Op> &kroky)
{
    Store s;
    s.modra_cislo = registers::wrap16(b);
    s.cervena_cislo = registers::wrap16(r);
    s.modra_cifry = registers::rozloz(s.modra_cislo);
    s.cervena_cifry = registers::rozloz(s.cervena_cislo);
    for (const Op krok : kroky)
        krok(s);
    return s;
}

TEST(Explanation, Yellow)
{
    const Op V = registers::vlevo;
    struct Case {
        int b, r;
        std::vector<Op> kroky;
        Operace posledni;
        int pozice;                   // -1: the value, 0..2: d2, d1, d0
        std::vector<std::string> ma;  // every one must be in the text
    };
    std::vector<Op> doprava(13, V);
    doprava.push_back(registers::vpravo);
    const Case cases[] = {
        {5, 2, {registers::disjunkce}, Operace::Disjunkce, -1,
         {"žlutý výsledek, desítkově: 1. Disjunkce (NEBO) modrého 5 a červeného 2: aspoň jeden operand je nenulový",
          "101 OR 010 = 111, tedy cifry 1, 1, 1."}},
        {3, 3, {registers::nerovnost}, Operace::Nerovnost, -1, {"se rovnají, proto 0", "011 XOR 011 = 000"}},
        {5, 2, {V, registers::konjunkce}, Operace::Konjunkce, -1,
         {"modrého 10 (uložený po posunu; modrý řádek přitom ukazoval 5) a červeného 2", "oba operandy jsou nenulové",
          "0000 0000 0000 1010 AND 0000 0000 0000 0010 = 0000 0000 0000 0010, tedy 2"}},
        {3, 3, {registers::vetsi}, Operace::Vetsi, -1, {"modrý 3 větší než červený 3? Ne, jsou si rovny"}},
        {5, 2, {registers::mensi}, Operace::Mensi, -1, {"Ne, je větší, proto 0", "vždy 0, 0, 0"}},
        {5, 2, {V, V}, Operace::Vlevo, -1,
         {"20. Posun vlevo (<<) uloženého modrého operandu 10 o jeden bit: 0000 0000 0000 1010 << 1 = "
          "0000 0000 0001 0100, tedy 2 × 10 = 20.",
          "modrý řádek přitom dál ukazoval 5", "Cifry 5, 0, 0 jsou rozklad čísla 20"}},
        {5, 2, std::vector<Op>(13, V), Operace::Vlevo, -1,
         {"0101 0000 0000 0000 << 1 = 1010 0000 0000 0000", "Dvojnásobek 40960", "znamená -24576"}},
        {5, 2, doprava, Operace::Vpravo, -1, {"operandu -24576", "1010 0000 0000 0000 >> 1 = 1101 0000 0000 0000"}},
        {5, 7, {registers::komplementCervene}, Operace::KomplementCervene, -1,
         {"-8. Komplement červeného operandu 7", "NOT 0000 0000 0000 0111 = 1111 1111 1111 1000", "-7 - 1 = -8",
          "Cifry -2, 0, 0 jsou rozklad záporného čísla -8"}},
        {5, 2, {V}, Operace::Vlevo, 0, {"žlutý výsledek, cifra d2: 2, podíl 10 / 4", "větší než 1"}},
        {5, 2, {registers::komplementModre}, Operace::KomplementModre, 1, {"d1: -1", "-6 mod 4 = -2", "záporná"}},
    };
    for (const auto &c : cases) {
        const auto z = registers::vysvetliZlutou(po(c.b, c.r, c.kroky), c.posledni);
        ASSERT_TRUE(z.has_value());
        const auto &p = c.pozice < 0 ? z->cislo : z->cifry.at(static_cast<std::size_t>(c.pozice));
        EXPECT_EQ(p.tip, p.popis);
        for (const auto &kus : c.ma)
            EXPECT_NE(p.popis.find(kus), std::string::npos) << "no «" << kus << "» in\n" << p.popis;
    }
}

TEST(Explanation, BeforeAnythingAfterADrawAndOnTheBlueRow)
{
    Store s = po(5, 2, {registers::vlevo});
    EXPECT_EQ(registers::vysvetliZlutou(s, Operace::Zadna)->cifry[2].popis,
              "žlutý výsledek, cifra d0: zatím nic nespočteno.");
    EXPECT_FALSE(registers::vysvetliZlutou(s, Operace::Generuj).has_value());
    EXPECT_EQ(registers::vysvetliModrou(s).tip,
              "modrý operand, desítkově: řádek ukazuje 5, naposledy vylosovaný operand. Uložený modrý operand je "
              "po posunu 10 (0000 0000 0000 1010) a s ním počítají další operace, dokud Generuj nevylosuje nový "
              "nebo Komplement nevezme modrý znovu z řádku.");
    s.modra_cislo = 5;  // as Komplement re-reads it
    EXPECT_EQ(registers::vysvetliModrou(s).popis, "modrý operand, desítkově");
    EXPECT_EQ(registers::vysvetliModrou(s).tip, "");
}

} // namespace

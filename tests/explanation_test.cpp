#include "registers/explanation.h"
#include "registers/operations.h"
#include "registers/store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using registers::Operace;
using registers::Store;

// Operands as a draw leaves them, then the commands run on them in order.
Store po(int b, int r, const std::vector<Operace> &prikazy)
{
    Store s;
    s.modra_cislo = registers::wrap16(b);
    s.cervena_cislo = registers::wrap16(r);
    s.modra_cifry = registers::rozloz(s.modra_cislo);
    s.cervena_cifry = registers::rozloz(s.cervena_cislo);
    for (const Operace op : prikazy) {
        switch (op) {
        case Operace::Disjunkce: registers::disjunkce(s); break;
        case Operace::Nerovnost: registers::nerovnost(s); break;
        case Operace::Konjunkce: registers::konjunkce(s); break;
        case Operace::Vetsi: registers::vetsi(s); break;
        case Operace::Mensi: registers::mensi(s); break;
        case Operace::Vlevo: registers::vlevo(s); break;
        case Operace::Vpravo: registers::vpravo(s); break;
        case Operace::KomplementModre: registers::komplementModre(s); break;
        case Operace::KomplementCervene: registers::komplementCervene(s); break;
        case Operace::Zadna:
        case Operace::Generuj: break;
        }
    }
    return s;
}

std::vector<Operace> opakuj(Operace op, int kolikrat)
{
    std::vector<Operace> out(static_cast<std::size_t>(kolikrat), op);
    return out;
}

struct Case {
    const char *name;
    int b, r;
    std::vector<Operace> prikazy;  // the last one is explained
    int pozice;                    // -1: the yellow value, 0..2: d2, d1, d0
    std::vector<std::string> ma;   // every one must be in the text
    std::string nema;              // and this one not, when given
};

TEST(Explanation, Yellow)
{
    const auto V = Operace::Vlevo;
    std::vector<Operace> vlevo13 = opakuj(V, 13);
    vlevo13.push_back(Operace::Vpravo);
    const Case cases[] = {
        {"dis 5 2", 5, 2, {Operace::Disjunkce}, -1,
         {"žlutý výsledek, desítkově: 1. Disjunkce", "aspoň jeden operand je nenulový, proto 1",
          "101 OR 010 = 111, tedy cifry 1, 1, 1."}, ""},
        {"dis 0 0", 0, 0, {Operace::Disjunkce}, -1, {"oba operandy jsou nulové, proto 0", "000 OR 000 = 000"}, ""},
        {"konj 5 2", 5, 2, {Operace::Konjunkce}, -1, {"oba operandy jsou nenulové, proto 1", "101 AND 010 = 000"}, ""},
        {"nerov 3 3", 3, 3, {Operace::Nerovnost}, -1, {"operandy se rovnají, proto 0", "011 XOR 011 = 000"}, ""},
        {"dis after <<", 5, 2, {V, Operace::Disjunkce}, -1,
         {"modrého 10 (uložený po posunu; modrý řádek ukazuje 5) a červeného 2",
          "0000 0000 0000 1010 OR 0000 0000 0000 0010 = 0000 0000 0000 1010, tedy 10", "Cifry 2, 1, 0"}, ""},
        {"vetsi 3 3", 3, 3, {Operace::Vetsi}, -1,
         {"0. Větší: je modrý 3 větší než červený 3? Ne, jsou si rovny, proto 0", "vždy 0, 0, 0"}, "znaménkem"},
        {"vetsi 2 5", 2, 5, {Operace::Vetsi}, -1, {"Ne, je menší, proto 0"}, ""},
        {"mensi 2 5", 2, 5, {Operace::Mensi}, -1, {"je modrý 2 menší než červený 5? Ano, proto 1"}, ""},
        {"<< twice from 7", 7, 0, {V, V}, -1,
         {"28. Posun vlevo (<<) uloženého modrého operandu 14 o jeden bit: 0000 0000 0000 1110 << 1 = "
          "0000 0000 0001 1100, tedy 2 × 14 = 28.",
          "modrý řádek dál ukazuje 7", "Cifry 7, 0, 0 jsou rozklad čísla 28"}, ""},
        {"<< overflow", 5, 0, opakuj(V, 13), -1,
         {"operandu 20480", "0101 0000 0000 0000 << 1 = 1010 0000 0000 0000", "Dvojnásobek 40960",
          "znamená -24576"}, "tedy 2 ×"},
        {">> -24576", 5, 0, vlevo13, -1,
         {"-12288. Posun vpravo (>>) uloženého modrého operandu -24576",
          "1010 0000 0000 0000 >> 1 = 1101 0000 0000 0000", "cifry nulové nebo záporné"}, ""},
        {"komplement red 7", 3, 7, {Operace::KomplementCervene}, -1,
         {"-8. Komplement červeného operandu 7", "NOT 0000 0000 0000 0111 = 1111 1111 1111 1000",
          "-7 - 1 = -8", "Cifry -2, 0, 0 jsou rozklad záporného čísla -8"}, ""},
        {"komplement blue 5", 5, 7, {Operace::KomplementModre}, -1, {"modrého operandu 5", "-5 - 1 = -6"}, ""},
        {"d2 of dis 5 2", 5, 2, {Operace::Disjunkce}, 0,
         {"žlutý výsledek, cifra d2: 1, bit s váhou 4 bitového výsledku 7 (dvojkově 111)"}, ""},
        {"d2 over 1", 5, 0, {V}, 0, {"žlutý výsledek, cifra d2: 2, podíl 10 / 4", "větší než 1"}, ""},
        {"d1 negative", 5, 0, {Operace::KomplementModre}, 1,
         {"žlutý výsledek, cifra d1: -1", "-6 mod 4 = -2", "záporná"}, ""},
        {"d0 zero of negative", 5, 0, {Operace::KomplementModre}, 2, {"cifra d0: 0, zbytek -6 mod 2 = 0."},
         "záporná"},
        {"d0 of a comparison", 5, 2, {Operace::Vetsi}, 2, {"cifra d0: 0. Porovnání cifry nepočítá"}, ""},
    };
    for (const auto &c : cases) {
        const Store s = po(c.b, c.r, c.prikazy);
        const auto z = registers::vysvetliZlutou(s, c.prikazy.back());
        ASSERT_TRUE(z.has_value()) << c.name;
        const auto &p = c.pozice < 0 ? z->cislo : z->cifry.at(static_cast<std::size_t>(c.pozice));
        EXPECT_EQ(p.tip, p.popis) << c.name;
        for (const auto &kus : c.ma)
            EXPECT_NE(p.popis.find(kus), std::string::npos) << c.name << ": no «" << kus << "» in\n" << p.popis;
        if (!c.nema.empty()) {
            EXPECT_EQ(p.popis.find(c.nema), std::string::npos) << c.name << ": «" << c.nema << "» in\n" << p.popis;
        }
    }
}

TEST(Explanation, BeforeAnythingAndAfterADraw)
{
    const Store s = po(5, 2, {});
    const auto z = registers::vysvetliZlutou(s, Operace::Zadna);
    ASSERT_TRUE(z.has_value());
    EXPECT_EQ(z->cislo.popis.rfind("žlutý výsledek, desítkově: zatím nic nespočteno.", 0), 0U) << z->cislo.popis;
    EXPECT_EQ(z->cifry[2].popis, "žlutý výsledek, cifra d0: zatím nic nespočteno.");
    // A draw leaves the yellow row, and what it says, as it was.
    EXPECT_FALSE(registers::vysvetliZlutou(s, Operace::Generuj).has_value());
}

TEST(Explanation, Blue)
{
    const registers::Popis plain = registers::vysvetliModrou(po(5, 2, {Operace::Disjunkce}));
    EXPECT_EQ(plain.popis, "modrý operand, desítkově");
    EXPECT_EQ(plain.tip, "");

    Store s = po(5, 2, {Operace::Vlevo, Operace::Disjunkce});
    const registers::Popis shifted = registers::vysvetliModrou(s);
    EXPECT_EQ(shifted.popis,
              "modrý operand, desítkově: řádek ukazuje 5, naposledy vylosovaný operand. Uložený modrý operand je "
              "po posunu 10 (0000 0000 0000 1010) a s ním počítají další operace, dokud Generuj nevylosuje nový "
              "nebo Komplement nevezme modrý znovu z řádku.");
    EXPECT_EQ(shifted.tip, shifted.popis);

    // Komplement's re-read brings the stored operand back to the row.
    s.modra_cislo = 5;
    EXPECT_EQ(registers::vysvetliModrou(s).popis, "modrý operand, desítkově");
}

} // namespace

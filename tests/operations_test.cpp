// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/cifry_helpers.h"
#include "registers/digits.h"
#include "registers/operations.h"
#include "registers/store.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

using registers::Cifry;
using registers::Store;

Store operands(int b, int r)
{
    Store s;
    s.modra_cislo = static_cast<std::int16_t>(b);
    s.cervena_cislo = static_cast<std::int16_t>(r);
    s.modra_cifry = cifry(7, 7, 7);
    s.cervena_cifry = cifry(6, 6, 6);
    s.zluta_cislo = 99;
    s.zluta_cifry = cifry(5, 5, 5);
    return s;
}

using Op = registers::Vysledek (*)(Store &);

struct Case {
    const char *name;
    Op op;
    int b, r;
    int y;
    Cifry t;
};

TEST(Operations, Table)
{
    const Case cases[] = {
        {"dis 0 0", registers::disjunkce, 0, 0, 0, cifry(0, 0, 0)},
        {"nerov 0 0", registers::nerovnost, 0, 0, 0, cifry(0, 0, 0)},
        {"konj 0 0", registers::konjunkce, 0, 0, 0, cifry(0, 0, 0)},
        {"dis 5 2", registers::disjunkce, 5, 2, 1, cifry(1, 1, 1)},
        {"konj 5 2", registers::konjunkce, 5, 2, 1, cifry(0, 0, 0)},
        {"nerov 5 2", registers::nerovnost, 5, 2, 1, cifry(1, 1, 1)},
        {"nerov 3 3", registers::nerovnost, 3, 3, 0, cifry(0, 0, 0)},
        {"konj 3 3", registers::konjunkce, 3, 3, 1, cifry(0, 1, 1)},
        {"dis 10 2", registers::disjunkce, 10, 2, 1, cifry(2, 1, 0)},
        {"vetsi 4 4", registers::vetsi, 4, 4, 0, cifry(0, 0, 0)},
        {"mensi 4 4", registers::mensi, 4, 4, 0, cifry(0, 0, 0)},
        {"vetsi 5 2", registers::vetsi, 5, 2, 1, cifry(0, 0, 0)},
        {"mensi 5 2", registers::mensi, 5, 2, 0, cifry(0, 0, 0)},
        // Comparisons are signed: a shifted blue may be negative.
        {"vetsi -32768 8", registers::vetsi, -32768, 8, 0, cifry(0, 0, 0)},
        {"mensi -32768 8", registers::mensi, -32768, 8, 1, cifry(0, 0, 0)},
        {"vetsi -4 -8", registers::vetsi, -4, -8, 1, cifry(0, 0, 0)},
        // Negative operands combine bitwise on 16 bits.
        {"dis -32768 1", registers::disjunkce, -32768, 1, 1, cifry(-8191, -1, -1)},
        {"konj -24576 -32768", registers::konjunkce, -24576, -32768, 1, cifry(-8192, 0, 0)},
        {"nerov -1 5", registers::nerovnost, -1, 5, 1, cifry(-1, -1, 0)},
        {"konj -1 0", registers::konjunkce, -1, 0, 0, cifry(0, 0, 0)},
        {"komplement modre 0", komplementModre, 0, 3, -1, cifry(0, 0, -1)},
        {"komplement modre 5", komplementModre, 5, 3, -6, cifry(-1, -1, 0)},
        {"komplement modre 8", komplementModre, 8, 3, -9, cifry(-2, 0, -1)},
        {"komplement cervene 7", komplementCervene, 0, 7, -8, cifry(-2, 0, 0)},
        {"komplement modre -32768", komplementModre, -32768, 0, 32767, cifry(8191, 1, 1)},
        {"komplement cervene -1", komplementCervene, 5, -1, 0, cifry(0, 0, 0)},
    };
    for (const auto &c : cases) {
        Store s = operands(c.b, c.r);
        c.op(s);
        EXPECT_EQ(s.zluta_cislo, c.y) << c.name;
        EXPECT_EQ(s.zluta_cifry, c.t) << c.name;
        EXPECT_EQ(s.modra_cislo, c.b) << c.name << ": only the shifts change an operand";
        EXPECT_EQ(s.cervena_cislo, c.r) << c.name;
        EXPECT_EQ(s.modra_cifry, cifry(7, 7, 7)) << c.name;
        EXPECT_EQ(s.cervena_cifry, cifry(6, 6, 6)) << c.name;
    }
}

// A combination worked out as on paper: binary digits by halving, each pair
// of digits through the operation's truth table, indexed 2 × blue + red.
using Tabulka = std::array<int, 4>;
const Tabulka nebo = {0, 1, 1, 1};
const Tabulka neboJen = {0, 1, 1, 0};
const Tabulka a = {0, 0, 0, 1};

std::size_t radek(bool b, bool r)
{
    return (b ? 2U : 0U) + (r ? 1U : 0U);
}

int poBitech(int b, int r, const Tabulka &t)
{
    int out = 0;
    for (int vaha = 1; vaha <= 8; vaha *= 2)
        out += vaha * t.at(radek(b / vaha % 2 != 0, r / vaha % 2 != 0));
    return out;
}

int pravda(bool b, bool r, const Tabulka &t)
{
    return t.at(radek(b, r));
}

// Every pair of drawable operands, against the meaning of each operation.
TEST(Operations, EveryPairOfDrawnOperands)
{
    for (int b = 0; b <= 8; ++b) {
        for (int r = 0; r <= 8; ++r) {
            struct Expect { Op op; int y; int bits; bool digitsAreBits; };
            const Expect expects[] = {
                {registers::disjunkce, pravda(b != 0, r != 0, nebo), poBitech(b, r, nebo), true},
                // Inequality's value is whether the operands differ, not a truth of their truths.
                {registers::nerovnost, b == r ? 0 : 1, poBitech(b, r, neboJen), true},
                {registers::konjunkce, pravda(b != 0, r != 0, a), poBitech(b, r, a), true},
                {registers::vetsi, b > r ? 1 : 0, 0, false},
                {registers::mensi, b < r ? 1 : 0, 0, false},
            };
            for (const auto &e : expects) {
                Store s = operands(b, r);
                e.op(s);
                EXPECT_EQ(s.zluta_cislo, e.y) << b << ' ' << r;
                const Cifry t = e.digitsAreBits ? cifry(e.bits / 4, (e.bits % 4) / 2, e.bits % 2)
                                                : cifry(0, 0, 0);
                EXPECT_EQ(s.zluta_cifry, t) << b << ' ' << r;
            }
        }
    }
}

TEST(Shifts, LeftFromFiveDoublesUntilZero)
{
    const std::vector<int> expected = {10, 20, 40, 80, 160, 320, 640, 1280, 2560, 5120,
                                       10240, 20480, -24576, 16384, -32768, 0, 0};
    Store s = operands(5, 2);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        registers::vlevo(s);
        ASSERT_EQ(s.modra_cislo, expected[i]) << "press " << i + 1;
        ASSERT_EQ(s.zluta_cislo, expected[i]) << "press " << i + 1;
        ASSERT_EQ(s.zluta_cifry, registers::rozloz(s.modra_cislo)) << "press " << i + 1;
        ASSERT_EQ(s.modra_cifry, cifry(7, 7, 7)) << "the blue digits stay as drawn";
        ASSERT_EQ(s.cervena_cislo, 2);
    }
}

// Every 16-bit value shifted both ways, against the arithmetic meaning; the
// yellow row shows the new blue operand. This holds the edges too: 16384 << 1
// is -32768, 1 >> 1 is 0, and -1 >> 1 stays -1.
TEST(Shifts, EverySixteenBitValue)
{
    for (int v = -32768; v <= 32767; ++v) {
        const int doubled = (v * 2) & 0xFFFF;
        // Floor division by two is what copying the sign bit means.
        const std::pair<Op, int> shifts[] = {{registers::vlevo, doubled >= 0x8000 ? doubled - 0x10000 : doubled},
                                             {registers::vpravo, v >= 0 ? v / 2 : -((-v + 1) / 2)}};
        for (const auto &[shift, want] : shifts) {
            Store s = operands(v, 0);
            shift(s);
            ASSERT_EQ(s.modra_cislo, want) << v;
            ASSERT_EQ(s.zluta_cislo, want) << v;
            ASSERT_EQ(s.zluta_cifry, registers::rozloz(s.modra_cislo)) << v;
        }
    }
}

} // namespace

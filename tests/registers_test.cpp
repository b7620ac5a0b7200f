// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/cifry_helpers.h"
#include "registers/digits.h"
#include "registers/generator.h"
#include "registers/operations.h"
#include "registers/store.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>

namespace {

using registers::Cifry;
using registers::Store;

TEST(Rozloz, Table)
{
    struct Case { int v; Cifry c; };
    const Case cases[] = {
        {0, cifry(0, 0, 0)},   {1, cifry(0, 0, 1)},   {2, cifry(0, 1, 0)},
        {3, cifry(0, 1, 1)},   {4, cifry(1, 0, 0)},   {5, cifry(1, 0, 1)},
        {6, cifry(1, 1, 0)},   {7, cifry(1, 1, 1)},   {8, cifry(2, 0, 0)},
        {10, cifry(2, 1, 0)},  {20, cifry(5, 0, 0)},  {-1, cifry(0, 0, -1)},
        {-6, cifry(-1, -1, 0)}, {-8, cifry(-2, 0, 0)}, {-9, cifry(-2, 0, -1)},
        {-32768, cifry(-8192, 0, 0)}, {32767, cifry(8191, 1, 1)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(registers::rozloz(static_cast<std::int16_t>(c.v)), c.c) << "v = " << c.v;
}

// Every 16-bit value: the digits put the value back together, each digit is
// as small as the definition allows, and a negative value has no positive digit.
TEST(Rozloz, EverySixteenBitValue)
{
    for (int v = -32768; v <= 32767; ++v) {
        const Cifry c = registers::rozloz(static_cast<std::int16_t>(v));
        ASSERT_EQ(4 * c.d2 + 2 * c.d1 + c.d0, v) << "v = " << v;
        ASSERT_TRUE(c.d1 >= -1 && c.d1 <= 1 && c.d0 >= -1 && c.d0 <= 1) << "v = " << v;
        if (v < 0)
            ASSERT_TRUE(c.d2 <= 0 && c.d1 <= 0 && c.d0 <= 0) << "v = " << v;
        else
            ASSERT_TRUE(c.d2 >= 0 && c.d1 >= 0 && c.d0 >= 0) << "v = " << v;
    }
}

TEST(Wrap16, KeepsTheLowSixteenBits)
{
    const std::array<std::pair<long long, int>, 7> cases = {{
        {0, 0}, {32767, 32767}, {32768, -32768}, {65535, -1}, {65536, 0}, {-32769, 32767}, {-1, -1},
    }};
    for (const auto &[in, out] : cases)
        EXPECT_EQ(registers::wrap16(in), out) << in;
}

TEST(Losuj, EveryDraw)
{
    std::map<int, int> count;
    for (unsigned r = 0; r <= 32767; ++r)
        ++count[registers::operandZLosu(r)];
    for (int v = 0; v <= 6; ++v)
        EXPECT_EQ(count[v], 4096) << v;
    EXPECT_EQ(count[7], 4095);
    EXPECT_EQ(count[8], 1);
    EXPECT_EQ(count.size(), 9U);
    EXPECT_EQ(registers::operandZLosu(32767), 8);
    EXPECT_EQ(registers::operandZLosu(32766), 7);
    EXPECT_EQ(registers::operandZLosu(0), 0);
    // The smallest draw giving 7 is the first with 8r >= 7 * 32767.
    EXPECT_EQ(registers::operandZLosu(28671), 6);
    EXPECT_EQ(registers::operandZLosu(28672), 7);
}

// The C standard's example generator from state 1 draws 16838, 5758, 10113,
// 17515: operands 4 and 1, then 2 and 4. Without the cut to 15 bits the
// second draw would be 38526, a red 9.
TEST(Losuj, FirstDrawsFromTheFixedStart)
{
    registers::Generator g;
    Store s;
    s.zluta_cislo = 42;
    s.zluta_cifry = cifry(9, 9, 9);
    registers::losuj(s, g);
    EXPECT_EQ(s.modra_cislo, 4);
    EXPECT_EQ(s.cervena_cislo, 1);
    EXPECT_EQ(s.modra_cifry, cifry(1, 0, 0));
    EXPECT_EQ(s.cervena_cifry, cifry(0, 0, 1));
    registers::losuj(s, g);
    EXPECT_EQ(s.modra_cislo, 2);
    EXPECT_EQ(s.cervena_cislo, 4);
    EXPECT_EQ(s.modra_cifry, cifry(0, 1, 0));
    EXPECT_EQ(s.cervena_cifry, cifry(1, 0, 0));
    // Drawing never touches the yellow row.
    EXPECT_EQ(s.zluta_cislo, 42);
    EXPECT_EQ(s.zluta_cifry, cifry(9, 9, 9));
}

} // namespace

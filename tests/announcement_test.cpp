// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/announcement.h"
#include "registers/digits.h"
#include "registers/operations.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using registers::Operace;
using registers::Store;

// Each command run on operands as a draw leaves them, then what is said.
TEST(Oznameni, AfterEachCommand)
{
    struct Case { int blue, red; void (*run)(Store &); Operace op; const char *said; };
    const Case cases[] = {
        {4, 1, nullptr, Operace::Generuj, "Modrá 4, červená 1"},
        {2, 4, registers::disjunkce, Operace::Disjunkce, "Žlutá 1, cifry 1, 1, 0"},
        {5, 0, registers::komplementModre, Operace::KomplementModre, "Žlutá -6, cifry -1, -1, 0"},
        {5, 2, registers::vlevo, Operace::Vlevo,
         "Žlutá 10, cifry 2, 1, 0. Uložená modrá je teď 10, modrý řádek ukazuje 5"},
        {5, 2, registers::vpravo, Operace::Vpravo,
         "Žlutá 2, cifry 0, 1, 0. Uložená modrá je teď 2, modrý řádek ukazuje 5"},
        // Shifting zero leaves the stored operand as the row shows it.
        {0, 3, registers::vpravo, Operace::Vpravo, "Žlutá 0, cifry 0, 0, 0"},
    };
    for (const auto &c : cases) {
        Store s;
        s.modra_cislo = static_cast<std::int16_t>(c.blue);
        s.cervena_cislo = static_cast<std::int16_t>(c.red);
        s.modra_cifry = registers::rozloz(s.modra_cislo);
        if (c.run)
            c.run(s);
        EXPECT_EQ(registers::oznameni(s, c.op), c.said) << c.blue << ", " << c.red;
    }
}

} // namespace

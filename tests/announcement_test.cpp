// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/digits.h"
#include "registers/operations.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using registers::Store;
using registers::Volba;
using registers::Vysledek;

// Each command run on operands as a draw leaves them, then what is said.
TEST(Oznameni, AfterEachCommand)
{
    struct Case { int blue, red; Vysledek (*run)(Store &); const char *said; };
    const Case cases[] = {
        // The first draw of a generator that has not run yet.
        {0, 0, [](Store &s) { registers::Generator g; return registers::generuj(s, g); }, "Modrá 4, červená 1"},
        {2, 4, registers::disjunkce, "Žlutá 1, cifry 1, 1, 0"},
        {5, 0, [](Store &s) { return registers::komplement(s, 5, 0, Volba::Modra); }, "Žlutá -6, cifry -1, -1, 0"},
        {5, 7, [](Store &s) { return registers::komplement(s, 5, 7, Volba::Cervena); }, "Žlutá -8, cifry -2, 0, 0"},
        // Nothing chosen, nothing computed: nothing to say.
        {5, 0, [](Store &s) { return registers::komplement(s, 5, 0, Volba::Zadna); }, ""},
        {5, 2, registers::vlevo, "Žlutá 10, cifry 2, 1, 0. Uložená modrá je teď 10, modrý řádek ukazuje 5"},
        {5, 2, registers::vpravo, "Žlutá 2, cifry 0, 1, 0. Uložená modrá je teď 2, modrý řádek ukazuje 5"},
        // Shifting zero leaves the stored operand as the row shows it.
        {0, 3, registers::vpravo, "Žlutá 0, cifry 0, 0, 0"},
    };
    for (const auto &c : cases) {
        Store s;
        s.modra_cislo = static_cast<std::int16_t>(c.blue);
        s.cervena_cislo = static_cast<std::int16_t>(c.red);
        s.modra_cifry = registers::rozloz(s.modra_cislo);
        EXPECT_EQ(c.run(s).oznameni, c.said) << c.blue << ", " << c.red;
    }
}

} // namespace

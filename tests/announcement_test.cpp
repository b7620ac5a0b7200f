#include "registers/announcement.h"
#include "registers/digits.h"
#include "registers/operations.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using registers::Operace;
using registers::Store;

// Operands as a draw leaves them: each value with its own digits.
Store drawn(int blue, int red)
{
    Store s;
    s.modra_cislo = static_cast<std::int16_t>(blue);
    s.cervena_cislo = static_cast<std::int16_t>(red);
    s.modra_cifry = registers::rozloz(s.modra_cislo);
    s.cervena_cifry = registers::rozloz(s.cervena_cislo);
    return s;
}

// What is said after each command, the command run on the real store.
TEST(Oznameni, AfterEachCommand)
{
    struct Case { int blue, red; void (*run)(Store &); Operace op; int times; const char *said; };
    const Case cases[] = {
        {4, 1, nullptr, Operace::Generuj, 0, "Modrá 4, červená 1"},
        {2, 4, registers::disjunkce, Operace::Disjunkce, 1, "Žlutá 1, cifry 1 1 0"},
        {3, 3, registers::konjunkce, Operace::Konjunkce, 1, "Žlutá 1, cifry 0 1 1"},
        {5, 2, registers::vetsi, Operace::Vetsi, 1, "Žlutá 1, cifry 0 0 0"},
        {5, 0, registers::komplementModre, Operace::KomplementModre, 1, "Žlutá -6, cifry -1 -1 0"},
        {5, 2, registers::vlevo, Operace::Vlevo, 1,
         "Žlutá 10, cifry 2 1 0. Uložená modrá je teď 10, modrý řádek ukazuje 5"},
        {4, 0, registers::vlevo, Operace::Vlevo, 13,
         "Žlutá -32768, cifry -8192 0 0. Uložená modrá je teď -32768, modrý řádek ukazuje 4"},
        {5, 0, registers::vpravo, Operace::Vpravo, 1,
         "Žlutá 2, cifry 0 1 0. Uložená modrá je teď 2, modrý řádek ukazuje 5"},
        // Shifting zero leaves the stored operand as the row shows it.
        {0, 3, registers::vlevo, Operace::Vlevo, 1, "Žlutá 0, cifry 0 0 0"},
        {8, 3, nullptr, Operace::Zadna, 0, ""},
    };
    for (const auto &c : cases) {
        Store s = drawn(c.blue, c.red);
        for (int i = 0; i < c.times; ++i)
            c.run(s);
        EXPECT_EQ(registers::oznameni(s, c.op), c.said) << c.blue << ", " << c.red;
    }
}

} // namespace

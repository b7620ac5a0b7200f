// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/explanation.h"
#include "registers/generator.h"
#include "registers/store.h"

#include <optional>
#include <string>

namespace registers {

// What one command leaves for the window besides the numbers in the store:
// which rows it wrote, why they show what they show, and what a screen
// reader says of it. A command computes each number once; its explanation
// and spoken text are made from those very numbers.
struct Vysledek {
    bool operandy = false;            // new blue and red operands and digits
    std::optional<ZlutyPopis> zluta;  // a new yellow value and digits, explained
    Popis modra;                      // the blue value, as it now stands
    std::string oznameni;             // empty where nothing new is shown
};

// One command per button.

// Draws new blue and red operands; the yellow row is left as it is.
Vysledek generuj(Store &s, Generator &g);

// The three combinations give the yellow row two meanings: the value is the
// truth of the combination (operands read as true when non-zero), the digits
// are those of the bitwise combination.
Vysledek disjunkce(Store &s);
Vysledek nerovnost(Store &s);
Vysledek konjunkce(Store &s);

// Signed comparisons; the digits become 0, 0, 0.
Vysledek vetsi(Store &s);
Vysledek mensi(Store &s);

// Shifts of the blue operand within 16 bits: left doubles (the top bit is
// lost), right copies the sign bit. The yellow row shows the new blue value;
// the blue digits are not touched.
Vysledek vlevo(Store &s);
Vysledek vpravo(Store &s);

// Komplement: both operands are set again from the numbers the blue and red
// rows show (read by the caller from the rows), which undoes any shift of
// blue; then the bitwise NOT of the chosen operand goes to the yellow row.
// With no operand chosen only the operands are set again.
enum class Volba { Zadna, Modra, Cervena };
Vysledek komplement(Store &s, int modryRadek, int cervenyRadek, Volba volba);

} // namespace registers

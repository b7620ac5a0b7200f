// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/store.h"

#include <string>

namespace registers {

// What a screen reader says after a command, in Czech (UTF-8): the numbers
// the command has just put on screen, written as digits so that the voice
// reads them as numbers, the three digits apart by commas so that "-1 -1"
// is not heard as a subtraction.

// After a draw: "Modrá 2, červená 4".
std::string oznameniOperandu(const Store &s);

// After an operation: "Žlutá -3, cifry 0, -1, -1".
std::string oznameniZlute(const Store &s);

// After a shift, which changes the stored blue operand but not the blue
// row: the yellow row, and the stored blue where the row shows another.
std::string oznameniPosunu(const Store &s);

} // namespace registers

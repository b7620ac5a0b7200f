// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/operace.h"
#include "registers/store.h"

#include <string>

namespace registers {

// What a screen reader says after a command, in Czech (UTF-8): the numbers
// the command has just put on screen, written as digits so that the voice
// reads them as numbers, the three digits apart by commas so that "-1 -1"
// is not heard as a subtraction. Empty when the command shows no number.
std::string oznameni(const Store &s, Operace operace);

} // namespace registers

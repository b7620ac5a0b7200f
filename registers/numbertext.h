// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/digits.h"

#include <cstddef>
#include <string>

namespace registers {

// How the explanations and the spoken text write numbers, in Czech.

std::string cislo(int v);

// A negative number written after an operator sits in parentheses: 2 × (-3).
std::string zavorka(int v);

// The exact quotient of v : 2 or v : 4 with the Czech decimal comma, so that
// a rounded quotient can be shown beside the number it was rounded from.
std::string presne(int v, int delitel);

// The lowest `sirka` bits, most significant first; sixteen come in groups of
// four so that they can be counted.
std::string bity(int v, int sirka = 16);

// "d2, d1, d0", commas between so that "-1 -1" is not read as a subtraction.
std::string cifryText(const Cifry &c);

// The values the three digits can show as a plain binary form.
bool maly(int v);

// How the three digits come from the value v they are split from.
std::string rozkladVeta(int v);

// One digit of the value v, at `pozice` 0 (d2) to 2 (d0): which bit it is, or
// why it is not a plain bit; `zCeho` names what v is ("bitového výsledku").
std::string cifraVeta(std::size_t pozice, int v, const std::string &zCeho);

} // namespace registers

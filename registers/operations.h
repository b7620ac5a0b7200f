// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registers/store.h"

namespace registers {

// One operation per button. Each overwrites the yellow value and digits;
// only the shifts change an operand, and only the blue one.
//
// The three combinations give the yellow row two meanings: the value is the
// truth of the combination (operands read as true when non-zero), the digits
// are those of the bitwise combination.
void disjunkce(Store &s);
void nerovnost(Store &s);
void konjunkce(Store &s);

// Signed comparisons; the digits become 0, 0, 0.
void vetsi(Store &s);
void mensi(Store &s);

// Shifts of the blue operand within 16 bits: left doubles (the top bit is
// lost), right copies the sign bit. The yellow row shows the new blue value;
// the blue digits are not touched.
void vlevo(Store &s);
void vpravo(Store &s);

// Bitwise NOT of one operand, as stored, into the yellow row. Komplement
// first sets both operands again from the numbers the blue and red rows show,
// which undoes any shift of blue; a caller must do the same first, or it gets
// the complement of a shifted blue, and an explanation that calls that
// operand the one the row showed.
void komplementModre(Store &s);
void komplementCervene(Store &s);

} // namespace registers

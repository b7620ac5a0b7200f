// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Decimal text: a minus sign for negatives, no leading zeros, no grouping.
QString IntToStr(int value);

// The integer written in decimal text; throws EConvertError otherwise.
int StrToInt(const QString &text);

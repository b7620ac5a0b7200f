// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/conversions.h"

#include "app/controls/exception.h"

QString IntToStr(int value)
{
    return QString::number(value);
}

int StrToInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        throw EConvertError(QStringLiteral("„%1“ není platné celé číslo").arg(text));
    return value;
}

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/tradiobutton.h"

#include "controls/fontprops.h"

TRadioButton::TRadioButton(QWidget *parent)
    : QRadioButton(parent)
{
}

int TRadioButton::fontHeight() const
{
    return fontHeightOf(this);
}

void TRadioButton::setFontHeight(int height)
{
    applyFontHeight(this, height);
}

QColor TRadioButton::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TRadioButton::setFontColor(const QColor &color)
{
    applyFontColor(this, color);
}

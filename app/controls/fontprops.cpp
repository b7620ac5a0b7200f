// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/fontprops.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include <cstdlib>

void applyFontHeight(QWidget *w, int height)
{
    QFont f = w->font();
    f.setPixelSize(height == 0 ? 1 : std::abs(height));
    w->setFont(f);
}

int fontHeightOf(const QWidget *w)
{
    return -w->font().pixelSize();
}

void applyFontColor(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
    w->setPalette(p);
}

void installFontSubstitutes()
{
    // Arial is aliased to Liberation Sans by fontconfig already; MS Sans
    // Serif is mapped nowhere, and its metrics are closest to the same face.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
}

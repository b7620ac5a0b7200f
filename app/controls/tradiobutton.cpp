// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/tradiobutton.h"

#include "app/controls/fontprops.h"
#include "app/controls/legibility.h"

#include <QStyleOptionButton>
#include <QStylePainter>

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

void TRadioButton::paintEvent(QPaintEvent *event)
{
    const QColor edge = captionEdge(this, fontColor());
    if (!edge.isValid()) {
        QRadioButton::paintEvent(event);
        return;
    }
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The edge goes where, and as, the style draws the caption, its
    // shortcut's underline included; the style then draws the button over it.
    const QRect caption = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    int flags = Qt::TextShowMnemonic | static_cast<int>(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter));
    if (style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) == 0)
        flags |= Qt::TextHideMnemonic;
    m_edgePainter.paint(&p, edge, captionEdgeWidth(font().pixelSize()), caption, flags, text());
    p.drawControl(QStyle::CE_RadioButton, option);
}

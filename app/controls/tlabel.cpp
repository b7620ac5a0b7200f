// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/tlabel.h"

#include "controls/fontprops.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

TLabel::TLabel(QWidget *parent)
    : QLabel(parent)
{
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int TLabel::fontHeight() const
{
    return fontHeightOf(this);
}

void TLabel::setFontHeight(int height)
{
    applyFontHeight(this, height);
}

QColor TLabel::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TLabel::setFontColor(const QColor &color)
{
    applyFontColor(this, color);
}

namespace {

// Exact advance, rounded up: on a scaled screen the rounded integer advance
// can fall short of the drawn text by a fraction of a pixel.
int advance(const QFont &f, const QString &text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(f).horizontalAdvance(text)));
}

} // namespace

void TLabel::setRightLimit(int x)
{
    m_rightLimit = x;
    if (!text().isEmpty())
        fit();
}

int TLabel::room() const
{
    return m_rightLimit > x() ? m_rightLimit - x() : 0;
}

void TLabel::setCaption(const QString &caption)
{
    // The caption is the label's accessible name; QLabel itself tells
    // assistive technology when it changes, and only then.
    setText(caption);
    fit();
}

// Sizes the label to its caption and, where the caption is longer than its
// room, finds the largest pixel size at which it fits. A caption that needs
// shrinking also keeps a gap of an eighth of its full size clear before the
// room's end: drawn right up to the next digit, "-8192" would read as
// "-81920".
void TLabel::fit()
{
    const QString caption = text();
    const QFont own = font();
    const int natural = std::max(advance(own, caption), 1);
    const int limit = room();
    const int usable = limit - std::max(1, own.pixelSize() / 8);
    resize(limit > 0 ? std::min(natural, limit) : natural, height());
    m_fitted = limit > 0 && natural > usable && own.pixelSize() > 1;
    if (!m_fitted)
        return;
    // Text width grows about in proportion to the size: start there and
    // correct by single pixels for hinting.
    QFont f = own;
    const auto fits = [&](int px) {
        f.setPixelSize(px);
        return advance(f, caption) <= usable;
    };
    int px = std::clamp(own.pixelSize() * usable / natural, 1, own.pixelSize() - 1);
    while (px > 1 && !fits(px))
        --px;
    while (px + 1 < own.pixelSize() && fits(px + 1))
        ++px;
    m_fittedFont = own;
    m_fittedFont.setPixelSize(px);
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // While the layout builds the label it has no caption yet, and keeps the
    // layout's size.
    if (event->type() == QEvent::FontChange && !text().isEmpty())
        fit();
}

void TLabel::paintEvent(QPaintEvent *event)
{
    if (!m_fitted) {
        QLabel::paintEvent(event);
        return;
    }
    const QFont &f = m_fittedFont;
    // The caption at full size would sit at the top with its centre at half
    // a line; the smaller one is moved down to keep that centre.
    const int fullLine = fontMetrics().height();
    const QFontMetrics small(f);
    QPainter p(this);
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    const int top = (fullLine - small.height()) / 2;
    p.drawText(QRect(0, top, width(), small.height()), Qt::AlignLeft | Qt::AlignTop, text());
}

#include "controls/tlabel.h"

#include "controls/fontprops.h"

#include <QAccessible>
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

int TLabel::naturalWidth() const
{
    return advance(font(), text());
}

int TLabel::room() const
{
    return m_rightLimit > x() ? m_rightLimit - x() : 0;
}

void TLabel::setCaption(const QString &caption)
{
    const bool changed = caption != text();
    setText(caption);
    if (changed) {
        // The caption is the label's accessible name: tell assistive
        // technology the value it reads has changed.
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    const int natural = std::max(naturalWidth(), 1);
    const int limit = room();
    resize(limit > 0 ? std::min(natural, limit) : natural, height());
}

QFont TLabel::drawnFont() const
{
    const int limit = room();
    QFont f = font();
    if (limit <= 0 || naturalWidth() <= limit)
        return f;
    const QString caption = text();
    for (int px = f.pixelSize() - 1; px > 1; --px) {
        f.setPixelSize(px);
        if (advance(f, caption) <= limit)
            return f;
    }
    f.setPixelSize(1);
    return f;
}

void TLabel::paintEvent(QPaintEvent *event)
{
    const QFont f = drawnFont();
    if (f == font()) {
        QLabel::paintEvent(event);
        return;
    }
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

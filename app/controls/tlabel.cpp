#include "controls/tlabel.h"

#include "controls/fontprops.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

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

int TLabel::naturalWidth() const
{
    return fontMetrics().horizontalAdvance(text());
}

int TLabel::room() const
{
    return m_rightLimit > x() ? m_rightLimit - x() : 0;
}

void TLabel::setCaption(const QString &caption)
{
    setText(caption);
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
        if (QFontMetrics(f).horizontalAdvance(caption) <= limit)
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

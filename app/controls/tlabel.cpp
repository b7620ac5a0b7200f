// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/tlabel.h"

#include "app/controls/fontprops.h"
#include "app/controls/legibility.h"

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

// The width a caption takes from the label's left side: its exact advance,
// rounded up (on a scaled screen the rounded integer advance can fall short
// of the drawn text by a fraction of a pixel), or, with an edge of `edge`
// pixels, as far as that edge reaches. `shift` is how far right the caption
// is drawn for its edge to clear the label's left side.
struct Extent {
    int width;
    qreal shift;
};

Extent extentOf(const QFont &f, const QString &text, int edge)
{
    const QFontMetricsF metrics(f);
    const qreal advance = metrics.horizontalAdvance(text);
    const QRectF ink = metrics.boundingRect(text);
    // Windows smooths a glyph's outer strokes a pixel beyond the bounds its
    // font engine states: that pixel is kept inside the label too.
    constexpr int smoothing = 1;
    if (edge == 0)
        return {static_cast<int>(std::ceil(std::max(advance, ink.right() + smoothing))), 0};
    // The ink's bounds are whole pixels; a pixel more on each side holds the
    // edge's smoothed rim.
    const qreal shift = std::max<qreal>(0, edge + 1 + smoothing - ink.left());
    return {static_cast<int>(std::ceil(std::max(advance, shift + ink.right() + edge + 1 + smoothing))), shift};
}

} // namespace

// Read from the siblings each time the caption is fitted, so it is always
// the layout as it stands: the nearest label that starts right of this one
// and shares its height, and the innermost frame holding its left edge.
// Labels are frames too, but draw none. 0: nothing ends the room.
int TLabel::room() const
{
    const QWidget *parent = parentWidget();
    if (!parent)
        return 0;
    const QRect own = geometry();
    int limit = 0;
    const auto narrow = [&limit](int right) {
        if (limit == 0 || right < limit)
            limit = right;
    };
    for (const QObject *child : parent->children()) {
        const auto *w = qobject_cast<const QWidget *>(child);
        if (!w || w == this || w->isWindow())
            continue;
        const QRect r = w->geometry();
        if (qobject_cast<const QLabel *>(w)) {
            if (r.left() > own.left() && r.top() <= own.bottom() && own.top() <= r.bottom())
                narrow(r.left());
        } else if (const auto *frame = qobject_cast<const QFrame *>(w); frame != nullptr && r.contains(own.topLeft())) {
            narrow(frame->mapToParent(frame->contentsRect().topRight()).x() + 1);
        }
    }
    return limit > own.left() ? limit - own.left() : 0;
}

void TLabel::setCaption(const QString &caption)
{
    // The caption is the label's accessible name; QLabel itself tells
    // assistive technology when it changes, and only then.
    setText(caption);
    fit();
}

// Sizes the label to its caption, and its edge where it has one, and, where
// the caption is longer than its room, finds the largest pixel size at which
// it fits. A caption that needs shrinking also keeps a gap of an eighth of its
// full size clear before the room's end: drawn right up to the next digit,
// "-8192" would read as "-81920".
void TLabel::fit()
{
    const QString caption = text();
    const QFont own = font();
    m_edge = captionEdge(this, fontColor());
    const Extent full = extentOf(own, caption, edgeWidth(own));
    const int natural = std::max(full.width, 1);
    const int limit = room();
    const int usable = limit - std::max(1, own.pixelSize() / 8);
    resize(limit > 0 ? std::min(natural, limit) : natural, height());
    m_fitted = limit > 0 && natural > usable && own.pixelSize() > 1;
    m_shift = full.shift;
    update();
    if (!m_fitted)
        return;
    // Text width grows about in proportion to the size: start there and
    // correct by single pixels for hinting.
    QFont f = own;
    const auto fits = [&](int px) {
        f.setPixelSize(px);
        return extentOf(f, caption, edgeWidth(f)).width <= usable;
    };
    int px = std::clamp(own.pixelSize() * usable / natural, 1, own.pixelSize() - 1);
    while (px > 1 && !fits(px))
        --px;
    while (px + 1 < own.pixelSize() && fits(px + 1))
        ++px;
    m_fittedFont = own;
    m_fittedFont.setPixelSize(px);
    m_shift = extentOf(m_fittedFont, caption, edgeWidth(m_fittedFont)).shift;
}

int TLabel::edgeWidth(const QFont &f) const
{
    return m_edge.isValid() ? captionEdgeWidth(f.pixelSize()) : 0;
}

bool TLabel::event(QEvent *event)
{
    const bool done = QLabel::event(event);
    // The layout sets the first caption through QLabel itself, which
    // setCaption never sees: size the label to it before it is first shown.
    if (event->type() == QEvent::Polish && !text().isEmpty())
        fit();
    return done;
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // While the layout builds the label it has no caption yet, and keeps the
    // layout's size. A new palette may bring a window colour on which the
    // caption needs an edge, or no longer does.
    if ((event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) && !text().isEmpty())
        fit();
}

void TLabel::paintEvent(QPaintEvent * /*event*/)
{
    const QFont f = drawnFont();
    const QFontMetrics drawn(f);
    // The caption at full size would sit at the top with its centre at half
    // a line; a smaller one is moved down to keep that centre.
    const int top = m_fitted ? (fontMetrics().height() - drawn.height()) / 2 : 0;
    const QRectF area(m_shift, top, width(), drawn.height());
    const int flags = Qt::AlignLeft | Qt::AlignTop;
    QPainter p(this);
    p.setFont(f);
    if (m_edge.isValid())
        m_edgePainter.paint(&p, m_edge, edgeWidth(f), area, flags, text());
    p.setPen(fontColor());
    p.drawText(area, flags, text());
}

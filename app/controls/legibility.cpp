// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/legibility.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPalette>
#include <QStringList>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double readable = 3.0;

double luminance(const QColor &c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Shows a widget's tooltip wrapped, where QWidget would show it as it is.
class ToolTipWrapper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(watched);
        if (w->toolTip().isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), wrappedToolTip(w->toolTip()), w, QRect(),
                           w->toolTipDuration());
        return true;
    }
};

// The caption as drawText shows it: with shortcuts shown, '&' before a
// character underlines it; with them shown or hidden, "&&" is one '&' and
// other '&' are dropped.
struct Shown {
    QString text;
    QList<qsizetype> underlined;
};

Shown shownCaption(const QString &text, int flags)
{
    const bool hide = (flags & Qt::TextHideMnemonic) != 0;
    if (!hide && (flags & Qt::TextShowMnemonic) == 0)
        return {text, {}};
    Shown out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (++i == text.size())
                break;
            if (!hide && text.at(i) != QLatin1Char('&'))
                out.underlined << out.text.size();
        }
        out.text += text.at(i);
    }
    return out;
}

// The glyphs and underlines of a caption as p->drawText(rect, flags, text)
// places them under the painter's transform `device`.
QPainterPath captionPath(const QFont &font, const QRectF &rect, int flags, const QString &text, const QTransform &device)
{
    const QFontMetricsF metrics(font);
    const QRectF laid = metrics.boundingRect(rect, flags, text);
    // Glyphs are drawn on whole device pixels vertically: so is their outline.
    QPointF baseline = device.map(QPointF(laid.left(), laid.top() + metrics.ascent()));
    baseline.setY(std::round(baseline.y()));
    baseline = device.inverted().map(baseline);
    const Shown shown = shownCaption(text, flags);
    QPainterPath path;
    path.addText(baseline, font, shown.text);
    // Where QPainter puts an underline: centred half a pixel below the whole
    // pixel under the font's underline position, from and to whole pixels.
    const qreal under = baseline.y() + std::min(std::ceil(metrics.underlinePos()) + 0.5, metrics.descent());
    for (const qsizetype i : shown.underlined) {
        const qreal from = std::floor(baseline.x() + metrics.horizontalAdvance(shown.text.left(i)));
        const qreal to = std::floor(baseline.x() + metrics.horizontalAdvance(shown.text.left(i + 1)));
        path.addRect(QRectF(from, under - metrics.lineWidth() / 2, to - from, metrics.lineWidth()));
    }
    return path;
}

// The bands of `width` on either side of each contour of `path`: with the
// caption drawn over them, an edge of `width` all round, rounded at corners.
// A band does not depend on the other contours, and Qt fills the bands one by
// one in about a third of the time it takes to fill them as one path.
QList<QPainterPath> edgeBands(const QPainterPath &path, int width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(2 * width);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    QList<QPainterPath> bands;
    QPainterPath contour;
    const auto close = [&] {
        if (!contour.isEmpty())
            bands << stroker.createStroke(contour);
        contour = QPainterPath();
    };
    int i = 0;
    while (i < path.elementCount()) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            close();
            contour.moveTo(e);
        } else if (e.isLineTo()) {
            contour.lineTo(e);
        } else {  // a curve: its first control point, then its second and its end
            contour.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
        }
        ++i;
    }
    close();
    return bands;
}

void fillBands(QPainter *p, const QList<QPainterPath> &bands, const QColor &colour)
{
    p->setRenderHint(QPainter::Antialiasing);
    for (const QPainterPath &band : bands)
        p->fillPath(band, colour);
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor captionEdge(const QWidget *w, const QColor &ink)
{
    const QColor ground = w->palette().color(QPalette::Window);
    if (contrastRatio(ink, ground) >= readable)
        return {};
    const QColor text = w->window()->palette().color(QPalette::WindowText);
    if (contrastRatio(text, ground) >= readable)
        return text;
    return contrastRatio(Qt::black, ground) >= contrastRatio(Qt::white, ground) ? QColor(Qt::black) : QColor(Qt::white);
}

int captionEdgeWidth(int pixelSize)
{
    // Two pixels around the 43-pixel digits, one around a dialog's caption.
    return std::max(1, pixelSize / 20);
}

void CaptionEdge::paint(QPainter *p, const QColor &colour, int width, const QRectF &rect, int flags,
                        const QString &text)
{
    // Only the painter's scale and where within a device pixel the caption
    // falls shape the edge; moving it by whole pixels does not.
    const QTransform t = p->deviceTransform();
    const QPointF whole(std::floor(t.dx()), std::floor(t.dy()));
    const QTransform device(t.m11(), t.m12(), t.m21(), t.m22(), t.dx() - whole.x(), t.dy() - whole.y());
    if (text != m_text || p->font() != m_font || rect != m_rect || flags != m_flags || width != m_width
        || colour != m_colour || device != m_device) {
        m_text = text;
        m_font = p->font();
        m_rect = rect;
        m_flags = flags;
        m_width = width;
        m_colour = colour;
        m_device = device;
        const QPainterPath glyphs = captionPath(m_font, rect, flags, text, device);
        m_bands = edgeBands(glyphs, width);
        m_image = QImage();
        // Filling the bands takes many times as long as drawing the caption:
        // on a plain scale they are filled once, into device pixels, and the
        // pixels copied.
        if (t.type() <= QTransform::TxScale && t.m11() == t.m22() && t.m11() > 0) {
            const QRectF reach = glyphs.boundingRect().adjusted(-width, -width, width, width);
            const QRect area = device.mapRect(reach).toAlignedRect();
            m_image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
            m_image.fill(Qt::transparent);
            QPainter fill(&m_image);
            fill.setTransform(device * QTransform::fromTranslate(-area.left(), -area.top()));
            fillBands(&fill, m_bands, colour);
            fill.end();
            m_image.setDevicePixelRatio(t.m11());
            m_corner = area.topLeft();
        }
    }
    if (!m_image.isNull()) {
        p->drawImage(t.inverted().map(QPointF(m_corner) + whole), m_image);
        return;
    }
    p->save();
    fillBands(p, m_bands, colour);
    p->restore();
}

QString wrappedToolTip(const QString &text)
{
    constexpr qsizetype columns = 60;
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        // Only plain spaces break: a no-break space keeps a one-letter word
        // with the next, as Czech writing wants.
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > columns) {
                lines << line;
                line.clear();
            }
            if (!line.isEmpty())
                line += QLatin1Char(' ');
            line += word;
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

void installToolTipWrapping()
{
    qApp->installEventFilter(new ToolTipWrapper(qApp));
}

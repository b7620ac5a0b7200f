// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/legibility.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QToolTip>
#include <QTransform>
#include <QWidget>
#include <QtMath>

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

// Rings of copies of the caption, one pixel apart, close enough to leave no
// gap at the thin strokes of a small caption.
void drawRings(QPainter *p, const QColor &colour, int width, const QRectF &rect, int flags, const QString &text)
{
    p->save();
    p->setPen(colour);
    for (int radius = width; radius > 0; --radius) {
        for (int i = 0; i < 16; ++i) {
            const qreal a = 2 * M_PI * i / 16;
            p->drawText(rect.translated(radius * std::cos(a), radius * std::sin(a)), flags, text);
        }
    }
    p->restore();
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
    // The caption lands where the painter's transform puts it, in device
    // pixels; only the part of a pixel it starts at shapes its drawing, so
    // the edge is drawn into an image placed on whole device pixels.
    const QTransform t = p->deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() != t.m22() || t.m11() <= 0) {
        drawRings(p, colour, width, rect, flags, text);
        return;
    }
    const qreal scale = t.m11();
    const QPointF at = t.map(rect.topLeft());
    const QPoint whole(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    const QPointF part = at - QPointF(whole);
    if (text != m_text || p->font() != m_font || rect.size() != m_size || flags != m_flags || width != m_width
        || colour != m_colour || scale != m_scale || part != m_part) {
        m_text = text;
        m_font = p->font();
        m_size = rect.size();
        m_flags = flags;
        m_width = width;
        m_colour = colour;
        m_scale = scale;
        m_part = part;
        const int margin = static_cast<int>(std::ceil(width * scale)) + 1;
        const QSize size = (rect.size() * scale).toSize() + QSize(2 * margin + 1, 2 * margin + 1);
        m_image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        m_image.fill(Qt::transparent);
        QPainter ip(&m_image);
        ip.setTransform(QTransform::fromTranslate(margin + part.x(), margin + part.y()).scale(scale, scale));
        ip.setFont(m_font);
        drawRings(&ip, colour, width, QRectF(QPointF(0, 0), rect.size()), flags, text);
        ip.end();
        m_image.setDevicePixelRatio(scale);
        m_margin = margin;
    }
    p->drawImage(t.inverted().map(QPointF(whole - QPoint(m_margin, m_margin))), m_image);
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

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/legibility.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QToolTip>
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

void drawCaptionEdge(QPainter *p, const QColor &edge, int width, const std::function<void(const QPointF &)> &draw)
{
    p->save();
    p->setPen(edge);
    // Rings of copies, one pixel apart, close enough to leave no gap at the
    // thin strokes of a small caption.
    for (int radius = width; radius > 0; --radius) {
        for (int i = 0; i < 16; ++i) {
            const qreal a = 2 * M_PI * i / 16;
            draw(QPointF(radius * std::cos(a), radius * std::sin(a)));
        }
    }
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

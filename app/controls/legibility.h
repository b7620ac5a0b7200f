// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QTransform>

class QPainter;
class QWidget;

// Contrast of two colours as WCAG 2 defines it: from 1 (alike) to 21 (black
// on white).
double contrastRatio(const QColor &a, const QColor &b);

// The one rule for coloured captions on whatever palette the desktop gives:
// a caption whose own colour stands out from the window colour `w` is filled
// with by less than 3:1 (what large text needs to be read) gets an edge in a
// colour that does, and keeps its own colour inside. That is the window's text
// colour, or black or white where even that one does not stand out. Returns
// the edge's colour, or an invalid colour where the caption needs none.
QColor captionEdge(const QWidget *w, const QColor &ink);

// How far the edge reaches beyond the glyphs of a font of `pixelSize`.
int captionEdgeWidth(int pixelSize);

// The edge of one caption: the outlines of its glyphs, and of its shortcut's
// underline, widened by the edge's width on either side and filled in the
// edge's colour; the caption drawn over them covers the inner half. It is kept
// filled, so that a paint only copies it, and made again only when the
// caption, its font, its place, the edge or the painter's scale change.
class CaptionEdge
{
public:
    // Paints the edge of `text` where p->drawText(rect, flags, text) in the
    // painter's font draws it (flags may include Qt::TextShowMnemonic).
    void paint(QPainter *p, const QColor &colour, int width, const QRectF &rect, int flags, const QString &text);

private:
    QString m_text;
    QFont m_font;
    QRectF m_rect;
    int m_flags = 0;
    int m_width = 0;
    QColor m_colour;
    QTransform m_device;  // the painter's, moved by less than a device pixel
    QList<QPainterPath> m_bands;  // round each contour of the caption's glyphs
    QImage m_image;  // the bands filled, in device pixels; null where it cannot be copied 1:1
    QPoint m_corner;  // of the image, in device pixels under m_device
};

// Tooltips stay plain text, broken into lines of about 60 characters: Qt
// itself wraps a plain one only where it would not fit the screen.
QString wrappedToolTip(const QString &text);
void installToolTipWrapping();

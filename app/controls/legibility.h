// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

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

// The edge of one caption: copies of it in the edge's colour, in rings out to
// the edge's width, with the caption drawn over them afterwards. Drawing the
// rings takes some forty times as long as the caption itself, so they are
// drawn once into an image, which each paint copies, and drawn again only
// when the caption, its font, the edge or where it falls within a device
// pixel change.
class CaptionEdge
{
public:
    // Paints the edge of `text` where p->drawText(rect, flags, text) in the
    // painter's font draws it.
    void paint(QPainter *p, const QColor &colour, int width, const QRectF &rect, int flags, const QString &text);

private:
    QString m_text;
    QFont m_font;
    QSizeF m_size;
    int m_flags = 0;
    int m_width = 0;
    QColor m_colour;
    qreal m_scale = 0;  // device pixels per pixel
    QPointF m_part;     // where the caption starts within a device pixel
    QImage m_image;     // in device pixels
    int m_margin = 0;   // of the image round the caption's rectangle, in device pixels
};

// Tooltips stay plain text, broken into lines of about 60 characters: Qt
// itself wraps a plain one only where it would not fit the screen.
QString wrappedToolTip(const QString &text);
void installToolTipWrapping();

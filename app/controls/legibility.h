// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <functional>

class QPainter;
class QPointF;
class QString;
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

// Paints the edge: `draw` draws the caption moved by the offset it is given,
// in the painter's pen, which is set to `edge` here. The caption itself is
// drawn over it afterwards.
void drawCaptionEdge(QPainter *p, const QColor &edge, int width, const std::function<void(const QPointF &)> &draw);

// Tooltips stay plain text, broken into lines of about 60 characters: Qt
// itself wraps a plain one only where it would not fit the screen.
QString wrappedToolTip(const QString &text);
void installToolTipWrapping();

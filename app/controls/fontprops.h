// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QColor;
class QWidget;

// Font height in the layouts' convention: a negative height is the character
// height in pixels, a positive one the cell height (taken here as pixels too).
void applyFontHeight(QWidget *w, int height);
int fontHeightOf(const QWidget *w);

// Text colour of a label or a button's caption.
void applyFontColor(QWidget *w, const QColor &color);

// The layouts name Windows fonts; point Qt at metric-compatible faces.
void installFontSubstitutes();

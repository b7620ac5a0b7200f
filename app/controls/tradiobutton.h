// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/controls/legibility.h"

#include <QRadioButton>

// A radio button with its own font height and caption colour; those with the
// same parent exclude each other, and all start unchecked. A caption whose
// colour hardly differs from the window colour is drawn with an edge that
// does (see captionEdge).
class TRadioButton : public QRadioButton
{
    Q_OBJECT
    Q_PROPERTY(int fontHeight READ fontHeight WRITE setFontHeight)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)

public:
    explicit TRadioButton(QWidget *parent = nullptr);

    int fontHeight() const;
    void setFontHeight(int height);
    QColor fontColor() const;
    void setFontColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CaptionEdge m_edgePainter;
};

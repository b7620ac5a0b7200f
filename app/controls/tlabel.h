// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/controls/legibility.h"

#include <QLabel>

// A label that sizes itself to its caption from a fixed left edge, opaque on
// the window colour. Its room ends where the layout ends it: at the next
// label to its right on its row, or else at the inner edge of the frame it
// sits in (without either it has no limit). Where that is short of the
// caption, the caption is drawn in the same font made just small enough to
// fit with a gap to spare, keeping the left edge and the vertical centre, so
// neighbouring values never smear into each other. A caption whose colour
// hardly differs from the window colour is drawn with an edge that does (see
// captionEdge).
class TLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(int fontHeight READ fontHeight WRITE setFontHeight)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)

public:
    explicit TLabel(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);

    int fontHeight() const;
    void setFontHeight(int height);
    QColor fontColor() const;
    void setFontColor(const QColor &color);

    // The font the caption is drawn in: the label's own, or a smaller one
    // when the caption does not fit its room.
    QFont drawnFont() const { return m_fitted ? m_fittedFont : font(); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int room() const;
    void fit();
    int edgeWidth(const QFont &f) const;

    bool m_fitted = false;  // the caption is drawn in m_fittedFont
    QFont m_fittedFont;
    QColor m_edge;  // invalid where the caption needs no edge
    CaptionEdge m_edgePainter;
    qreal m_shift = 0;  // the caption's offset from the left side, for its edge
};

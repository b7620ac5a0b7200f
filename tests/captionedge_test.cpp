// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/fontprops.h"
#include "app/controls/tlabel.h"
#include "app/controls/tradiobutton.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QTest>
#include <QtMath>

#include <algorithm>
#include <memory>

class CaptionEdgeTest : public QObject
{
    Q_OBJECT

private slots:
    void edgeIsClosedAndAsWideAsItShouldBe_data();
    void edgeIsClosedAndAsWideAsItShouldBe();
};

void CaptionEdgeTest::edgeIsClosedAndAsWideAsItShouldBe_data()
{
    QTest::addColumn<bool>("radio");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("window");
    QTest::addColumn<int>("width");  // of the edge, in the window's pixels
    const QColor yellow(255, 255, 0);
    const QColor blue(0, 0, 255);
    const QColor light(0xef, 0xef, 0xef);
    const QColor dark(0x32, 0x32, 0x32);  // as GNOME's dark theme gives it
    QTest::newRow("digits, yellow on light") << false << 43 << QStringLiteral("-8192") << yellow << light << 2;
    QTest::newRow("digit, blue on dark") << false << 43 << QStringLiteral("4") << blue << dark << 2;
    QTest::newRow("small digits, blue on dark") << false << 24 << QStringLiteral("-32768") << blue << dark << 1;
    QTest::newRow("choice, blue on dark") << true << 13 << QStringLiteral("&Modrá") << blue << dark << 1;
    QTest::newRow("choice, yellow on light") << true << 13 << QStringLiteral("Č&ervená") << yellow << light << 1;
}

// The edge round a caption that needs one is closed and as wide as the
// caption's size asks, round thin strokes and a shortcut's underline alike,
// and reaches no farther: no pixel of the caption's own colour comes that near
// the ground, and no pixel off the ground lies farther than that, and the
// smoothed rims, from a pixel of at least half the caption's colour.
void CaptionEdgeTest::edgeIsClosedAndAsWideAsItShouldBe()
{
    QFETCH(bool, radio);
    QFETCH(int, pixelSize);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    QFETCH(QColor, window);
    QFETCH(int, width);
    std::unique_ptr<QWidget> w(radio ? static_cast<QWidget *>(new TRadioButton) : new TLabel);
    w->setPalette(QPalette(window));
    const QColor ground = w->palette().color(QPalette::Window);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(pixelSize);
    w->setFont(f);
    applyFontColor(w.get(), colour);
    QRect area;
    if (auto *b = qobject_cast<TRadioButton *>(w.get())) {  // its caption, not its round mark
        b->setText(caption);
        b->resize(113, 17);
        QStyleOptionButton o;
        o.initFrom(b);
        area = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, b);
    } else {
        auto *l = static_cast<TLabel *>(w.get());
        l->setCaption(caption);
        l->resize(l->width(), pixelSize * 6 / 5);
        area = l->rect();
    }
    const QImage shot = w->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    const QRect px(QPoint(qCeil(area.left() * dpr), qCeil(area.top() * dpr)),
                   QPoint(qFloor((area.right() + 1) * dpr) - 1, qFloor((area.bottom() + 1) * dpr) - 1));
    const auto off = [&shot](QPoint p, const QColor &c) {
        const QColor s = shot.pixelColor(p);
        return std::max({qAbs(s.red() - c.red()), qAbs(s.green() - c.green()), qAbs(s.blue() - c.blue())});
    };
    const auto isGround = [&](QPoint p) { return off(p, ground) <= 8; };
    const auto isCaption = [&](QPoint p) { return off(p, colour) <= 128; };  // thin strokes are no more
    const auto within = [&px](QPoint p, qreal r, const auto &is) {
        const int n = qFloor(r);
        for (int dy = -n; dy <= n; ++dy) {
            for (int dx = -n; dx <= n; ++dx) {
                const QPoint q = p + QPoint(dx, dy);
                if (dx * dx + dy * dy <= r * r && px.contains(q) && is(q))
                    return true;
            }
        }
        return false;
    };
    const qreal edge = width * dpr;
    // The rims of glyphs and edge are a device pixel each; hinting moves the
    // glyphs by up to half a pixel.
    const qreal reach = edge + 1.5 + dpr / 2;
    int own = 0;
    for (int y = px.top(); y <= px.bottom(); ++y) {
        for (int x = px.left(); x <= px.right(); ++x) {
            const QPoint p(x, y);
            if (off(p, colour) <= 48) {
                ++own;
                if (within(p, edge, isGround))
                    QFAIL(qPrintable(QStringLiteral("ground within %1 px of the caption at %2,%3").arg(edge).arg(x).arg(y)));
            } else if (!isGround(p) && !within(p, reach, isCaption)) {
                QFAIL(qPrintable(QStringLiteral("the edge reaches beyond %1 px at %2,%3").arg(reach).arg(x).arg(y)));
            }
        }
    }
    QVERIFY2(own > 20, "the caption keeps its own colour");
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutes();
    CaptionEdgeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "captionedge_test.moc"

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/formsfixture.h"

#include "app/controls/tapplication.h"
#include "app/controls/tlabel.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"

#include <QApplication>
#include <QFontInfo>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtMath>
#include <QTest>

#include <utility>

namespace {

// The digit that follows a digit on its row: d1 after d2, d0 after d1.
const TLabel *nextDigit(const TLabel *l)
{
    const QString name = l->objectName();
    for (const auto &[at, next] : {std::pair{"_1", "_2"}, std::pair{"_2", "_3"}}) {
        if (name.endsWith(QLatin1String(at)))
            return Form1->findChild<TLabel *>(name.chopped(2) + QLatin1String(next));
    }
    return nullptr;
}

// The room a value label may draw in: from its left edge to the next digit,
// where one follows, inside its frame's border.
QRect roomOf(const TLabel *l, const QFrame *frame)
{
    const QRect inside(frame->mapTo(Form1, frame->contentsRect().topLeft()), frame->contentsRect().size());
    const TLabel *next = nextDigit(l);
    const int right = next ? next->x() - 1 : inside.right();
    return QRect(QPoint(l->x(), l->y()), QPoint(right, l->geometry().bottom())).intersected(inside);
}

// A caption cut off at its label's right edge leaves the full colour of its
// stroke in the label's last column of pixels; a whole one at most the
// blend of an anti-aliased edge.
bool drawnWhole(const TLabel *l)
{
    const fixture::Ink ink = fixture::inkIn(Form1, l->geometry());
    const QImage shot = Form1->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    const int x = qCeil((l->geometry().right() + 1) * dpr) - 1;
    for (int y = qCeil(l->y() * dpr); y < qFloor((l->geometry().bottom() + 1) * dpr); ++y) {
        if (fixture::near(shot.pixelColor(x, y), ink.strongest))
            return false;
    }
    return !ink.colours.isEmpty();
}

QPalette darkPalette()
{
    // As GNOME's dark theme gives it to Qt.
    QPalette p(QColor(0x32, 0x32, 0x32));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, Qt::white);
    p.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    return p;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { fixture::takeShownFailures(); }
    void cleanup() { QVERIFY(fixture::takeShownFailures().isEmpty()); }

    void startupShowsTheFirstDraw() const;
    void windowProperties();
    void valuesAreDrawnInTheirColoursInsideTheirFrames_data();
    void valuesAreDrawnInTheirColoursInsideTheirFrames();
    void longResultFitsItsRoom();
    void narrowerRoomRefitsTheCaption();
    void shortResultKeepsTheSpecifiedFont();
    void captionsStandOutWholeOnLightAndDark_data();
    void captionsStandOutWholeOnLightAndDark();

private:
    // The window as start-up left it, seen before any test changes it, so
    // that the tests run in any order and each on its own.
    struct {
        QStringList captions;
        QString arialFace;
        QStringList cutOff;
    } m_atStartup;
};

void MainWindowTest::initTestCase()
{
    QVERIFY(fixture::startForms());
    m_atStartup.captions = fixture::captions();
    m_atStartup.arialFace = QFontInfo(Form1->zluta->font()).family();
    for (TLabel *l : Form1->findChildren<TLabel *>()) {
        if (!drawnWhole(l))
            m_atStartup.cutOff << l->objectName();
    }
}

void MainWindowTest::startupShowsTheFirstDraw() const
{
    // The fixed generator's first draws are 16838 and 5758: blue 4, red 1.
    QCOMPARE(m_atStartup.captions,
             QStringList({"4", "1", "0", "0", "1", "0", "0", "1", "0", "0", "0", "0"}));
    // In the face Arial resolves to here (the test's font setup names it),
    // every caption is drawn whole from the first paint, the yellow ones,
    // which start-up does not touch, included.
    QCOMPARE(m_atStartup.arialFace, qEnvironmentVariable("BITOVKA_ARIAL", "Liberation Sans"));
    QCOMPARE(m_atStartup.cutOff, QStringList());
}

void MainWindowTest::windowProperties()
{
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Bitovka"));
    QCOMPARE(Form1->size(), QSize(360, 358));
    QCOMPARE(Form1->minimumSize(), QSize(360, 358));
    QCOMPARE(Form1->maximumSize(), QSize(360, 358));
    QCOMPARE(Form1->pos(), QPoint(345, 182));
    const Qt::WindowFlags f = Form1->windowFlags();
    QVERIFY(f & Qt::WindowMinimizeButtonHint);
    QVERIFY(f & Qt::WindowSystemMenuHint);
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QCOMPARE(QFontInfo(Form1->font()).family(), qEnvironmentVariable("BITOVKA_ARIAL", "Liberation Sans"));
    QCOMPARE(Form1->font().pixelSize(), 11);
    QCOMPARE(Application->MainForm(), Form1);
}

void MainWindowTest::valuesAreDrawnInTheirColoursInsideTheirFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QColor>("color");
    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    const QColor yellow(255, 255, 0);
    for (const char *place : {"", "_1", "_2", "_3"}) {
        const bool decimal = *place == '\0';
        QTest::addRow("modra%s", place) << QStringLiteral("modra%1").arg(place) << (decimal ? "Bevel1" : "Bevel4") << blue;
        QTest::addRow("cervena%s", place) << QStringLiteral("cervena%1").arg(place) << (decimal ? "Bevel2" : "Bevel5") << red;
        QTest::addRow("zluta%s", place) << QStringLiteral("zluta%1").arg(place) << (decimal ? "Bevel3" : "Bevel6") << yellow;
    }
}

// Each value is drawn large, in its colour, inside its frame and clear of
// the frame's border; a longer one grows to the right from the same place.
void MainWindowTest::valuesAreDrawnInTheirColoursInsideTheirFrames()
{
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QColor, color);
    auto *l = Form1->findChild<TLabel *>(name);
    const QRect room = roomOf(l, Form1->findChild<QFrame *>(frame));
    const QString before = l->Caption();
    l->setCaption(QStringLiteral("0"));
    const fixture::Ink zero = fixture::inkIn(Form1, room);
    l->setCaption(QStringLiteral("-1"));
    const fixture::Ink longer = fixture::inkIn(Form1, room);
    l->setCaption(before);

    QVERIFY2(fixture::shareOf(zero, color) >= 0.2, qPrintable(zero.strongest.name()));
    QVERIFY(zero.box.height() > 24);
    QVERIFY(room.adjusted(1, 2, -1, -2).contains(zero.box));
    QVERIFY(qAbs(longer.box.left() - zero.box.left()) <= 3);
    QVERIFY(longer.box.right() > zero.box.right());
}

// After 13 shifts "-32768" and "-8192" are too long for their rooms: each
// is drawn smaller, in its colour, whole, on the line of the full-size
// digits, and with a visible gap before the next digit or the frame.
void MainWindowTest::longResultFitsItsRoom()
{
    fixture::setOperands(4, 0);
    for (int i = 0; i < 13; ++i)
        QVERIFY(fixture::click("Button4"));
    QCOMPARE(fixture::yellow(), QStringList({"-32768", "-8192", "0", "0"}));
    const fixture::Ink full = fixture::inkIn(Form1, roomOf(Form1->zluta_2, Form1->Bevel6));
    const int fullCentre = full.box.center().y();
    for (TLabel *l : {Form1->zluta, Form1->zluta_1}) {
        const QRect room = roomOf(l, l == Form1->zluta ? Form1->Bevel3 : Form1->Bevel6);
        const fixture::Ink ink = fixture::inkIn(Form1, room);
        const QString what = QStringLiteral("%1: ink %2,%3 %4x%5 in room to %6")
                                 .arg(l->objectName()).arg(ink.box.x()).arg(ink.box.y())
                                 .arg(ink.box.width()).arg(ink.box.height()).arg(room.right());
        QVERIFY2(fixture::shareOf(ink, QColor(255, 255, 0)) >= 0.2, qPrintable(what));
        QVERIFY2(ink.box.right() <= room.right() - 3, qPrintable(what));
        // The label paints its ground: reaching past its room, it would wipe
        // out the frame's border or the next digit's left side.
        QVERIFY2(l->geometry().right() <= room.right(), qPrintable(what));
        QVERIFY2(ink.box.width() * 4 >= room.width() * 3, qPrintable(what));  // no smaller than needed
        QVERIFY2(ink.box.height() < full.box.height(), qPrintable(what));
        QVERIFY2(ink.box.top() > l->y() && ink.box.bottom() < l->geometry().bottom(), qPrintable(what));
        QVERIFY2(qAbs(ink.box.center().y() - fullCentre) <= 3, qPrintable(what));
    }
}

// The room is the frame's as it stands: in a narrower frame the same
// caption is fitted smaller, and at full width again once the frame is back.
void MainWindowTest::narrowerRoomRefitsTheCaption()
{
    fixture::setOperands(-2, 0);
    QVERIFY(fixture::click("Button5"));
    QCOMPARE(fixture::yellow().at(0), QStringLiteral("-1"));
    QFrame *frame = Form1->Bevel3;
    const QRect room = roomOf(Form1->zluta, frame);
    const int wide = fixture::inkIn(Form1, room).box.width();
    const QRect framed = frame->geometry();
    const int end = Form1->zluta->x() + 24;
    frame->setGeometry(framed.adjusted(0, 0, end + frame->frameWidth() - framed.right() - 1, 0));
    Form1->zluta->setCaption(QStringLiteral("-1"));
    const fixture::Ink narrow = fixture::inkIn(Form1, room);
    frame->setGeometry(framed);
    Form1->zluta->setCaption(QStringLiteral("-1"));
    QVERIFY2(narrow.box.right() < end, qPrintable(QString::number(narrow.box.right())));
    QVERIFY(narrow.box.width() < wide);
    QCOMPARE(fixture::inkIn(Form1, room).box.width(), wide);
}

void MainWindowTest::shortResultKeepsTheSpecifiedFont()
{
    fixture::setOperands(7, 0);
    QVERIFY(fixture::click("Button5"));
    QCOMPARE(fixture::yellow(), QStringList({"3", "0", "1", "1"}));
    for (TLabel *l : {Form1->zluta, Form1->zluta_1, Form1->zluta_2, Form1->zluta_3}) {
        QCOMPARE(l->drawnFont(), l->font());
        QVERIFY(l->width() >= qCeil(QFontMetricsF(l->font()).horizontalAdvance(l->Caption())));
    }
    // A negative value that still fits the decimal frame is drawn as is.
    fixture::setOperands(-2, 0);
    QVERIFY(fixture::click("Button5"));
    QCOMPARE(fixture::yellow(), QStringList({"-1", "0", "0", "-1"}));
    QCOMPARE(Form1->zluta->drawnFont(), Form1->zluta->font());
}

void MainWindowTest::captionsStandOutWholeOnLightAndDark_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("caption");
    for (const bool dark : {false, true}) {
        for (const char *caption : {"0", "4", "-12", "-32768"})
            QTest::addRow("%s %s", dark ? "dark" : "desktop", caption) << dark << QString::fromLatin1(caption);
    }
}

// Whatever the desktop's palette, the edge of every value and of the
// dialog's coloured captions stands out from its ground by 3:1 or more
// (WCAG 2, large text), while the glyph keeps its colour, left alone where
// that colour stands out by itself; and every value is drawn whole (this
// test also runs at scale 2, in another face, and on Windows' dark desktop).
void MainWindowTest::captionsStandOutWholeOnLightAndDark()
{
    QFETCH(bool, dark);
    QFETCH(QString, caption);
    // The desktop's own palette is light, unless the run has made it dark.
    if (!dark && qEnvironmentVariableIsSet("BITOVKA_DARK_DESKTOP"))
        QVERIFY2(QPalette().color(QPalette::Window).lightness() < 96, "the desktop's palette is not dark");
    // As a desktop switching its theme would (the application's palette
    // reaches the windows only in a running event loop).
    for (QWidget *w : {static_cast<QWidget *>(Form1), static_cast<QWidget *>(Form2)})
        w->setPalette(dark ? darkPalette() : QPalette());
    const QList<TLabel *> labels = Form1->findChildren<TLabel *>();
    QStringList before;
    for (TLabel *l : labels) {
        before << l->Caption();
        l->setCaption(caption);
    }
    QList<QWidget *> all(labels.cbegin(), labels.cend());
    all << Form2->RB1 << Form2->RB2;
    QStringList faults;
    for (QWidget *w : all) {
        const QString name = w->objectName();
        QColor own(255, 255, 0);
        if (name.startsWith("modra") || name == "RB1")
            own = QColor(0, 0, 255);
        else if (name.startsWith("cervena") || name == "RB2")
            own = QColor(255, 0, 0);
        QRect area = w->geometry();
        if (auto *b = qobject_cast<QRadioButton *>(w)) {  // its caption, not its round mark
            QStyleOptionButton o;
            o.initFrom(b);
            area = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, b).translated(b->pos());
        }
        const fixture::Ink ink = fixture::inkIn(w->window(), area);
        const QColor ground = w->window()->palette().color(QPalette::Window);
        auto *l = qobject_cast<TLabel *>(w);
        if (ink.edge < 3 || fixture::shareOf(ink, own) < 0.2 || (l && !drawnWhole(l))
            || (fixture::contrast(own, ground) >= 3 && !fixture::near(ink.strongest, own)))
            faults << QStringLiteral("%1: edge %2:1, %3 % %4").arg(name).arg(ink.edge, 0, 'f', 2)
                          .arg(qRound(100 * fixture::shareOf(ink, own))).arg(own.name());
    }
    for (int i = 0; i < labels.size(); ++i)
        labels.at(i)->setCaption(before.at(i));
    Form1->setPalette(QPalette());
    Form2->setPalette(QPalette());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mainwindow_test.moc"

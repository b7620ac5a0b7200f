// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formsfixture.h"

#include "controls/exception.h"
#include "controls/tapplication.h"
#include "controls/tbutton.h"
#include "controls/tlabel.h"
#include "forms/Unit1.h"
#include "registers/generator.h"
#include "registers/store.h"

#include <QFontInfo>
#include <QtMath>
#include <QTest>

namespace {

// The room a value label may draw in: from its left edge to its right limit,
// inside its frame's border.
QRect roomOf(const TLabel *l, const QFrame *frame)
{
    const QRect inside(frame->mapTo(Form1, frame->contentsRect().topLeft()), frame->contentsRect().size());
    return QRect(QPoint(l->x(), l->y()), QPoint(l->rightLimit() - 1, l->geometry().bottom())).intersected(inside);
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(fixture::startForms()); }
    void init() { fixture::takeShownFailures(); }
    void cleanup() { QVERIFY(fixture::takeShownFailures().isEmpty()); }

    // Must stay first: it sees the window as start-up left it.
    void startupShowsTheFirstDraw();
    void windowProperties();
    void valuesAreDrawnInTheirColoursInsideTheirFrames_data();
    void valuesAreDrawnInTheirColoursInsideTheirFrames();
    void enterAndEscRunNoCommand();
    void tabOrder();
    void generujRedrawsOperandsNotYellow();
    void throwingHandlerIsShownAndWindowGoesOn();
    void operations_data();
    void operations();
    void shiftChangesStoredBlueOnly();
    void acceleratorsReachTheSameHandlers_data();
    void acceleratorsReachTheSameHandlers();
    void longResultFitsItsRoom();
    void narrowerRoomRefitsTheCaption();
    void shortResultKeepsTheSpecifiedFont();
    void rightShiftOfNegativeEndsAtMinusOne();
    void noCaptionIsClipped();
};

void MainWindowTest::startupShowsTheFirstDraw()
{
    // The fixed generator's first draws are 16838 and 5758: blue 4, red 1.
    QCOMPARE(fixture::captions(),
             QStringList({"4", "1", "0", "0", "1", "0", "0", "1", "0", "0", "0", "0"}));
    // Drawn whole: each one-digit label is as wide as the layout's 24 pixels,
    // the yellow ones, which start-up does not touch, included.
    for (TLabel *l : Form1->findChildren<TLabel *>())
        QVERIFY2(l->width() == 24, qPrintable(QStringLiteral("%1 is %2 wide").arg(l->objectName()).arg(l->width())));
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
    QCOMPARE(QFontInfo(Form1->font()).family(), QStringLiteral("Liberation Sans"));
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

    QVERIFY2(fixture::near(zero.strongest, color), qPrintable(zero.strongest.name()));
    QVERIFY(zero.box.height() > 24);
    QVERIFY(room.adjusted(1, 2, -1, -2).contains(zero.box));
    QVERIFY(qAbs(longer.box.left() - zero.box.left()) <= 3);
    QVERIFY(longer.box.right() > zero.box.right());
}

// The main window has neither a default nor a cancel button: away from the
// buttons, Enter and Esc run no command.
void MainWindowTest::enterAndEscRunNoCommand()
{
    fixture::setOperands(5, 2);
    Form1->zluta->setCaption(QStringLiteral("7"));
    const QStringList before = fixture::captions();
    Form1->setFocus();
    QTest::keyClick(Form1, Qt::Key_Return);
    QTest::keyClick(Form1, Qt::Key_Escape);
    QCOMPARE(fixture::captions(), before);
}

void MainWindowTest::tabOrder()
{
    QWidget *w = Form1->Button1;
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (!qobject_cast<TButton *>(w))
            w = w->nextInFocusChain();
    }
    QCOMPARE(order, QStringList({"Button1", "Button2", "Button3", "Button4", "Button5",
                                 "Button6", "Button7", "Button8", "Button9"}));
}

void MainWindowTest::generujRedrawsOperandsNotYellow()
{
    fixture::setOperands(5, 2);
    QVERIFY(fixture::click("Button2"));
    const QStringList yellowBefore = fixture::yellow();
    QCOMPARE(yellowBefore, QStringList({"1", "1", "1", "1"}));

    QVERIFY(fixture::click("Button1"));
    const auto &s = registers::store();
    QStringList expected = {QString::number(s.modra_cislo),
                            QString::number(s.modra_cifry.d2),
                            QString::number(s.modra_cifry.d1),
                            QString::number(s.modra_cifry.d0),
                            QString::number(s.cervena_cislo),
                            QString::number(s.cervena_cifry.d2),
                            QString::number(s.cervena_cifry.d1),
                            QString::number(s.cervena_cifry.d0)};
    QCOMPARE(fixture::captions().mid(0, 8), expected);
    QCOMPARE(fixture::yellow(), yellowBefore);

    // Alt+G draws the next pair the same way.
    for (int i = 0; i < 4; ++i) {
        const auto stateBefore = registers::generator().state();
        QVERIFY(fixture::altKey(Form1, Qt::Key_G, Form1->Button1));
        QVERIFY(registers::generator().state() != stateBefore);
        QCOMPARE(fixture::captions().at(0), QString::number(registers::store().modra_cislo));
        QCOMPARE(fixture::captions().at(4), QString::number(registers::store().cervena_cislo));
        QCOMPARE(fixture::yellow(), yellowBefore);
    }
}

void MainWindowTest::throwingHandlerIsShownAndWindowGoesOn()
{
    auto failing = connect(Form1->Button2, &TButton::OnClick, this,
                           [] { throw Exception(QStringLiteral("pokus")); });
    fixture::setOperands(0, 0);
    QVERIFY(fixture::click("Button2"));
    QCOMPARE(fixture::takeShownFailures(), QStringList({"pokus"}));
    disconnect(failing);

    // Something that is not an Exception is shown with an empty message.
    failing = connect(Form1->Button3, &TButton::OnClick, this, [] { throw 42; });
    QVERIFY(fixture::click("Button3"));
    QCOMPARE(fixture::takeShownFailures(), QStringList({QString()}));
    disconnect(failing);

    fixture::setOperands(3, 3);
    QVERIFY(fixture::click("Button6"));
    QCOMPARE(fixture::yellow(), QStringList({"1", "0", "1", "1"}));
}

void MainWindowTest::operations_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("red");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("dis 0 0") << "Button2" << 0 << 0 << QStringList{"0", "0", "0", "0"};
    QTest::newRow("nerov 0 0") << "Button3" << 0 << 0 << QStringList{"0", "0", "0", "0"};
    QTest::newRow("konj 0 0") << "Button6" << 0 << 0 << QStringList{"0", "0", "0", "0"};
    QTest::newRow("dis 5 2") << "Button2" << 5 << 2 << QStringList{"1", "1", "1", "1"};
    QTest::newRow("konj 5 2") << "Button6" << 5 << 2 << QStringList{"1", "0", "0", "0"};
    QTest::newRow("nerov 3 3") << "Button3" << 3 << 3 << QStringList{"0", "0", "0", "0"};
    QTest::newRow("konj 3 3") << "Button6" << 3 << 3 << QStringList{"1", "0", "1", "1"};
    QTest::newRow("vetsi 8 7") << "Button8" << 8 << 7 << QStringList{"1", "0", "0", "0"};
    QTest::newRow("mensi 8 7") << "Button9" << 8 << 7 << QStringList{"0", "0", "0", "0"};
    QTest::newRow("vetsi 3 3") << "Button8" << 3 << 3 << QStringList{"0", "0", "0", "0"};
    QTest::newRow("mensi 0 8") << "Button9" << 0 << 8 << QStringList{"1", "0", "0", "0"};
    QTest::newRow("vlevo 5") << "Button4" << 5 << 2 << QStringList{"10", "2", "1", "0"};
    QTest::newRow("vpravo 7") << "Button5" << 7 << 2 << QStringList{"3", "0", "1", "1"};
    QTest::newRow("vpravo 1") << "Button5" << 1 << 0 << QStringList{"0", "0", "0", "0"};
}

// Each button changes the yellow row and nothing else on screen.
void MainWindowTest::operations()
{
    QFETCH(QString, button);
    QFETCH(int, blue);
    QFETCH(int, red);
    QFETCH(QStringList, expected);
    fixture::setOperands(blue, red);
    const QStringList before = fixture::captions();
    QVERIFY(fixture::click(button.toLatin1().constData()));
    const QStringList after = fixture::captions();
    QCOMPARE(after.mid(0, 8), before.mid(0, 8));
    QCOMPARE(after.mid(8), expected);
}

void MainWindowTest::shiftChangesStoredBlueOnly()
{
    fixture::setOperands(5, 2);
    QVERIFY(fixture::click("Button4"));
    QCOMPARE(fixture::yellow(), QStringList({"10", "2", "1", "0"}));
    QCOMPARE(fixture::captions().mid(0, 4), QStringList({"5", "1", "0", "1"}));
    // The next operation works with the shifted blue: 10 OR 2 is 10.
    QVERIFY(fixture::click("Button2"));
    QCOMPARE(fixture::yellow(), QStringList({"1", "2", "1", "0"}));
    // A second shift shifts the already shifted value.
    QVERIFY(fixture::click("Button4"));
    QCOMPARE(fixture::yellow(), QStringList({"20", "5", "0", "0"}));
    QCOMPARE(fixture::captions().mid(0, 4), QStringList({"5", "1", "0", "1"}));
}

void MainWindowTest::acceleratorsReachTheSameHandlers_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("red");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Alt+D") << int(Qt::Key_D) << 5 << 2 << QStringList{"1", "1", "1", "1"};
    QTest::newRow("Alt+N") << int(Qt::Key_N) << 3 << 3 << QStringList{"0", "0", "0", "0"};
    QTest::newRow("Alt+K") << int(Qt::Key_K) << 3 << 3 << QStringList{"1", "0", "1", "1"};
    QTest::newRow("Alt+V") << int(Qt::Key_V) << 4 << 2 << QStringList{"1", "0", "0", "0"};
    QTest::newRow("Alt+M") << int(Qt::Key_M) << 4 << 2 << QStringList{"0", "0", "0", "0"};
}

void MainWindowTest::acceleratorsReachTheSameHandlers()
{
    QFETCH(int, key);
    QFETCH(int, blue);
    QFETCH(int, red);
    QFETCH(QStringList, expected);
    fixture::setOperands(blue, red);
    Form1->zluta->setCaption(QStringLiteral("7"));
    QVERIFY(fixture::altKey(Form1, Qt::Key(key), nullptr));
    QCOMPARE(fixture::yellow(), expected);
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
        QVERIFY2(fixture::near(ink.strongest, QColor(255, 255, 0)), qPrintable(what + " " + ink.strongest.name()));
        QVERIFY2(ink.box.right() <= room.right() - 3, qPrintable(what));
        QVERIFY2(ink.box.width() * 4 >= room.width() * 3, qPrintable(what));  // no smaller than needed
        QVERIFY2(ink.box.height() < full.box.height(), qPrintable(what));
        QVERIFY2(ink.box.top() > l->y() && ink.box.bottom() < l->geometry().bottom(), qPrintable(what));
        QVERIFY2(qAbs(ink.box.center().y() - fullCentre) <= 3, qPrintable(what));
    }
}

// A label whose room narrows refits its caption at once.
void MainWindowTest::narrowerRoomRefitsTheCaption()
{
    fixture::setOperands(-2, 0);
    QVERIFY(fixture::click("Button5"));
    QCOMPARE(fixture::yellow().at(0), QStringLiteral("-1"));
    const QRect room = roomOf(Form1->zluta, Form1->Bevel3);
    const int wide = fixture::inkIn(Form1, room).box.width();
    Form1->zluta->setRightLimit(Form1->zluta->x() + 24);
    const fixture::Ink narrow = fixture::inkIn(Form1, room);
    Form1->zluta->setRightLimit(room.right() + 1);
    QVERIFY(narrow.box.right() < Form1->zluta->x() + 24);
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
        QCOMPARE(l->width(), qCeil(QFontMetricsF(l->font()).horizontalAdvance(l->Caption())));
    }
    // A negative value that still fits the decimal frame is drawn as is.
    fixture::setOperands(-2, 0);
    QVERIFY(fixture::click("Button5"));
    QCOMPARE(fixture::yellow(), QStringList({"-1", "0", "0", "-1"}));
    QCOMPARE(Form1->zluta->drawnFont(), Form1->zluta->font());
}

void MainWindowTest::rightShiftOfNegativeEndsAtMinusOne()
{
    fixture::setOperands(4, 0);
    for (int i = 0; i < 13; ++i)
        QVERIFY(fixture::click("Button4"));
    QStringList seen;
    for (int i = 0; i < 17; ++i) {
        QVERIFY(fixture::click("Button5"));
        seen << fixture::yellow().at(0);
    }
    QCOMPARE(seen.first(), QStringLiteral("-16384"));
    QCOMPARE(seen.at(14), QStringLiteral("-1"));
    QCOMPARE(fixture::yellow(), QStringList({"-1", "0", "0", "-1"}));
    QCOMPARE(fixture::captions().at(0), QStringLiteral("4"));
}

// Every caption a value label can get is drawn whole inside the label, also
// when the window is scaled (this test runs at scale factors 1 and 2).
void MainWindowTest::noCaptionIsClipped()
{
    const QStringList captions = {"0", "1", "8", "-1", "-9", "10", "-12", "2560", "-8192", "-24576", "-32768", "32767"};
    const QList<TLabel *> all = Form1->findChildren<TLabel *>();
    QCOMPARE(all.size(), 12);
    for (TLabel *l : all) {
        const QString before = l->Caption();
        for (const QString &c : captions) {
            l->setCaption(c);
            const qreal drawn = QFontMetricsF(l->drawnFont()).horizontalAdvance(c);
            QVERIFY2(drawn <= l->width(), qPrintable(QStringLiteral("%1 \"%2\": %3 > %4")
                                                      .arg(l->objectName(), c).arg(drawn).arg(l->width())));
            QVERIFY(l->geometry().right() < l->rightLimit());
        }
        l->setCaption(before);
    }
}

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mainwindow_test.moc"

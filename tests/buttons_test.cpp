// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/formsfixture.h"

#include "app/controls/exception.h"
#include "app/controls/tapplication.h"
#include "app/controls/tbutton.h"
#include "app/controls/tlabel.h"
#include "forms/Unit1.h"
#include "registers/generator.h"

#include <QTest>

// The main window's buttons: what each shows, by click and by Alt key, and
// what they leave alone.
class ButtonsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(fixture::startForms()); }
    void init() { fixture::takeShownFailures(); }
    void cleanup() { QVERIFY(fixture::takeShownFailures().isEmpty()); }

    void enterAndEscRunNoCommand();
    void tabOrder();
    void generujRedrawsOperandsNotYellow();
    void throwingHandlerIsShownAndWindowGoesOn();
    void operations_data();
    void operations();
    void shiftChangesStoredBlueOnly();
    void acceleratorsReachTheSameHandlers_data();
    void acceleratorsReachTheSameHandlers();
    void rightShiftOfNegativeEndsAtMinusOne();
};

// The main window has neither a default nor a cancel button: away from the
// buttons, Enter and Esc run no command.
void ButtonsTest::enterAndEscRunNoCommand()
{
    fixture::setOperands(5, 2);
    Form1->zluta->setCaption(QStringLiteral("7"));
    const QStringList before = fixture::captions();
    Form1->setFocus();
    QTest::keyClick(Form1, Qt::Key_Return);
    QTest::keyClick(Form1, Qt::Key_Escape);
    QCOMPARE(fixture::captions(), before);
}

void ButtonsTest::tabOrder()
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

void ButtonsTest::generujRedrawsOperandsNotYellow()
{
    fixture::setOperands(5, 2);
    QVERIFY(fixture::click("Button2"));
    const QStringList yellowBefore = fixture::yellow();
    QCOMPARE(yellowBefore, QStringList({"1", "1", "1", "1"}));

    // Which operands are drawn, and that each row shows its own, the model
    // runs hold (model_test), draw after draw, by click and by Alt+G.
    QVERIFY(fixture::click("Button1"));
    QCOMPARE(fixture::yellow(), yellowBefore);

    // Alt+G draws the next pair the same way.
    for (int i = 0; i < 4; ++i) {
        const auto stateBefore = registers::generator().state();
        QVERIFY(fixture::altKey(Form1, Qt::Key_G, Form1->Button1));
        QVERIFY(registers::generator().state() != stateBefore);
        QCOMPARE(fixture::yellow(), yellowBefore);
    }
}

void ButtonsTest::throwingHandlerIsShownAndWindowGoesOn()
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

void ButtonsTest::operations_data()
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
void ButtonsTest::operations()
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

void ButtonsTest::shiftChangesStoredBlueOnly()
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

void ButtonsTest::acceleratorsReachTheSameHandlers_data()
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

void ButtonsTest::acceleratorsReachTheSameHandlers()
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

void ButtonsTest::rightShiftOfNegativeEndsAtMinusOne()
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

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    ButtonsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "buttons_test.moc"

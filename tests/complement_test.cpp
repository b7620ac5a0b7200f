// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/formsfixture.h"

#include "app/controls/tapplication.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "registers/store.h"

#include <QTest>
#include <QWindow>

#include <utility>

class ComplementTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(fixture::startForms());
        if (Form2 != nullptr)
            m_atStartup = {true, Form2->isVisible(), Form2->RB1->isChecked(), Form2->RB2->isChecked()};
    }
    void init() { fixture::takeShownFailures(); }
    void cleanup() { QVERIFY(fixture::takeShownFailures().isEmpty()); }

    void createdHiddenAndUnchecked() const;
    void ownedByTheMainWindowAtItsPlace();
    void choicesAreDrawnInTheirColours();
    void tabOrder();
    void firstKomplementOnlyShowsTheDialog();
    void choosingAloneChangesNothing();
    void complementCases_data();
    void complementCases();
    void reReadUndoesShifts();
    void enterPressesProvedAndEscZavri();
    void enterGoesToTheFocusedButton();
    void hideAndShowKeepsTheChoice();
    void notModal();

private:
    // The dialog as start-up left it, seen before any test changes it, so
    // that the tests run in any order and each on its own.
    struct {
        bool created, visible, blueChosen, redChosen;
    } m_atStartup{};
};

namespace {

[[nodiscard]] bool choose(TRadioButton *rb)
{
    QTest::mouseClick(rb, Qt::LeftButton, {}, QPoint(5, rb->height() / 2));
    return rb->isChecked();
}

// The dialog hidden with nothing chosen, as start-up leaves it.
void asAtStartup()
{
    Form2->hide();
    for (TRadioButton *rb : {Form2->RB1, Form2->RB2}) {
        rb->setAutoExclusive(false);  // an exclusive button cannot be unchecked
        rb->setChecked(false);
        rb->setAutoExclusive(true);
    }
}

} // namespace

void ComplementTest::createdHiddenAndUnchecked() const
{
    QVERIFY(m_atStartup.created);
    QVERIFY(!m_atStartup.visible);
    QVERIFY(!m_atStartup.blueChosen);
    QVERIFY(!m_atStartup.redChosen);
    QCOMPARE(Application->MainForm(), Form1);
}

// A window of the main window's own (the window manager keeps it above the
// main window and gives it no taskbar entry), at its place, fixed in size.
void ComplementTest::ownedByTheMainWindowAtItsPlace()
{
    QVERIFY(fixture::click("Button7"));
    QVERIFY(Form2->isWindow());
    QCOMPARE(Form2->windowHandle()->transientParent(), Form1->windowHandle());
    QCOMPARE(Form2->pos(), QPoint(215, 250));
    QCOMPARE(Form2->size(), QSize(185, 121));
    QCOMPARE(Form2->minimumSize(), Form2->maximumSize());
    QVERIFY(Form1->isVisible());
    QTest::mouseClick(Form2->Button2, Qt::LeftButton);
    QVERIFY(!Form2->isVisible());
    QVERIFY(Form1->isVisible());
}

// Each choice reads in its operand's colour.
void ComplementTest::choicesAreDrawnInTheirColours()
{
    QVERIFY(fixture::click("Button7"));
    for (const auto &[rb, color] : {std::pair{Form2->RB1, QColor(0, 0, 255)}, std::pair{Form2->RB2, QColor(255, 0, 0)}}) {
        const fixture::Ink ink = fixture::inkIn(Form2, rb->geometry());
        QVERIFY2(fixture::near(ink.strongest, color), qPrintable(rb->objectName() + ' ' + ink.strongest.name()));
    }
    QTest::mouseClick(Form2->Button2, Qt::LeftButton);
}

void ComplementTest::tabOrder()
{
    QWidget *w = Form2->RB1;
    QStringList order;
    for (int i = 0; i < 4; ++i, w = w->nextInFocusChain())
        order << w->objectName();
    QCOMPARE(order, QStringList({"RB1", "RB2", "Button1", "Button2"}));
}

void ComplementTest::firstKomplementOnlyShowsTheDialog()
{
    asAtStartup();
    fixture::setOperands(5, 2);
    QVERIFY(fixture::click("Button2"));
    const QStringList before = fixture::captions();
    QVERIFY(fixture::click("Button7"));
    QVERIFY(Form2->isVisible());
    QVERIFY(!Form2->RB1->isChecked());
    QVERIFY(!Form2->RB2->isChecked());
    QCOMPARE(fixture::captions(), before);
}

void ComplementTest::choosingAloneChangesNothing()
{
    QVERIFY(fixture::click("Button7"));
    const QStringList before = fixture::captions();
    QVERIFY(choose(Form2->RB1));
    QCOMPARE(fixture::captions(), before);
    QVERIFY(choose(Form2->RB2));
    QVERIFY(!Form2->RB1->isChecked());
    QCOMPARE(fixture::captions(), before);
}

void ComplementTest::complementCases_data()
{
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("red");
    QTest::addColumn<bool>("chooseBlue");
    QTest::addColumn<bool>("byKomplement");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("blue 5 by Proveď") << 5 << 2 << true << false << QStringList{"-6", "-1", "-1", "0"};
    QTest::newRow("blue 0 by Proveď") << 0 << 2 << true << false << QStringList{"-1", "0", "0", "-1"};
    QTest::newRow("blue 8 by Komplement") << 8 << 2 << true << true << QStringList{"-9", "-2", "0", "-1"};
    QTest::newRow("red 7 by Proveď") << 3 << 7 << false << false << QStringList{"-8", "-2", "0", "0"};
    QTest::newRow("red 0 by Komplement") << 3 << 0 << false << true << QStringList{"-1", "0", "0", "-1"};
}

void ComplementTest::complementCases()
{
    QFETCH(int, blue);
    QFETCH(int, red);
    QFETCH(bool, chooseBlue);
    QFETCH(bool, byKomplement);
    QFETCH(QStringList, expected);
    fixture::setOperands(blue, red);
    QVERIFY(fixture::click("Button7"));
    QVERIFY(choose(chooseBlue ? Form2->RB1 : Form2->RB2));
    const QStringList before = fixture::captions();
    if (byKomplement)
        QVERIFY(fixture::click("Button7"));
    else
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    const QStringList after = fixture::captions();
    QCOMPARE(after.mid(0, 8), before.mid(0, 8));
    QCOMPARE(after.mid(8), expected);
}

void ComplementTest::reReadUndoesShifts()
{
    fixture::setOperands(3, 0);
    QVERIFY(fixture::click("Button4"));
    QVERIFY(fixture::click("Button4"));
    QCOMPARE(fixture::yellow().at(0), QStringLiteral("12"));
    QCOMPARE(registers::store().modra_cislo, 12);

    QVERIFY(fixture::click("Button7"));
    QVERIFY(choose(Form2->RB1));
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    // The complement of the blue row's 3, not of the stored 12.
    QCOMPARE(fixture::yellow(), QStringList({"-4", "-1", "0", "0"}));
    // And the next operation works with blue 3 again: 3 OR 0 is 3.
    QVERIFY(fixture::click("Button2"));
    QCOMPARE(fixture::yellow(), QStringList({"1", "0", "1", "1"}));
}

void ComplementTest::enterPressesProvedAndEscZavri()
{
    fixture::setOperands(5, 2);
    QVERIFY(fixture::click("Button7"));
    QVERIFY(choose(Form2->RB1));
    QVERIFY(fixture::activate(Form2));
    Form2->RB1->setFocus();
    Form1->zluta->setCaption(QStringLiteral("9"));
    QTest::keyClick(Form2, Qt::Key_Return);
    QCOMPARE(fixture::yellow(), QStringList({"-6", "-1", "-1", "0"}));
    // The keypad's Enter comes with the keypad modifier, and presses Proveď too.
    Form1->zluta->setCaption(QStringLiteral("9"));
    QTest::keyClick(Form2, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(fixture::yellow(), QStringList({"-6", "-1", "-1", "0"}));

    // Esc runs the very handler of Zavři.
    int closes = 0;
    auto watch = connect(Form2->Button2, &TButton::OnClick, this, [&closes] { ++closes; });
    QTest::keyClick(Form2, Qt::Key_Escape);
    disconnect(watch);
    QCOMPARE(closes, 1);
    QVERIFY(!Form2->isVisible());
    QVERIFY(Form1->isVisible());
}

void ComplementTest::enterGoesToTheFocusedButton()
{
    QVERIFY(fixture::click("Button7"));
    QVERIFY(fixture::activate(Form2));
    Form2->Button2->setFocus();
    const QStringList before = fixture::captions();
    QTest::keyClick(Form2, Qt::Key_Return);
    QVERIFY(!Form2->isVisible());
    QCOMPARE(fixture::captions(), before);
}

void ComplementTest::hideAndShowKeepsTheChoice()
{
    QVERIFY(fixture::click("Button7"));
    QVERIFY(choose(Form2->RB2));
    QTest::mouseClick(Form2->Button2, Qt::LeftButton);
    QVERIFY(!Form2->isVisible());
    // The close box hides it the same way.
    QVERIFY(fixture::click("Button7"));
    QVERIFY(Form2->isVisible());
    Form2->close();
    QVERIFY(!Form2->isVisible());
    QVERIFY(Form1->isVisible());

    fixture::setOperands(1, 7);
    QVERIFY(fixture::click("Button7"));
    QVERIFY(Form2->isVisible());
    QVERIFY(Form2->RB2->isChecked());
    QVERIFY(!Form2->RB1->isChecked());
    // The remembered choice computes at once.
    QCOMPARE(fixture::yellow(), QStringList({"-8", "-2", "0", "0"}));
}

void ComplementTest::notModal()
{
    QVERIFY(fixture::click("Button7"));
    QVERIFY(Form2->isVisible());
    QVERIFY(!Form2->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    fixture::setOperands(5, 2);
    QVERIFY(fixture::click("Button6"));
    QCOMPARE(fixture::yellow(), QStringList({"1", "0", "0", "0"}));
    // The main window, once active again, answers its own keys.
    QVERIFY(fixture::activate(Form1));
    QVERIFY(Form2->isVisible());
    QVERIFY(fixture::altKey(Form1, Qt::Key_D, Form1->Button2));
    QCOMPARE(fixture::yellow(), QStringList({"1", "1", "1", "1"}));
    // The dialog answers its own: Alt+Z closes it.
    QVERIFY(fixture::activate(Form2));
    QVERIFY(fixture::altKey(Form2, Qt::Key_Z, Form2->Button2));
    QVERIFY(!Form2->isVisible());
}

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    ComplementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "complement_test.moc"

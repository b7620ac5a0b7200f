#include "formsfixture.h"

#include "controls/tapplication.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "registers/store.h"

#include <QFontInfo>
#include <QTest>

class ComplementTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture::startForms(); }
    void init() { fixture::takeShownFailures(); }
    void cleanup() { QVERIFY(fixture::takeShownFailures().isEmpty()); }

    // Must stay first: the dialog as start-up left it.
    void createdHiddenAndUnchecked();
    void dialogLayout();
    void firstKomplementOnlyShowsTheDialog();
    void choosingAloneChangesNothing();
    void complementCases_data();
    void complementCases();
    void reReadUndoesShifts();
    void enterPressesProvedAndEscZavri();
    void enterGoesToTheFocusedButton();
    void hideAndShowKeepsTheChoice();
    void notModal();
};

namespace {

void choose(TRadioButton *rb)
{
    QTest::mouseClick(rb, Qt::LeftButton, {}, QPoint(5, rb->height() / 2));
    QVERIFY(rb->isChecked());
}

} // namespace

void ComplementTest::createdHiddenAndUnchecked()
{
    QVERIFY(Form2);
    QVERIFY(!Form2->isVisible());
    QVERIFY(!Form2->RB1->isChecked());
    QVERIFY(!Form2->RB2->isChecked());
    QCOMPARE(Application->MainForm(), Form1);
}

void ComplementTest::dialogLayout()
{
    QCOMPARE(Form2->windowTitle(), QStringLiteral("Komplement"));
    QCOMPARE(Form2->size(), QSize(185, 121));
    QCOMPARE(Form2->minimumSize(), Form2->maximumSize());
    QCOMPARE(Form2->pos(), QPoint(215, 250));
    QVERIFY(!(Form2->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(Form2->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(Form2->findChild<QFrame *>("Bevel1")->geometry(), QRect(16, 8, 155, 73));
    QCOMPARE(Form2->findChild<QFrame *>("Bevel1")->frameShadow(), QFrame::Raised);

    const struct {
        TRadioButton *rb;
        QRect geometry;
        QString caption;
        QColor color;
    } radios[] = {{Form2->RB1, QRect(32, 24, 113, 17), "&Modrá", QColor(0, 0, 255)},
                  {Form2->RB2, QRect(32, 48, 113, 17), "Č&ervená", QColor(255, 0, 0)}};
    for (const auto &r : radios) {
        QCOMPARE(r.rb->geometry(), r.geometry);
        QCOMPARE(r.rb->text(), r.caption);
        QCOMPARE(r.rb->palette().color(QPalette::WindowText), r.color);
        QCOMPARE(QFontInfo(r.rb->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(r.rb->font().pixelSize(), 13);
        QVERIFY(r.rb->font().bold());
        QVERIFY(r.rb->autoExclusive());
    }

    QCOMPARE(Form2->Button1->geometry(), QRect(16, 88, 75, 25));
    QCOMPARE(Form2->Button1->text(), QStringLiteral("&Proveď"));
    QVERIFY(Form2->Button1->isDefault());
    QVERIFY(!Form2->Button1->Cancel());
    QCOMPARE(Form2->Button2->geometry(), QRect(96, 88, 75, 25));
    QCOMPARE(Form2->Button2->text(), QStringLiteral("&Zavři"));
    QVERIFY(!Form2->Button2->isDefault());
    QVERIFY(Form2->Button2->Cancel());

    QWidget *w = Form2->RB1;
    QStringList order;
    for (int i = 0; i < 4; ++i, w = w->nextInFocusChain())
        order << w->objectName();
    QCOMPARE(order, QStringList({"RB1", "RB2", "Button1", "Button2"}));
}

void ComplementTest::firstKomplementOnlyShowsTheDialog()
{
    fixture::setOperands(5, 2);
    fixture::click("Button2");
    const QStringList before = fixture::captions();
    fixture::click("Button7");
    QVERIFY(Form2->isVisible());
    QVERIFY(!Form2->RB1->isChecked());
    QVERIFY(!Form2->RB2->isChecked());
    QCOMPARE(fixture::captions(), before);
}

void ComplementTest::choosingAloneChangesNothing()
{
    fixture::click("Button7");
    const QStringList before = fixture::captions();
    choose(Form2->RB1);
    QCOMPARE(fixture::captions(), before);
    choose(Form2->RB2);
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
    fixture::click("Button7");
    choose(chooseBlue ? Form2->RB1 : Form2->RB2);
    const QStringList before = fixture::captions();
    if (byKomplement)
        fixture::click("Button7");
    else
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    const QStringList after = fixture::captions();
    QCOMPARE(after.mid(0, 8), before.mid(0, 8));
    QCOMPARE(after.mid(8), expected);
}

void ComplementTest::reReadUndoesShifts()
{
    fixture::setOperands(3, 0);
    fixture::click("Button4");
    fixture::click("Button4");
    QCOMPARE(fixture::yellow().at(0), QStringLiteral("12"));
    QCOMPARE(registers::store().modra_cislo, 12);

    fixture::click("Button7");
    choose(Form2->RB1);
    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    // The complement of the blue row's 3, not of the stored 12.
    QCOMPARE(fixture::yellow(), QStringList({"-4", "-1", "0", "0"}));
    // And the next operation works with blue 3 again: 3 OR 0 is 3.
    fixture::click("Button2");
    QCOMPARE(fixture::yellow(), QStringList({"1", "0", "1", "1"}));
}

void ComplementTest::enterPressesProvedAndEscZavri()
{
    fixture::setOperands(5, 2);
    fixture::click("Button7");
    choose(Form2->RB1);
    Form2->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form2));
    Form2->RB1->setFocus();
    Form1->zluta->setCaption(QStringLiteral("9"));
    QTest::keyClick(Form2, Qt::Key_Return);
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
    fixture::click("Button7");
    Form2->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form2));
    Form2->Button2->setFocus();
    const QStringList before = fixture::captions();
    QTest::keyClick(Form2, Qt::Key_Return);
    QVERIFY(!Form2->isVisible());
    QCOMPARE(fixture::captions(), before);
}

void ComplementTest::hideAndShowKeepsTheChoice()
{
    fixture::click("Button7");
    choose(Form2->RB2);
    QTest::mouseClick(Form2->Button2, Qt::LeftButton);
    QVERIFY(!Form2->isVisible());
    // The close box hides it the same way.
    fixture::click("Button7");
    QVERIFY(Form2->isVisible());
    Form2->close();
    QVERIFY(!Form2->isVisible());
    QVERIFY(Form1->isVisible());

    fixture::setOperands(1, 7);
    fixture::click("Button7");
    QVERIFY(Form2->isVisible());
    QVERIFY(Form2->RB2->isChecked());
    QVERIFY(!Form2->RB1->isChecked());
    // The remembered choice computes at once.
    QCOMPARE(fixture::yellow(), QStringList({"-8", "-2", "0", "0"}));
}

void ComplementTest::notModal()
{
    fixture::click("Button7");
    QVERIFY(Form2->isVisible());
    QVERIFY(!Form2->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    fixture::setOperands(5, 2);
    fixture::click("Button6");
    QCOMPARE(fixture::yellow(), QStringList({"1", "0", "0", "0"}));
    // The main window, once active again, answers its own keys.
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QVERIFY(Form2->isVisible());
    fixture::altKey(Form1, Qt::Key_D, Form1->Button2);
    QCOMPARE(fixture::yellow(), QStringList({"1", "1", "1", "1"}));
    // The dialog answers its own: Alt+Z closes it.
    Form2->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form2));
    fixture::altKey(Form2, Qt::Key_Z, Form2->Button2);
    QVERIFY(!Form2->isVisible());
}

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    ComplementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "complement_test.moc"

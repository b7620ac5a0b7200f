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

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture::startForms(); }
    void init() { fixture::takeShownFailures(); }
    void cleanup() { QVERIFY(fixture::takeShownFailures().isEmpty()); }

    // Must stay first: it sees the window as start-up left it.
    void startupShowsTheFirstDraw();
    void windowProperties();
    void labels_data();
    void labels();
    void buttons_data();
    void buttons();
    void bevels_data();
    void bevels();
    void tabOrder();
    void generujRedrawsOperandsNotYellow();
    void throwingHandlerIsShownAndWindowGoesOn();
    void operations_data();
    void operations();
    void shiftChangesStoredBlueOnly();
    void acceleratorsReachTheSameHandlers_data();
    void acceleratorsReachTheSameHandlers();
    void longResultFitsItsRoom();
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

void MainWindowTest::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QColor>("color");
    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    const QColor yellow(255, 255, 0);
    QTest::newRow("modra") << "modra" << QPoint(48, 20) << blue;
    QTest::newRow("modra_1") << "modra_1" << QPoint(160, 20) << blue;
    QTest::newRow("modra_2") << "modra_2" << QPoint(216, 20) << blue;
    QTest::newRow("modra_3") << "modra_3" << QPoint(272, 20) << blue;
    QTest::newRow("cervena") << "cervena" << QPoint(48, 92) << red;
    QTest::newRow("cervena_1") << "cervena_1" << QPoint(160, 92) << red;
    QTest::newRow("cervena_2") << "cervena_2" << QPoint(216, 92) << red;
    QTest::newRow("cervena_3") << "cervena_3" << QPoint(272, 92) << red;
    QTest::newRow("zluta") << "zluta" << QPoint(48, 292) << yellow;
    QTest::newRow("zluta_1") << "zluta_1" << QPoint(160, 292) << yellow;
    QTest::newRow("zluta_2") << "zluta_2" << QPoint(216, 292) << yellow;
    QTest::newRow("zluta_3") << "zluta_3" << QPoint(272, 292) << yellow;
}

void MainWindowTest::labels()
{
    QFETCH(QString, name);
    QFETCH(QPoint, topLeft);
    QFETCH(QColor, color);
    auto *l = Form1->findChild<TLabel *>(name);
    QVERIFY(l);
    QCOMPARE(l->pos(), topLeft);
    QCOMPARE(l->height(), 51);
    QCOMPARE(QFontInfo(l->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(l->font().pixelSize(), 43);
    QVERIFY(l->font().bold());
    QCOMPARE(l->palette().color(QPalette::WindowText), color);
    QVERIFY(l->autoFillBackground());
    // A one-digit caption sizes the label to the layout's 24 pixels.
    const QString before = l->Caption();
    l->setCaption(QStringLiteral("0"));
    QCOMPARE(l->width(), 24);
    // A longer caption widens it to the right from the same left edge.
    l->setCaption(QStringLiteral("-1"));
    QVERIFY(l->width() > 24);
    QCOMPARE(l->pos(), topLeft);
    l->setCaption(before);
}

void MainWindowTest::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Button1") << "Button1" << QRect(24, 168, 75, 25) << "&Generuj";
    QTest::newRow("Button2") << "Button2" << QRect(128, 168, 75, 25) << "&Disjunkce";
    QTest::newRow("Button3") << "Button3" << QRect(240, 168, 75, 25) << "&Nerovnost";
    QTest::newRow("Button4") << "Button4" << QRect(128, 216, 75, 25) << "<<";
    QTest::newRow("Button5") << "Button5" << QRect(240, 216, 75, 25) << ">>";
    QTest::newRow("Button6") << "Button6" << QRect(128, 248, 75, 25) << "&Konjunkce";
    QTest::newRow("Button7") << "Button7" << QRect(240, 248, 75, 25) << "K&omplement";
    QTest::newRow("Button8") << "Button8" << QRect(24, 216, 75, 25) << "&Větší";
    QTest::newRow("Button9") << "Button9" << QRect(24, 248, 75, 25) << "&Menší";
}

void MainWindowTest::buttons()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    auto *b = Form1->findChild<TButton *>(name);
    QVERIFY(b);
    QCOMPARE(b->geometry(), geometry);
    QCOMPARE(b->text(), caption);
    QVERIFY(!b->isDefault());
    QVERIFY(!b->Cancel());
    QCOMPARE(QFontInfo(b->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(b->font().pixelSize(), 11);
}

void MainWindowTest::bevels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("raised");
    QTest::newRow("Bevel1") << "Bevel1" << QRect(16, 16, 89, 57) << true;
    QTest::newRow("Bevel2") << "Bevel2" << QRect(16, 88, 89, 57) << true;
    QTest::newRow("Bevel3") << "Bevel3" << QRect(16, 288, 89, 57) << true;
    QTest::newRow("Bevel4") << "Bevel4" << QRect(128, 16, 209, 57) << true;
    QTest::newRow("Bevel5") << "Bevel5" << QRect(128, 88, 209, 57) << true;
    QTest::newRow("Bevel6") << "Bevel6" << QRect(128, 288, 209, 57) << true;
    QTest::newRow("Bevel7") << "Bevel7" << QRect(16, 160, 321, 41) << false;
    QTest::newRow("Bevel8") << "Bevel8" << QRect(112, 208, 225, 73) << false;
    QTest::newRow("Bevel9") << "Bevel9" << QRect(16, 208, 89, 73) << false;
}

void MainWindowTest::bevels()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, raised);
    auto *f = Form1->findChild<QFrame *>(name);
    QVERIFY(f);
    QCOMPARE(f->geometry(), geometry);
    QCOMPARE(f->frameShadow(), raised ? QFrame::Raised : QFrame::Sunken);
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
    fixture::click("Button2");
    const QStringList yellowBefore = fixture::yellow();
    QCOMPARE(yellowBefore, QStringList({"1", "1", "1", "1"}));

    fixture::click("Button1");
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
        fixture::altKey(Form1, Qt::Key_G, Form1->Button1);
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
    fixture::click("Button2");
    QCOMPARE(fixture::takeShownFailures(), QStringList({"pokus"}));
    disconnect(failing);

    // Something that is not an Exception is shown with an empty message.
    failing = connect(Form1->Button3, &TButton::OnClick, this, [] { throw 42; });
    fixture::click("Button3");
    QCOMPARE(fixture::takeShownFailures(), QStringList({QString()}));
    disconnect(failing);

    fixture::setOperands(3, 3);
    fixture::click("Button6");
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
    fixture::click(button.toLatin1().constData());
    const QStringList after = fixture::captions();
    QCOMPARE(after.mid(0, 8), before.mid(0, 8));
    QCOMPARE(after.mid(8), expected);
}

void MainWindowTest::shiftChangesStoredBlueOnly()
{
    fixture::setOperands(5, 2);
    fixture::click("Button4");
    QCOMPARE(fixture::yellow(), QStringList({"10", "2", "1", "0"}));
    QCOMPARE(fixture::captions().mid(0, 4), QStringList({"5", "1", "0", "1"}));
    // The next operation works with the shifted blue: 10 OR 2 is 10.
    fixture::click("Button2");
    QCOMPARE(fixture::yellow(), QStringList({"1", "2", "1", "0"}));
    // A second shift shifts the already shifted value.
    fixture::click("Button4");
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
    fixture::altKey(Form1, Qt::Key(key), nullptr);
    QCOMPARE(fixture::yellow(), expected);
}

void MainWindowTest::longResultFitsItsRoom()
{
    fixture::setOperands(4, 0);
    for (int i = 0; i < 13; ++i)
        fixture::click("Button4");
    QCOMPARE(fixture::yellow(), QStringList({"-32768", "-8192", "0", "0"}));
    // Each label stays within its room: the decimal one inside its frame's
    // border, a digit short of the next digit, the last digit inside its
    // frame's border.
    const struct { TLabel *label; int limit; } rooms[] = {
        {Form1->zluta, 104}, {Form1->zluta_1, 216}, {Form1->zluta_2, 272}, {Form1->zluta_3, 336}};
    for (const auto &r : rooms) {
        QVERIFY2(r.label->geometry().right() < r.limit, qPrintable(r.label->objectName()));
        const QFont drawn = r.label->drawnFont();
        QVERIFY(QFontMetricsF(drawn).horizontalAdvance(r.label->Caption()) <= r.limit - r.label->x());
    }
    // The long ones are drawn smaller, but no smaller than needed.
    for (TLabel *l : {Form1->zluta, Form1->zluta_1}) {
        const QFont drawn = l->drawnFont();
        QVERIFY(drawn.pixelSize() < 43);
        QFont bigger = drawn;
        bigger.setPixelSize(drawn.pixelSize() + 1);
        QVERIFY(QFontMetricsF(bigger).horizontalAdvance(l->Caption()) > l->rightLimit() - l->x());
        QCOMPARE(drawn.family(), l->font().family());
        QVERIFY(drawn.bold());
    }
    QCOMPARE(Form1->zluta->x(), 48);
    QCOMPARE(Form1->zluta_1->x(), 160);
}

void MainWindowTest::shortResultKeepsTheSpecifiedFont()
{
    fixture::setOperands(7, 0);
    fixture::click("Button5");
    QCOMPARE(fixture::yellow(), QStringList({"3", "0", "1", "1"}));
    for (TLabel *l : {Form1->zluta, Form1->zluta_1, Form1->zluta_2, Form1->zluta_3}) {
        QCOMPARE(l->drawnFont(), l->font());
        QCOMPARE(l->width(), qCeil(QFontMetricsF(l->font()).horizontalAdvance(l->Caption())));
    }
    // A negative value that still fits the decimal frame is drawn as is.
    fixture::setOperands(-2, 0);
    fixture::click("Button5");
    QCOMPARE(fixture::yellow(), QStringList({"-1", "0", "0", "-1"}));
    QCOMPARE(Form1->zluta->drawnFont(), Form1->zluta->font());
}

void MainWindowTest::rightShiftOfNegativeEndsAtMinusOne()
{
    fixture::setOperands(4, 0);
    for (int i = 0; i < 13; ++i)
        fixture::click("Button4");
    QStringList seen;
    for (int i = 0; i < 17; ++i) {
        fixture::click("Button5");
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

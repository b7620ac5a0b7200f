#include "formsfixture.h"

#include "controls/tapplication.h"
#include "controls/tlabel.h"
#include "controls/tradiobutton.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "registers/explanation.h"
#include "registers/store.h"

#include <QTest>

// The window puts the core's explanations on the value labels.
class ExplanationWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture::startForms(); }

    // Must stay first: the yellow row as start-up left it.
    void nothingComputedAtStart();
    void commandsExplainTheirValues();
};

namespace {

QString yellowFor(registers::Operace op)
{
    const auto z = registers::vysvetliZlutou(registers::store(), op);
    return z ? QString::fromStdString(z->cislo.popis) : QString();
}

} // namespace

void ExplanationWindowTest::nothingComputedAtStart()
{
    QVERIFY(Form1->zluta->accessibleDescription().startsWith(
        QStringLiteral("žlutý výsledek, desítkově: zatím nic nespočteno.")));
    QCOMPARE(Form1->zluta->toolTip(), Form1->zluta->accessibleDescription());
    QCOMPARE(Form1->zluta_3->accessibleDescription(), QStringLiteral("žlutý výsledek, cifra d0: zatím nic nespočteno."));
    QCOMPARE(Form1->modra->accessibleDescription(), QStringLiteral("modrý operand, desítkově"));
}

void ExplanationWindowTest::commandsExplainTheirValues()
{
    fixture::setOperands(5, 2);
    fixture::click("Button4");  // <<
    const QString shifted = Form1->zluta->accessibleDescription();
    QCOMPARE(shifted, yellowFor(registers::Operace::Vlevo));
    QVERIFY2(shifted.contains(QStringLiteral("operandu 5 o jeden bit")), qPrintable(shifted));
    QCOMPARE(Form1->zluta->toolTip(), shifted);
    QVERIFY(Form1->zluta_1->accessibleDescription().startsWith(QStringLiteral("žlutý výsledek, cifra d2: 2, ")));
    QVERIFY(Form1->modra->toolTip().contains(QStringLiteral("řádek ukazuje 5")));

    // A draw explains the blue row plainly again and leaves the yellow one.
    fixture::click("Button1");
    QCOMPARE(Form1->modra->accessibleDescription(), QStringLiteral("modrý operand, desítkově"));
    QCOMPARE(Form1->modra->toolTip(), QString());
    QCOMPARE(Form1->zluta->accessibleDescription(), shifted);

    // Komplement re-reads the operands even with nothing chosen.
    fixture::setOperands(5, 2);
    fixture::click("Button4");
    fixture::click("Button7");
    QCOMPARE(Form1->modra->accessibleDescription(), QStringLiteral("modrý operand, desítkově"));
    Form2->RB2->setChecked(true);
    fixture::click("Button7");
    QVERIFY(Form1->zluta->accessibleDescription().contains(QStringLiteral("Komplement červeného operandu 2")));
    Form2->close();
}

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    ExplanationWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "explanation_window_test.moc"

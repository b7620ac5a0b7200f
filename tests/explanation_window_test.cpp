// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/formsfixture.h"

#include "app/controls/tapplication.h"
#include "app/controls/tlabel.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"

#include <QTest>

// The window puts the core's explanations on the value labels.
class ExplanationWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(fixture::startForms()); }
    void commandsExplainTheirValues();
};

void ExplanationWindowTest::commandsExplainTheirValues()
{
    const QString plainBlue = QStringLiteral("modrý operand, desítkově");
    QCOMPARE(Form1->zluta_3->toolTip(), QStringLiteral("žlutý výsledek, cifra d0: zatím nic nespočteno."));

    fixture::setOperands(5, 2);
    QVERIFY(fixture::click("Button4"));  // <<
    QVERIFY(Form1->zluta->accessibleDescription().startsWith(
        QStringLiteral("žlutý výsledek, desítkově: 10. Posun vlevo (<<) uloženého modrého operandu 5 o jeden bit")));
    QCOMPARE(Form1->zluta->toolTip(), Form1->zluta->accessibleDescription());
    QCOMPARE(Form1->zluta_1->accessibleDescription(),
             QStringLiteral("žlutý výsledek, cifra d2: 2, neúplný podíl 10 : 4 (zbytek 2). Protože 10 je aspoň 8, "
                            "je d2 větší než 1: nese všechny bity nad dvěma nejnižšími."));
    QCOMPARE(Form1->zluta_3->toolTip(), QStringLiteral("žlutý výsledek, cifra d0: 0, bit s váhou 1 čísla 10."));
    QVERIFY(Form1->modra->toolTip().contains(QStringLiteral("řádek ukazuje 5")));

    // A draw explains the blue row plainly again and leaves the yellow one.
    const QString shift = Form1->zluta->toolTip();
    QVERIFY(fixture::click("Button1"));
    QCOMPARE(Form1->modra->accessibleDescription(), plainBlue);
    QCOMPARE(Form1->modra->toolTip(), QString());
    QCOMPARE(Form1->zluta->toolTip(), shift);

    // Komplement re-reads the operands even with no operand chosen.
    fixture::setOperands(5, 2);
    QVERIFY(fixture::click("Button4"));
    QVERIFY(fixture::click("Button7"));
    QCOMPARE(Form1->modra->accessibleDescription(), plainBlue);
    Form2->close();
}

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    ExplanationWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "explanation_window_test.moc"

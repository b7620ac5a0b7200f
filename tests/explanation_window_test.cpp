// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formsfixture.h"

#include "controls/tapplication.h"
#include "controls/tlabel.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "registers/explanation.h"
#include "registers/store.h"

#include <QRegularExpression>
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
    const auto z = registers::vysvetliZlutou(registers::store(), registers::Operace::Vlevo);
    QVERIFY(z);
    QCOMPARE(Form1->zluta->accessibleDescription(), QString::fromStdString(z->cislo.popis));
    QCOMPARE(Form1->zluta_1->accessibleDescription(), QString::fromStdString(z->cifry[0].popis));
    QVERIFY(Form1->modra->toolTip().contains(QStringLiteral("řádek ukazuje 5")));

    // A draw explains the blue row plainly again and leaves the yellow one.
    QVERIFY(fixture::click("Button1"));
    QCOMPARE(Form1->modra->accessibleDescription(), plainBlue);
    QCOMPARE(Form1->modra->toolTip(), QString());
    QCOMPARE(Form1->zluta->toolTip(), QString::fromStdString(z->cislo.tip));
    // What stays on the yellow value claims no number for the blue row that
    // the row no longer shows.
    auto shows = QRegularExpression(QStringLiteral("ukazuje (-?\\d+)")).globalMatch(Form1->zluta->toolTip());
    while (shows.hasNext())
        QCOMPARE(shows.next().captured(1), Form1->modra->Caption());

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

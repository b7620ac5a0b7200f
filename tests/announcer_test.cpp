// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/formsfixture.h"

#include "app/controls/tannouncer.h"
#include "app/controls/tapplication.h"
#include "forms/Unit1.h"

#include <QAccessible>
#include <QTest>

namespace {

// What a screen reader would say, heard the way this Qt tells it.
QStringList heard;

void listen(QAccessibleEvent *event)
{
    static QString named;  // as a reader that keeps names has it
    // A reader speaks only what it finds in the program's tree.
    if (!event->accessibleInterface())
        return;
    if (event->type() == QAccessible::NameChanged)
        named = event->accessibleInterface()->text(QAccessible::Name);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        heard << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#else
    if (event->type() == QAccessible::ObjectShow)
        heard << named;
#endif
}

} // namespace

class AnnouncerTest : public QObject
{
    Q_OBJECT

private slots:
    void eachCommandSaysItsResultOnce()
    {
        TAnnouncer::setListener(listen);
        QVERIFY(fixture::startForms());
        // The first draw came before the window showed, which a reader reads whole.
        QCOMPARE(heard, QStringList());
        fixture::setOperands(2, 4);
        QVERIFY(fixture::click("Button2"));
        QVERIFY(fixture::click("Button2"));
        // 010 OR 100 = 110; said again for the second press, unchanged as it is.
        const QString result = QStringLiteral("Žlutá 1, cifry 1, 1, 0");
        QCOMPARE(heard, QStringList({result, result}));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        // Readers walk the tree both ways: down from the window to what it
        // holds, up from an event's source to where it happened.
        QAccessibleInterface *note = QAccessible::queryAccessibleInterface(TAnnouncer::Of(Form1));
        QCOMPARE(note->parent()->child(note->parent()->indexOfChild(note)), note);
#endif
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    AnnouncerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "announcer_test.moc"

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/formsfixture.h"

#include "app/controls/exception.h"
#include "app/controls/tapplication.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

#include <cstdlib>

namespace {

QString accessible(QObject *o, QAccessible::Text t)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(o);
    return iface ? iface->text(t) : QStringLiteral("<none>");
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(fixture::startForms()); }

    void iconIsThirtyTwoSquareInSixteenColours();
    void menuIconsReadOnLightAndDarkPanels();
    void buttonsAreFoundByTheirCaptions();
    void valueLabelsReadTheirValueAndSayWhatTheyShow();
    void explanationsWrapAtAReadableWidth();
    void qtSpeaksCzechOnceAFailureIsShown();
};

void DesktopTest::iconIsThirtyTwoSquareInSixteenColours()
{
    const QIcon icon = Form1->windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(32, 32)}));
    const QImage img = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(32, 32));
    QSet<QRgb> colours;
    int black = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = img.pixel(x, y);
            colours.insert(p);
            if (x == 0 || y == 0 || x == 31 || y == 31)
                QVERIFY2(qAlpha(p) == 0, qPrintable(QStringLiteral("border pixel %1,%2").arg(x).arg(y)));
            if (qAlpha(p) == 255 && qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0)
                ++black;
            else
                QCOMPARE(qAlpha(p), 0);
        }
    }
    QVERIFY(colours.size() <= 16);
    // Six digits of thin strokes: neither empty nor filled.
    QVERIFY(black > 6 * 12);
    QVERIFY(black < 32 * 32 / 4);
    // The application's icon, which the dialog shows too.
    QCOMPARE(QApplication::windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32), img);
    QCOMPARE(Form2->windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32), img);
}

namespace {

// The share of the icon's square that stands out from a panel of the given
// grey, by at least 40 % of the grey scale, once the icon is laid on it.
double standsOut(const QImage &icon, int panel)
{
    int seen = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb p = icon.pixel(x, y);
            const int shown = (qGray(p) * qAlpha(p) + panel * (255 - qAlpha(p))) / 255;
            if (std::abs(shown - panel) >= 102)
                ++seen;
        }
    }
    return static_cast<double>(seen) / (icon.width() * icon.height());
}

} // namespace

void DesktopTest::menuIconsReadOnLightAndDarkPanels()
{
    for (int size : {48, 64, 128}) {
        const QString path = QStringLiteral(BITOVKA_SOURCE_DIR "/data/icons/%1x%1/cz.bitovka.Bitovka.png").arg(size);
        const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(size, size));
        // A white, a light grey, a dark grey and a black panel.
        for (int panel : {255, 200, 48, 0}) {
            const double share = standsOut(icon, panel);
            QVERIFY2(share >= 0.10, qPrintable(QStringLiteral("%1 px on grey %2: %3").arg(size).arg(panel).arg(share)));
        }
    }
}

void DesktopTest::buttonsAreFoundByTheirCaptions()
{
    const QStringList captions = {"Generuj", "Disjunkce", "Nerovnost", "Posun doleva", "Posun doprava",
                              "Konjunkce", "Komplement", "Větší", "Menší"};
    for (int i = 1; i <= 9; ++i) {
        auto *b = Form1->findChild<QAbstractButton *>(QStringLiteral("Button%1").arg(i));
        QCOMPARE(accessible(b, QAccessible::Name), captions.at(i - 1));
    }
    QCOMPARE(accessible(Form2->Button1, QAccessible::Name), QStringLiteral("Proveď"));
    QCOMPARE(accessible(Form2->Button2, QAccessible::Name), QStringLiteral("Zavři"));
    QCOMPARE(accessible(Form2->RB1, QAccessible::Name), QStringLiteral("Modrá"));
    QCOMPARE(accessible(Form2->RB2, QAccessible::Name), QStringLiteral("Červená"));
}

void DesktopTest::valueLabelsReadTheirValueAndSayWhatTheyShow()
{
    fixture::setOperands(5, 8);
    const struct {
        TLabel *label;
        const char *value;
        const char *description;
    } cases[] = {
        {Form1->modra, "5", "modrý operand, desítkově"},
        {Form1->modra_1, "1", "modrý operand, cifra d2"},
        {Form1->modra_2, "0", "modrý operand, cifra d1"},
        {Form1->modra_3, "1", "modrý operand, cifra d0"},
        {Form1->cervena, "8", "červený operand, desítkově"},
        {Form1->cervena_1, "2", "červený operand, cifra d2"},
        {Form1->cervena_2, "0", "červený operand, cifra d1"},
        {Form1->cervena_3, "0", "červený operand, cifra d0"},
        {Form1->zluta, nullptr, "žlutý výsledek, desítkově"},
        {Form1->zluta_1, nullptr, "žlutý výsledek, cifra d2"},
        {Form1->zluta_2, nullptr, "žlutý výsledek, cifra d1"},
        {Form1->zluta_3, nullptr, "žlutý výsledek, cifra d0"},
    };
    for (const auto &c : cases) {
        const QString value = c.value ? QString::fromUtf8(c.value) : c.label->Caption();
        QCOMPARE(accessible(c.label, QAccessible::Name), value);
        // The role comes first; an explanation of the value may follow it.
        const QString role = QString::fromUtf8(c.description);
        const QString description = accessible(c.label, QAccessible::Description);
        QVERIFY2(description == role || description.startsWith(role + QStringLiteral(": ")),
                 qPrintable(description));
    }
}

// Every explanation, the yellow result's long one included, shows word for
// word as written, as plain text, in lines of about 60 characters: Qt would
// show each as one line as wide as the screen.
void DesktopTest::explanationsWrapAtAReadableWidth()
{
    // After a shift the blue value explains itself too.
    fixture::setOperands(5, 2);
    QVERIFY(fixture::click("Button4"));
    QVERIFY(fixture::click("Button2"));
    Form2->Show();
    QStringList shown;
    for (QWidget *window : {static_cast<QWidget *>(Form1), static_cast<QWidget *>(Form2)}) {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->window() != window || w->toolTip().isEmpty())
                continue;
            QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(w, &event);
            const QString text = QToolTip::text();
            const QStringList lines = text.split(QLatin1Char('\n'));
            const bool even = std::all_of(lines.cbegin(), lines.cend() - 1, [](const QString &l) { return l.size() >= 40; });
            const bool narrow = std::all_of(lines.cbegin(), lines.cend(), [](const QString &l) { return l.size() <= 60; });
            QVERIFY2(QToolTip::isVisible() && text.simplified() == w->toolTip().simplified() && even && narrow
                         && !Qt::mightBeRichText(text),
                     qPrintable(w->objectName() + QStringLiteral(": ") + text));
            shown << window->objectName() + QLatin1Char('/') + w->objectName();
        }
    }
    Form2->Close();
    // Each button and radio button, the blue value and the yellow row.
    const QStringList expected = {"TForm1/Button1", "TForm1/Button2", "TForm1/Button3", "TForm1/Button4",
                                  "TForm1/Button5", "TForm1/Button6", "TForm1/Button7", "TForm1/Button8",
                                  "TForm1/Button9", "TForm1/modra", "TForm1/zluta", "TForm1/zluta_1",
                                  "TForm1/zluta_2", "TForm1/zluta_3", "TForm2/RB1", "TForm2/RB2",
                                  "TForm2/Button1", "TForm2/Button2"};
    QStringList missing;
    QStringList unexpected = shown;  // a widget counted twice stays in it
    for (const QString &name : expected) {
        if (!unexpected.removeOne(name))
            missing << name;
    }
    QVERIFY2(missing.isEmpty() && unexpected.isEmpty(),
             qPrintable(QStringLiteral("missing: %1; not expected: %2").arg(missing.join(' '), unexpected.join(' '))));
}

void DesktopTest::qtSpeaksCzechOnceAFailureIsShown()
{
    Application->ShowException(Exception(QStringLiteral("pokus")));
    QCOMPARE(fixture::takeShownFailures(), QStringList({"pokus"}));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Zrušit"));
}

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"

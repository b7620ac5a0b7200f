// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/formsfixture.h"

#include "app/controls/conversions.h"
#include "app/controls/exception.h"
#include "app/controls/tapplication.h"
#include "app/controls/tbutton.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "registers/digits.h"
#include "registers/store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QSignalSpy>
#include <QTest>
#include <QtMath>

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace fixture {

namespace {

QStringList shown;

bool fail(const QString &what)
{
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    return false;
}

} // namespace

bool startForms()
{
    Application->Initialize();
    Application->setTitle(QStringLiteral("Bitovka"));
    Application->setExceptionHook([](const Exception &e) { shown << e.Message(); });
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Form1->Show();
    return activate(Form1);
}

QStringList takeShownFailures()
{
    QStringList out;
    out.swap(shown);
    return out;
}

QStringList captions()
{
    QStringList out;
    for (const char *row : {"modra", "cervena", "zluta"}) {
        const QString base = QString::fromLatin1(row);
        for (const QString &suffix : {QString(), QStringLiteral("_1"), QStringLiteral("_2"), QStringLiteral("_3")})
            out << Form1->findChild<TLabel *>(base + suffix)->Caption();
    }
    return out;
}

QStringList yellow()
{
    return captions().mid(8);
}

void setOperands(int blue, int red)
{
    auto &s = registers::store();
    s.modra_cislo = registers::wrap16(blue);
    s.cervena_cislo = registers::wrap16(red);
    s.modra_cifry = registers::rozloz(s.modra_cislo);
    s.cervena_cifry = registers::rozloz(s.cervena_cislo);
    Form1->modra->setCaption(IntToStr(blue));
    Form1->modra_1->setCaption(IntToStr(s.modra_cifry.d2));
    Form1->modra_2->setCaption(IntToStr(s.modra_cifry.d1));
    Form1->modra_3->setCaption(IntToStr(s.modra_cifry.d0));
    Form1->cervena->setCaption(IntToStr(red));
    Form1->cervena_1->setCaption(IntToStr(s.cervena_cifry.d2));
    Form1->cervena_2->setCaption(IntToStr(s.cervena_cifry.d1));
    Form1->cervena_3->setCaption(IntToStr(s.cervena_cifry.d0));
}

bool click(const char *buttonName)
{
    auto *b = Form1->findChild<TButton *>(QString::fromLatin1(buttonName));
    if (!b)
        return fail(QStringLiteral("no button %1").arg(QLatin1String(buttonName)));
    QTest::mouseClick(b, Qt::LeftButton);
    return true;
}

bool activate(QWidget *window)
{
    const auto active = [window] { return QApplication::activeWindow() == window; };
    window->activateWindow();
    if (QTest::qWaitFor(active, 1000))
        return true;
    // Qt for Windows on its offscreen platform leaves the main window's request
    // unanswered once its dialog has been hidden while it had the focus (the
    // dialog keeps the focus, and Qt counts the main window active through it).
    // A desktop hands the activation back itself, as the end-to-end test under
    // Wine sees; here the tests do what it would.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(window);
    QT_WARNING_POP
    if (!QTest::qWaitFor(active))
        return fail(QStringLiteral("%1 did not become active").arg(window->objectName()));
    return true;
}

bool altKey(QWidget *window, Qt::Key key, const QAbstractButton *expected)
{
    QList<const QAbstractButton *> buttons;
    if (expected)
        buttons << expected;
    else
        for (const QAbstractButton *b : window->findChildren<QAbstractButton *>())
            buttons << b;
    // The spies go with this call, whatever way it returns.
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const QAbstractButton *b : buttons) {
        if (b->window() == window)
            spies.push_back(std::make_unique<QSignalSpy>(b, &QAbstractButton::clicked));
    }
    const auto clicks = [&spies] {
        return std::accumulate(spies.cbegin(), spies.cend(), qsizetype(0),
                               [](qsizetype n, const auto &spy) { return n + spy->count(); });
    };
    QTest::keyClick(window, key, Qt::AltModifier);
    if (!QTest::qWaitFor([&clicks] { return clicks() > 0; }, 2000))
        return fail(QStringLiteral("Alt+%1 clicked no button").arg(QKeySequence(key).toString()));
    if (clicks() != 1)
        return fail(QStringLiteral("Alt+%1 clicked %2 buttons").arg(QKeySequence(key).toString()).arg(clicks()));
    return true;
}

double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto lin = [](qreal v) { return v <= 0.04045 ? v / 12.92 : qPow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Ink inkIn(QWidget *window, const QRect &area)
{
    const QImage shot = window->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    const QColor ground = window->palette().color(QPalette::Window);
    const QRect px(QPoint(qCeil(area.left() * dpr), qCeil(area.top() * dpr)),
                   QPoint(qFloor((area.right() + 1) * dpr) - 1, qFloor((area.bottom() + 1) * dpr) - 1));
    const auto distance = [&ground](const QColor &c) {
        return std::max({qAbs(c.red() - ground.red()), qAbs(c.green() - ground.green()), qAbs(c.blue() - ground.blue())});
    };
    const auto isGround = [&](QPoint p) { return px.contains(p) && distance(shot.pixelColor(p)) <= 8; };
    const int reach = qMax(2, qRound(2 * dpr));
    std::vector<double> crossings;
    Ink ink;
    int farthest = 0;
    for (int y = px.top(); y <= px.bottom(); ++y) {
        for (int x = px.left(); x <= px.right(); ++x) {
            const QPoint p(x, y);
            if (isGround(p))
                continue;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                if (!isGround(p - step))
                    continue;
                double most = 1;
                for (QPoint q = p; px.contains(q) && (q - p).manhattanLength() < reach; q += step)
                    most = std::max(most, contrast(shot.pixelColor(q), ground));
                crossings.push_back(most);
            }
            const QColor c = shot.pixelColor(p);
            const int d = distance(c);
            if (d < 96)
                continue;
            ink.colours << c;
            ink.box |= QRect(qFloor(x / dpr), qFloor(y / dpr), 1, 1);
            if (d > farthest) {
                farthest = d;
                ink.strongest = c;
            }
        }
    }
    if (!crossings.empty()) {
        const auto mid = crossings.begin() + static_cast<std::ptrdiff_t>(crossings.size() / 2);
        std::nth_element(crossings.begin(), mid, crossings.end());
        ink.edge = *mid;
    }
    return ink;
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 48 && qAbs(a.green() - b.green()) <= 48 && qAbs(a.blue() - b.blue()) <= 48;
}

double shareOf(const Ink &ink, const QColor &c)
{
    const auto n = std::count_if(ink.colours.cbegin(), ink.colours.cend(), [&c](const QColor &p) { return near(p, c); });
    return ink.colours.isEmpty() ? 0 : static_cast<double>(n) / static_cast<double>(ink.colours.size());
}

} // namespace fixture

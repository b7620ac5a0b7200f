// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Long random sequences of everything a user can do, played on the real
// windows and, step by step, on a small reference model written here from the
// program's described behaviour. After every step all twelve value captions,
// the dialog's visibility and both radio buttons must agree with the model.
//
//   model_test -seed N -steps M [-trace]
//
// A failure names its seed and step, so `-seed N -steps <step>` replays it.

#include "tests/formsfixture.h"

#include "app/controls/tapplication.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "tests/usermodel.h"

#include <QTest>

#include <array>
#include <cstdlib>
#include <deque>
#include <random>

namespace {

using model::Model;

unsigned g_seed = 1;
int g_steps = 5000;
bool g_trace = false;

// ---- the actions -------------------------------------------------------------

enum class Act {
    Click, AltMain, ChooseClick, ChooseAlt, ProvedClick, ZavriClick, Enter, Esc, CloseBox,
};

struct Action {
    Act act;
    int which;  // button 1..9, or the radio (1, 2), or the focused control for Enter
    QString describe() const
    {
        static const char *const names[] = {"click Button", "Alt on main, Button", "click RB",
                                            "Alt on dialog, RB", "click Proveď", "click Zavři",
                                            "Enter with focus on #", "Esc", "close box"};
        return QString::fromUtf8(names[static_cast<int>(act)]) + QString::number(which);
    }
};

const std::array<Qt::Key, 10> mainKeys = {Qt::Key_unknown, Qt::Key_G, Qt::Key_D, Qt::Key_N,
                                           Qt::Key_unknown, Qt::Key_unknown, Qt::Key_K,
                                           Qt::Key_O, Qt::Key_V, Qt::Key_M};

TButton *mainButton(int i)
{
    return Form1->findChild<TButton *>(QStringLiteral("Button%1").arg(i));
}

// Bursts of the same shift reach what single clicks seldom do: negative
// operands, the top bit, -1 and 0 at the ends.
std::deque<int> burst;

Action pick(std::mt19937 &rng, const Model &m)
{
    std::uniform_int_distribution<int> percent(0, 999);
    std::uniform_int_distribution<int> button(1, 9);
    if (burst.empty() && percent(rng) < 25) {
        // Shift left far enough to turn the operand negative, then maybe back
        // right towards -1, with an occasional operation in between.
        const int lefts = std::uniform_int_distribution<int>(1, 17)(rng);
        const int rights = std::uniform_int_distribution<int>(0, 17)(rng);
        burst.insert(burst.end(), static_cast<std::size_t>(lefts), 4);
        if (percent(rng) < 300)
            burst.push_back(button(rng));
        burst.insert(burst.end(), static_cast<std::size_t>(rights), 5);
    }
    if (!burst.empty()) {
        const int b = burst.front();
        burst.pop_front();
        return {Act::Click, b};
    }
    const int p = percent(rng);
    // Alt keys press their button visibly, a tenth of a second each: used
    // sparingly so a run stays short.
    if (p < 12) {
        static const int withKeys[] = {1, 2, 3, 6, 7, 8, 9};
        return {Act::AltMain, withKeys[std::uniform_int_distribution<int>(0, 6)(rng)]};
    }
    if (!m.dialogVisible || p < 600)
        return {Act::Click, button(rng)};
    if (p < 700)
        return {Act::ChooseClick, 1 + percent(rng) % 2};
    if (p < 706)
        return {Act::ChooseAlt, 1 + percent(rng) % 2};
    if (p < 800)
        return {Act::ProvedClick, 0};
    if (p < 860)
        return {Act::Enter, 1 + percent(rng) % 4};
    if (p < 900)
        return {Act::ZavriClick, 0};
    if (p < 950)
        return {Act::Esc, 0};
    return {Act::CloseBox, 0};
}

void play(const Action &a, Model &m)
{
    auto op = [&m](int button) {
        switch (button) {
        case 1: m.generate(); break;
        case 2: m.combine(m.blue != 0 || m.red != 0, m.blue | m.red); break;
        case 3: m.combine(m.blue != m.red, m.blue ^ m.red); break;
        case 4: m.shiftLeft(); break;
        case 5: m.shiftRight(); break;
        case 6: m.combine(m.blue != 0 && m.red != 0, m.blue & m.red); break;
        case 7: m.komplement(); break;
        case 8: m.compare(m.blue > m.red); break;
        case 9: m.compare(m.blue < m.red); break;
        default: QFAIL("no such button");
        }
    };
    switch (a.act) {
    case Act::Click:
        QTest::mouseClick(mainButton(a.which), Qt::LeftButton);
        op(a.which);
        break;
    case Act::AltMain:
        if (!fixture::activate(Form1) || !fixture::altKey(Form1, mainKeys[static_cast<std::size_t>(a.which)], mainButton(a.which)))
            return;
        op(a.which);
        break;
    case Act::ChooseClick: {
        TRadioButton *rb = a.which == 1 ? Form2->RB1 : Form2->RB2;
        QTest::mouseClick(rb, Qt::LeftButton, {}, QPoint(5, rb->height() / 2));
        m.choose(a.which == 1);
        break;
    }
    case Act::ChooseAlt:
        if (!fixture::activate(Form2) || !fixture::altKey(Form2, a.which == 1 ? Qt::Key_M : Qt::Key_E, a.which == 1 ? Form2->RB1 : Form2->RB2))
            return;
        m.choose(a.which == 1);
        break;
    case Act::ProvedClick:
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        m.komplement();
        break;
    case Act::ZavriClick:
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        m.dialogVisible = false;
        break;
    case Act::Enter: {
        if (!fixture::activate(Form2))
            return;
        QWidget *focus[] = {Form2->RB1, Form2->RB2, Form2->Button1, Form2->Button2};
        focus[a.which - 1]->setFocus();
        QTest::keyClick(Form2, Qt::Key_Return);
        if (a.which == 4)
            m.dialogVisible = false;  // Enter goes to the focused Zavři
        else
            m.komplement();
        break;
    }
    case Act::Esc:
        if (!fixture::activate(Form2))
            return;
        QTest::keyClick(Form2, Qt::Key_Escape);
        m.dialogVisible = false;
        break;
    case Act::CloseBox:
        Form2->close();
        m.dialogVisible = false;
        break;
    }
}

QString yesNo(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

class ModelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(fixture::startForms()); }
    void randomSequence();
};

void ModelTest::randomSequence()
{
    Model m;
    m.generate();  // what start-up draws
    std::mt19937 rng(g_seed);
    std::deque<QString> recent;
    int step = 0;
    auto check = [&](const QString &what) {
        const QStringList got = fixture::captions();
        const QStringList want = m.captions();
        const bool ok = got == want && Form2->isVisible() == m.dialogVisible
                        && Form2->RB1->isChecked() == m.rb1 && Form2->RB2->isChecked() == m.rb2
                        && fixture::takeShownFailures().isEmpty();
        if (!ok) {
            QString msg = QStringLiteral("seed %1, step %2 (%3)\n  shown : %4 dialog=%5 RB1=%6 RB2=%7\n"
                                         "  model : %8 dialog=%9 RB1=%10 RB2=%11\n  before:")
                              .arg(g_seed).arg(step).arg(what, got.join(' '))
                              .arg(yesNo(Form2->isVisible()), yesNo(Form2->RB1->isChecked()), yesNo(Form2->RB2->isChecked()))
                              .arg(want.join(' '), yesNo(m.dialogVisible), yesNo(m.rb1), yesNo(m.rb2));
            for (const QString &r : recent)
                msg += QStringLiteral(" | ") + r;
            QFAIL(qPrintable(msg));
        }
    };
    check(QStringLiteral("start-up"));
    for (step = 1; step <= g_steps; ++step) {
        const Action a = pick(rng, m);
        play(a, m);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3 could not be played")
                                 .arg(g_seed).arg(step).arg(a.describe())));
        if (g_trace)
            qInfo("%d %s -> %s", step, qPrintable(a.describe()), qPrintable(fixture::captions().join(' ')));
        recent.push_back(a.describe());
        if (recent.size() > 8)
            recent.pop_front();
        check(a.describe());
    }
    qInfo("seed %u: %d actions, every one matched the model", g_seed, g_steps);
}

int main(int argc, char *argv[])
{
    // Our own arguments are taken out before Qt Test sees the rest.
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-seed" && i + 1 < argc)
            g_seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "-steps" && i + 1 < argc)
            g_steps = std::atoi(argv[++i]);
        else if (arg == "-trace")
            g_trace = true;
        else
            rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());
    TApplication app(restCount, rest.data());
    ModelTest test;
    return QTest::qExec(&test, restCount, rest.data());
}

#include "model_test.moc"

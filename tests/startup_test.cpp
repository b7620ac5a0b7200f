// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/exception.h"
#include "app/controls/tapplication.h"
#include "app/controls/tform.h"
#include "forms/Unit2.h"

#include <QTest>
#include <QTimer>

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace {

QStringList shown;

// A window whose creation handler fails, as a failing draw at start-up would.
class FailingForm : public TForm
{
public:
    explicit FailingForm(QWidget *parent = nullptr)
        : TForm(parent)
    {
        connect(this, &TForm::OnCreate, this, [] { throw Exception(QStringLiteral("zac selhal")); });
    }
};
FailingForm *failing = nullptr;

// The main window of a start-up whose creation handler failed, made once
// whichever test asks first, with the exit code and what was shown.
struct FailedStart {
    int code;
    QStringList shown;
};
const FailedStart &failedStart()
{
    static const FailedStart start = [] {
        const int code = Application->RunProtected([] {
            Application->CreateForm(failing);
            return 1;
        });
        return FailedStart{code, std::exchange(shown, {})};
    }();
    return start;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Application->setExceptionHook([](const Exception &e) { shown << e.Message(); });
    }
    void init() { shown.clear(); }

    // The process ends with the code its event loop ended with (no window
    // exists yet here: Run() goes straight to the loop).
    void normalRunEndsWithTheEventLoopsCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("0") << 0;
        QTest::newRow("3") << 3;
    }
    void normalRunEndsWithTheEventLoopsCode()
    {
        QFETCH(int, code);
        QTimer::singleShot(0, Application, [code] { QCoreApplication::exit(code); });
        QCOMPARE(Application->RunProtected([] { return Application->Run(); }), code);
        QVERIFY(shown.isEmpty());
    }

    // A failure the user has been shown ends the process with code 0, the
    // steps' own code never reached.
    void escapingExceptionIsShownAndExitCodeIsZero()
    {
        QCOMPARE(Application->RunProtected([]() -> int { throw EConvertError(QStringLiteral("„x“ není platné celé číslo")); }), 0);
        QCOMPARE(shown, QStringList({"„x“ není platné celé číslo"}));
    }

    // A standard exception says what went wrong; anything else is shown
    // with an empty message.
    void otherFailuresAreShownByWhatTheySay_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("int") << 0 << QString();
        QTest::newRow("std::runtime_error") << 1 << "„x“ je mimo rozsah";
        QTest::newRow("std::bad_alloc") << 2 << "std::bad_alloc";
    }
    void otherFailuresAreShownByWhatTheySay()
    {
        QFETCH(int, kind);
        QFETCH(QString, message);
        const int code = Application->RunProtected([kind]() -> int {
            if (kind == 0)
                throw 7;
            if (kind == 1)
                throw std::runtime_error("„x“ je mimo rozsah");
            throw std::bad_alloc();
        });
        QCOMPARE(code, 0);
        QCOMPARE(shown, QStringList({message}));
    }

    void failingCreationHandlerIsShownAndTheFormStaysOwned()
    {
        QCOMPARE(failedStart().code, 0);
        QCOMPARE(failedStart().shown, QStringList({"zac selhal"}));
        QVERIFY(failing);
        QCOMPARE(Application->MainForm(), failing);
    }

    // A later form is a window of the main window's own, which takes it
    // along when it goes (main() checks that at the end).
    void laterFormIsTheMainWindowsOwn()
    {
        failedStart();
        Application->CreateForm(Form2);
        QVERIFY(Form2);
        QCOMPARE(Form2->parentWidget(), failing);
        QVERIFY(Form2->isWindow());
        QVERIFY(Application->MainForm() != Form2);
    }
};

int main(int argc, char *argv[])
{
    int failures = 0;
    {
        TApplication app(argc, argv);
        StartupTest test;
        failures = QTest::qExec(&test, argc, argv);
    }
    // The windows went with the application object; no pointer to one is left.
    if (Form2) {
        std::fputs("FAIL!  : the dialog outlived the application, or Form2 its dialog\n", stderr);
        return 1;
    }
    return failures;
}

#include "startup_test.moc"

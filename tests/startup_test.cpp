#include "controls/exception.h"
#include "controls/tapplication.h"
#include "controls/tform.h"

#include <QTest>

#include <stdexcept>

namespace {

QStringList shown;

// A window whose creation handler fails, as a failing draw at start-up would.
class FailingForm : public TForm
{
public:
    FailingForm()
    {
        connect(this, &TForm::OnCreate, this, [] { throw Exception(QStringLiteral("zac selhal")); });
    }
};
FailingForm *failing = nullptr;

// Something that throws while an ordinary event is being dispatched.
class ThrowingObject : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw Exception(QStringLiteral("v události"));
        if (e->type() == QEvent::Type(QEvent::User + 1))
            throw std::runtime_error("not ours");
        return QObject::event(e);
    }
};

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

    void normalRunReturnsZero()
    {
        bool ran = false;
        QCOMPARE(Application->RunProtected([&ran] { ran = true; }), 0);
        QVERIFY(ran);
        QVERIFY(shown.isEmpty());
    }

    void escapingExceptionIsShownAndExitCodeIsZero()
    {
        QCOMPARE(Application->RunProtected([] { throw EConvertError(QStringLiteral("„x“ není platné celé číslo")); }), 0);
        QCOMPARE(shown, QStringList({"„x“ není platné celé číslo"}));
    }

    void anythingElseIsShownWithAnEmptyMessage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("int") << 0;
        QTest::newRow("std::runtime_error") << 1;
        QTest::newRow("std::bad_alloc") << 2;
    }
    void anythingElseIsShownWithAnEmptyMessage()
    {
        QFETCH(int, kind);
        const int code = Application->RunProtected([kind] {
            if (kind == 0)
                throw 7;
            if (kind == 1)
                throw std::runtime_error("boom");
            throw std::bad_alloc();
        });
        QCOMPARE(code, 0);
        QCOMPARE(shown, QStringList({QString()}));
    }

    void failingCreationHandlerIsShownAndTheFormStaysOwned()
    {
        QCOMPARE(Application->RunProtected([] { Application->CreateForm(failing); }), 0);
        QCOMPARE(shown, QStringList({"zac selhal"}));
        QVERIFY(failing);
        QCOMPARE(Application->MainForm(), failing);
    }

    void exceptionInAnyEventIsShownAndDispatchGoesOn()
    {
        ThrowingObject o;
        QEvent user(QEvent::User);
        QCoreApplication::sendEvent(&o, &user);
        QEvent other(QEvent::Type(QEvent::User + 1));
        QCoreApplication::sendEvent(&o, &other);
        QCOMPARE(shown, QStringList({"v události", QString()}));
        QCoreApplication::postEvent(&o, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(shown.size(), 3);
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"

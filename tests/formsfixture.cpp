#include "formsfixture.h"

#include "controls/conversions.h"
#include "controls/exception.h"
#include "controls/tapplication.h"
#include "controls/tbutton.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "registers/digits.h"
#include "registers/store.h"

#include <QAbstractButton>
#include <QTest>

namespace fixture {

namespace {
QStringList shown;
}

void startForms()
{
    Application->Initialize();
    Application->setTitle(QStringLiteral("Bitovka"));
    Application->setExceptionHook([](const Exception &e) { shown << e.Message(); });
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Form1->Show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
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

void click(const char *buttonName)
{
    auto *b = Form1->findChild<TButton *>(QString::fromLatin1(buttonName));
    QVERIFY2(b, buttonName);
    QTest::mouseClick(b, Qt::LeftButton);
}

void altKey(QWidget *window, Qt::Key key, QAbstractButton *expected)
{
    QList<QAbstractButton *> buttons;
    if (expected)
        buttons << expected;
    else
        buttons = window->findChildren<QAbstractButton *>();
    int clicks = 0;
    QList<QMetaObject::Connection> watch;
    for (QAbstractButton *b : buttons)
        watch << QObject::connect(b, &QAbstractButton::clicked, [&clicks] { ++clicks; });
    QTest::keyClick(window, key, Qt::AltModifier);
    QTRY_COMPARE_WITH_TIMEOUT(clicks, 1, 2000);
    for (const auto &c : watch)
        QObject::disconnect(c);
}

} // namespace fixture

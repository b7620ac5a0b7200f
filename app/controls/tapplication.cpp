// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/tapplication.h"

#include "app/controls/exception.h"
#include "app/controls/fontprops.h"
#include "app/controls/legibility.h"
#include "app/controls/page.h"
#include "app/controls/startupprobe.h"
#include "app/controls/tform.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <exception>

#ifdef BITOVKA_STARTUP_PROBES
#include <QWindow>
#endif

TApplication *Application = nullptr;

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    startupProbe("display connected");
    Application = this;
    // Only the main window's closing ends the program; the dialog may still
    // be open then, and hiding the dialog must never end it.
    setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication()
{
    // The windows go before the application object: the main window, and
    // with it its children, the later forms.
    m_mainForm.reset();
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize()
{
    // The program speaks Czech whatever the desktop's language; assistive
    // technology is told so and can pick a Czech voice.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    installFontSubstitutes();
    installToolTipWrapping();
    page::prepare();
}

void TApplication::setTitle(const QString &title)
{
    m_title = title;
    // Not the display name: Qt would append that to every window title.
    setApplicationName(title);
}

void TApplication::adopt(TForm *form)
{
    if (!m_mainForm)
        m_mainForm.reset(form);
    form->Loaded();
}

int TApplication::Run()
{
    if (m_mainForm)
        m_mainForm->Show();
    startupProbe("main window shown, event loop starts");
    return exec();
}

void TApplication::loadQtTranslations()
{
    if (m_qtTranslationsLoaded)
        return;
    m_qtTranslationsLoaded = true;
    auto *translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}

void TApplication::ShowException(const Exception &e)
{
    loadQtTranslations();
    if (m_hook) {
        m_hook(e);
        return;
    }
    QWidget *parent = activeWindow();
    if (!parent)
        parent = m_mainForm.get();
    QMessageBox::critical(parent, m_title.isEmpty() ? applicationName() : m_title, e.Message());
}

void TApplication::HandleException()
{
    try {
        throw;
    } catch (const Exception &e) {
        ShowException(e);
    } catch (const std::exception &e) {
        // A failure from the standard library (or any other that says what
        // went wrong) is shown with its own words.
        ShowException(Exception(QString::fromUtf8(e.what())));
    } catch (...) {
        ShowException(Exception(QString()));
    }
}

int TApplication::RunProtected(const std::function<int()> &steps)
{
    try {
        return steps();
    } catch (...) {
        HandleException();
    }
    return 0;
}

#ifdef BITOVKA_STARTUP_PROBES
bool TApplication::notify(QObject *receiver, QEvent *event)
{
    static bool exposed = false;
    if (!exposed && event->type() == QEvent::Expose && m_mainForm && receiver == m_mainForm->windowHandle()) {
        exposed = true;
        startupProbe("main window exposed");
        const bool result = QApplication::notify(receiver, event);
        startupProbe("main window painted and flushed");
        return result;
    }
    return QApplication::notify(receiver, event);
}
#endif

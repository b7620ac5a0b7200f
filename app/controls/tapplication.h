// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <functional>
#include <memory>
#include <utility>

class Exception;
class TForm;

// The application object: owns the main window, runs the event loop and shows
// whatever failure reaches it. The program's handlers are reached only
// through the layer's own dispatch (a button's click, a form's creation
// handler, the start-up steps), and each of those catches what its handler
// throws, before it can unwind through Qt's own code, which is built
// without exception support: the failure is shown and the program goes on.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);
    ~TApplication() override;

    void Initialize();

    const QString &Title() const { return m_title; }
    void setTitle(const QString &title);

    // Builds a form from its layout, stores it in `instance` and runs the
    // form's creation handler. The first one created is the main window,
    // which the application owns. Every later form is a child of the main
    // window, goes with it, and is a window of its own: it stays above it,
    // is minimised with it, and has no taskbar entry of its own. A form
    // clears its `instance` as it goes.
    template <class T>
    void CreateForm(T *&instance)
    {
        instance = new T(m_mainForm.get());
        adopt(instance);
    }

    TForm *MainForm() const { return m_mainForm.get(); }

    // Shows the main window and dispatches events until it is closed;
    // returns the event loop's exit code.
    int Run();

    // Shows the exception's message; a hook, when set, receives it instead
    // (tests observe failures through it without a modal box).
    void ShowException(const Exception &e);
    using ExceptionHook = std::function<void(const Exception &)>;
    void setExceptionHook(ExceptionHook hook) { m_hook = std::move(hook); }

    // Shows the exception currently being handled (call only in a catch
    // block): an Exception's message, a standard exception's what(), an
    // empty message for anything else.
    void HandleException();

    // Runs the start-up steps and returns the exit code they end with.
    // Whatever escapes them is shown, and the code is then 0: the user has
    // seen the failure and closed its message, as the program asked.
    int RunProtected(const std::function<int()> &steps);

#ifdef BITOVKA_STARTUP_PROBES
    bool notify(QObject *receiver, QEvent *event) override;
#endif

private:
    // Loads Qt's own strings (message box buttons and the like) in the
    // program's language, Czech; done once, when a failure is first shown.
    void loadQtTranslations();
    void adopt(TForm *form);

    QString m_title;
    std::unique_ptr<TForm> m_mainForm;
    ExceptionHook m_hook;
    bool m_qtTranslationsLoaded = false;
};

// The one application object, set while it exists.
extern TApplication *Application;

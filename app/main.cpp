// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/tapplication.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"

#include "app/commandline.h"
#include "app/controls/startupprobe.h"

int main(int argc, char *argv[])
{
    startupProbe("main");
    if (const std::optional<int> answered = answerCommandLine(argc, argv))
        return *answered;
    holdStartupMessages(argc, argv);
    TApplication app(argc, argv);
    releaseStartupMessages();
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.bitovka.Bitovka")); // a dock finds the entry and icon by it
    startupProbe("application object");
    return app.RunProtected([] {
        Application->Initialize();
        Application->setTitle(QStringLiteral("Bitovka"));
        startupProbe("initialised");
        Application->CreateForm(Form1);
        startupProbe("main window created");
        Application->CreateForm(Form2);
        startupProbe("dialog created");
        return Application->Run();
    });
}

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include "app/console.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Whether the window needs a display the desktop names, as X and Wayland
// do; Windows and the browser always have theirs. The build says which.
constexpr bool needsNamedDisplay = BITOVKA_NAMED_DISPLAY;

std::string helpText()
{
    std::string text = "Použití: bitovka [VOLBA]\n"
                       "Otevře okno Bitovky: modré a červené číslo, žlutý výsledek a jejich cifry\n"
                       "ve dvojkové soustavě.\n"
                       "\n"
                       "  -h, --help     vypíše tuto nápovědu a skončí\n"
                       "      --version  vypíše verzi programu a skončí\n"
                       "\n";
    if (needsNamedDisplay)
        text += "Okno potřebuje grafický displej (DISPLAY nebo WAYLAND_DISPLAY); bez něj\n"
                "program skončí s kódem 1. ";
    return text + "Obecné volby Qt, například -platform, platí;\n"
                  "jiné argumenty program nečte.\n";
}

// The build gives the version.
const char *const version = BITOVKA_VERSION;
const char *const versionText =
    "Copyright 2026 The Bitovka developers\n"
    "Licence GPL verze 3 nebo pozdější <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "Je to svobodný software, bez jakékoli záruky.\n";

// Prints a text the command line asked for; a failed write (a full disk, a
// closed pipe) is a failure, not a success.
int print(const std::string &text)
{
    if (!writeAnswer(text.c_str())) {
        std::fputs("bitovka: výpis se nepodařilo zapsat\n", stderr);
        return 1;
    }
    return 0;
}

const char *environment(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// Qt's option -NAME VALUE (Qt also takes --NAME, wherever it stands), else
// the environment variable that stands for it; null without either.
const char *qtSetting(int argc, char **argv, std::string_view name, const char *variable)
{
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.substr(0, 2) == "--")
            arg.remove_prefix(1);
        if (arg.substr(0, 1) == "-" && arg.substr(1) == name)
            return argv[i + 1];
    }
    return environment(variable);
}

// What the user is told, in place of Qt's abort, when Qt cannot bring up its
// platform. Only X (xcb) and Wayland need the desktop's display, and one of
// them is what Qt picks by itself on a desktop Unix; Windows and WebAssembly
// have no display to name, and any other failure is the platform's own.
std::string cannotOpenWindow(int argc, char **argv)
{
    const char *platform = qtSetting(argc, argv, "platform", "QT_QPA_PLATFORM");
    const std::string_view named = platform ? platform : "";
    const char *display = nullptr;
    if (!platform) {
        if (!needsNamedDisplay)
            return "bitovka: výchozí platformu Qt se nepodařilo spustit, okno nelze otevřít\n";
        display = qtSetting(argc, argv, "display", "DISPLAY");
        if (!display)
            display = environment("WAYLAND_DISPLAY");
    } else if (named.substr(0, 3) == "xcb") {
        display = qtSetting(argc, argv, "display", "DISPLAY");
    } else if (named.substr(0, 7) == "wayland") {
        display = environment("WAYLAND_DISPLAY");
    } else {
        return "bitovka: platformu Qt „" + std::string(named) + "“ se nepodařilo spustit, okno nelze otevřít\n";
    }
    if (!display)
        return "bitovka: chybí grafický displej (není nastaveno DISPLAY ani WAYLAND_DISPLAY), okno nelze otevřít\n";
    return "bitovka: ke grafickému displeji „" + std::string(display) + "“ se nepodařilo připojit, okno nelze otevřít\n";
}

// While the application object is being made: Qt ends the process with
// abort() when it cannot bring up its platform, after lines of its own that
// end in advice to reinstall the program. The user gets one line instead,
// and exit code 1; until then what Qt says is held back, being maybe the
// lead-up to that end.
struct Held {
    QtMsgType type;
    const char *category;  // Qt's own static name
    QString text;
};
struct {
    std::string failure;
    QtMessageHandler qtHandler = nullptr;
    std::mutex lock;
    std::vector<Held> held;
} startup;

void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        writeFailure(startup.failure.c_str());
        // Nothing of the program exists yet, and Qt is half made: end at
        // once, without running destructors over it.
        std::_Exit(1);
    }
    const std::lock_guard<std::mutex> guard(startup.lock);
    startup.held.push_back({type, context.category, message});
}

} // namespace

std::optional<int> answerCommandLine(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;  // what follows is no option, and the program takes no operands
        if (arg == "-h" || arg == "--help")
            return print(helpText());
        if (arg == "--version")
            return print("Bitovka " + std::string(version) + "\n" + versionText);
    }
    return std::nullopt;
}

void holdStartupMessages(int argc, char **argv)
{
    startup.failure = cannotOpenWindow(argc, argv);
    startup.qtHandler = qInstallMessageHandler(startupMessage);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(startup.qtHandler);
    std::vector<Held> held;
    {
        const std::lock_guard<std::mutex> guard(startup.lock);
        held.swap(startup.held);
    }
    // The object is made: what Qt said meanwhile goes out as it came.
    for (const Held &m : held)
        startup.qtHandler(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category), m.text);
}

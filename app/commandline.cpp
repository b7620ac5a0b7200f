// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <vector>

namespace {

const char *const helpText =
    "Použití: bitovka [VOLBA]\n"
    "Otevře okno Bitovky: modré a červené číslo, žlutý výsledek a jejich cifry\n"
    "ve dvojkové soustavě.\n"
    "\n"
    "  -h, --help     vypíše tuto nápovědu a skončí\n"
    "      --version  vypíše verzi programu a skončí\n"
    "\n"
    "Okno potřebuje grafický displej (DISPLAY nebo WAYLAND_DISPLAY); bez něj\n"
    "program skončí s kódem 1. Obecné volby Qt, například -platform, platí;\n"
    "jiné argumenty program nečte.\n";

// The build gives the version.
const char *const version = BITOVKA_VERSION;
const char *const versionText =
    "Copyright 2026 The Bitovka developers\n"
    "Licence GPL verze 3 nebo pozdější <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "Je to svobodný software, bez jakékoli záruky.\n";

// Prints a text the command line asked for; a failed write (a full disk, a
// closed pipe) is a failure, not a success.
int print(const char *text)
{
    if (std::fputs(text, stdout) < 0 || std::fflush(stdout) != 0) {
        std::fputs("bitovka: výpis se nepodařilo zapsat\n", stderr);
        return 1;
    }
    return 0;
}

// The value of Qt's option -NAME VALUE (Qt also takes --NAME), or null.
// Qt reads its options wherever they stand, so they are looked for everywhere.
const char *qtOption(int argc, char **argv, std::string_view name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.substr(0, 2) == "--")
            arg.remove_prefix(1);
        if (arg.substr(0, 1) == "-" && arg.substr(1) == name)
            return argv[i + 1];
    }
    return nullptr;
}

const char *environment(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// Qt ends the process with abort() when it cannot bring up its platform (a
// display that is named but not there, a platform it does not have), after
// several lines of its own that end in advice to reinstall the program.
// While the application object is being made, what Qt says is held back: on
// such an end, the user gets one line of the program's own and exit code 1;
// otherwise the held lines go out as they came, once the object is made.
const char *platformAsked = nullptr;
const char *displayAsked = nullptr;

// No platform named, or X: the one that needs the desktop's display.
bool desktopPlatform()
{
    return platformAsked == nullptr || std::string_view(platformAsked) == "xcb";
}

QtMessageHandler qtMessages = nullptr;

struct HeldMessage {
    QtMsgType type;
    const char *file; // the context's strings are Qt's static ones
    int line;
    const char *function;
    const char *category;
    QString text;
};
std::mutex heldLock;
std::vector<HeldMessage> held;

void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        const std::lock_guard<std::mutex> lock(heldLock);
        held.push_back({type, context.file, context.line, context.function, context.category, message});
        return;
    }
    // The desktop's platform failed to reach its display; any other platform
    // is named by itself.
    if (desktopPlatform())
        std::fprintf(stderr, "bitovka: ke grafickému displeji „%s“ se nepodařilo připojit, okno nelze otevřít\n",
                     displayAsked);
    else
        std::fprintf(stderr, "bitovka: platformu Qt „%s“ se nepodařilo spustit, okno nelze otevřít\n",
                     platformAsked);
    // Nothing of the program exists yet, and Qt is half made: end at once,
    // without running destructors over it.
    std::_Exit(1);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;  // what follows is no option, and the program takes no operands
        if (arg == "-h" || arg == "--help")
            return print(helpText);
        if (arg == "--version") {
            std::printf("Bitovka %s\n", version);
            return print(versionText);
        }
    }
    // Qt's own choice, with no platform named, is the desktop's display: an
    // X display (DISPLAY, or -display NAME) or a Wayland one. Without any, say
    // so before Qt is started at all.
    platformAsked = qtOption(argc, argv, "platform");
    if (!platformAsked)
        platformAsked = environment("QT_QPA_PLATFORM");
    displayAsked = qtOption(argc, argv, "display");
    if (!displayAsked)
        displayAsked = environment("DISPLAY");
    if (!displayAsked && !platformAsked)
        displayAsked = environment("WAYLAND_DISPLAY");
    if (desktopPlatform() && !displayAsked) {
        std::fputs("bitovka: chybí grafický displej (není nastaveno DISPLAY ani WAYLAND_DISPLAY), okno nelze otevřít\n",
                   stderr);
        return 1;
    }
    return std::nullopt;
}

void holdStartupMessages()
{
    qtMessages = qInstallMessageHandler(startupMessage);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(qtMessages);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard<std::mutex> lock(heldLock);
        messages.swap(held);
    }
    for (const HeldMessage &m : messages) {
        const QMessageLogContext context(m.file, m.line, m.function, m.category);
        qtMessages(m.type, context, m.text);
    }
}

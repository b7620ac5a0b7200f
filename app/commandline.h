// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// What the program does from a terminal before any window: it answers
// -h/--help and --version. Returns the exit code where the program ends
// there, nothing where it goes on to open its window.
std::optional<int> answerCommandLine(int argc, char **argv);

// Around the making of the application object: where Qt cannot bring up its
// platform (no display, one out of reach, a platform it does not have), the
// user gets one line of the program's own and exit code 1, not Qt's abort;
// otherwise what Qt said meanwhile goes out as it came.
void holdStartupMessages(int argc, char **argv);
void releaseStartupMessages();

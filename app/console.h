// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the program's answers to the command line go. On Linux and in the
// browser that is standard output and standard error; Windows starts a
// windowed program with neither, so there they go where the user looks: to
// the redirected output when there is one, else to the console the program
// was started from, and without a console into a message box. Each platform
// has its own source file, which the build picks.

// Returns false where the text could not be written.
bool writeAnswer(const char *text);

// A failure before any window, told the same way on standard error.
void writeFailure(const char *text);

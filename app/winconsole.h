// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Windows starts a windowed program with no standard output. What the
// command line asks for goes where the user looks: to the redirected output
// when there is one, else to the console the program was started from, and
// without a console into a message box. Returns false where it could not be
// written.
bool answerOnWindows(const char *text);

// A failure before any window, told the same way on standard error.
void failOnWindows(const char *text);

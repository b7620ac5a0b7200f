// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/console.h"

#include <cstdio>

bool writeAnswer(const char *text)
{
    return std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0;
}

void writeFailure(const char *text)
{
    std::fputs(text, stderr);
}

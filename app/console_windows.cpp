// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/console.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// A handle given by whoever started the program (a redirect, a pipe, a
// console it shares).
bool inherited(DWORD which)
{
    HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// The console of the command prompt that started the program, if any; the
// C streams are pointed at it, and it is told the text is UTF-8.
bool attachParentConsole()
{
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    if (std::freopen("CONOUT$", "w", stdout) == nullptr || std::freopen("CONOUT$", "w", stderr) == nullptr)
        return false;
    SetConsoleOutputCP(CP_UTF8);
    return true;
}

std::wstring wide(const char *text)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (size <= 0)
        return {};
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), size);
    result.resize(static_cast<std::size_t>(size - 1));
    return result;
}

// To the output inherited or the parent's console, else a message box.
bool tell(const char *text, DWORD handle, FILE *stream, UINT icon)
{
    if (inherited(handle) || attachParentConsole())
        return std::fputs(text, stream) >= 0 && std::fflush(stream) == 0;
    MessageBoxW(nullptr, wide(text).c_str(), L"Bitovka", MB_OK | icon);
    return true;
}

} // namespace

bool writeAnswer(const char *text)
{
    return tell(text, STD_OUTPUT_HANDLE, stdout, MB_ICONINFORMATION);
}

void writeFailure(const char *text)
{
    tell(text, STD_ERROR_HANDLE, stderr, MB_ICONERROR);
}

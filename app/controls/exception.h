// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <exception>
#include <string>

// The program's failure: carries the text shown to the user.
class Exception : public std::exception
{
public:
    explicit Exception(QString message);

    const QString &Message() const { return m_message; }
    const char *what() const noexcept override;

private:
    QString m_message;
    std::string m_utf8;
};

// Text that is not a decimal integer.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A push button whose click runs the handler bound to OnClick. A handler
// that throws is caught here, at dispatch, and shown by the application
// object; the window goes on working.
class TButton : public QPushButton
{
    Q_OBJECT
    // Pressed by Esc within its window (Enter and the default button use
    // QPushButton's own `default` property).
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)

public:
    explicit TButton(QWidget *parent = nullptr);

    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }

    // The enabled default (Enter) or cancel (Esc) button of a window.
    static TButton *defaultIn(QWidget *window);
    static TButton *cancelIn(QWidget *window);

signals:
    void OnClick();

private:
    void dispatchClick();

    bool m_cancel = false;
};

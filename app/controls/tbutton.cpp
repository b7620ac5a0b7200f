// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/tbutton.h"

#include "app/controls/tapplication.h"

#include <exception>

TButton::TButton(QWidget *parent)
    : QPushButton(parent)
{
    connect(this, &QAbstractButton::clicked, this, &TButton::dispatchClick);
}

void TButton::dispatchClick()
{
    // Only Qt Core (built with exception support) lies between the handler
    // and this catch; past here the failure would unwind through Qt Widgets.
    try {
        emit OnClick();
    } catch (...) {
        if (!Application)
            std::terminate();
        Application->HandleException();
    }
}

namespace {

template <class Pred>
TButton *findIn(QWidget *window, Pred pred)
{
    const auto buttons = window->findChildren<TButton *>();
    for (TButton *b : buttons) {
        if (b->window() == window && b->isEnabled() && pred(b))
            return b;
    }
    return nullptr;
}

} // namespace

TButton *TButton::defaultIn(QWidget *window)
{
    return findIn(window, [](const TButton *b) { return b->isDefault(); });
}

TButton *TButton::cancelIn(QWidget *window)
{
    return findIn(window, [](const TButton *b) { return b->Cancel(); });
}

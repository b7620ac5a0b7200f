#include "controls/tbutton.h"

#include "controls/tapplication.h"

TButton::TButton(QWidget *parent)
    : QPushButton(parent)
{
    connect(this, &QAbstractButton::clicked, this, &TButton::dispatchClick);
}

void TButton::dispatchClick()
{
    try {
        emit OnClick();
    } catch (...) {
        if (!Application)
            throw;
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

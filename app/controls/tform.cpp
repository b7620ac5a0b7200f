// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/tform.h"

#include "app/controls/announce.h"
#include "app/controls/fontprops.h"
#include "app/controls/page.h"
#include "app/controls/tapplication.h"
#include "app/controls/tbutton.h"

#include <QCloseEvent>
#include <QKeyEvent>

// A form with a parent is a window of its parent's own: a dialog, in the
// window system's terms, which X11 marks as transient for the parent (a
// plain window with a parent is not).
TForm::TForm(QWidget *parent)
    : QWidget(parent,
              (parent ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint)
{
    announce::prepareForm(this);
    page::adoptForm(this);
}

void TForm::setLeft(int left)
{
    move(left, pos().y());
}

void TForm::setTop(int top)
{
    move(pos().x(), top);
}

int TForm::fontHeight() const
{
    return fontHeightOf(this);
}

void TForm::setFontHeight(int height)
{
    applyFontHeight(this, height);
}

void TForm::Show()
{
    page::placeForm(this);
    // At the size the layout gave it, everywhere: show() would fill the
    // whole page in a web browser.
    setVisible(true);
    raise();
    activateWindow();
}

void TForm::Close()
{
    close();
}

void TForm::Loaded()
{
    // The window manager is told min = max, so the border offers no resizing.
    setFixedSize(size());
    emit OnCreate();
}

void TForm::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // A focused push button takes Enter itself, as desktop users expect;
        // otherwise the window's default button does.
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget()); focused && focused->isEnabled()) {
            focused->click();
            return;
        }
        if (TButton *b = TButton::defaultIn(this)) {
            b->click();
            return;
        }
    } else if (key == Qt::Key_Escape) {
        if (TButton *b = TButton::cancelIn(this)) {
            b->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (Application && Application->MainForm() == this)
        QCoreApplication::quit();
}

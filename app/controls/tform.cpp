// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/tform.h"

#include "controls/fontprops.h"
#include "controls/tapplication.h"
#include "controls/tbutton.h"

#include <QCloseEvent>
#include <QKeyEvent>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "controls/tannouncer.h"

#include <QAccessibleWidget>

namespace {

// A form says its results through a notification of its own (TAnnouncer),
// which is no widget: listed after the widgets, a reader walking down the
// tree finds it where walking up from it leads.
class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(QWidget *form)
        : QAccessibleWidget(form)
    {
    }

    int childCount() const override { return QAccessibleWidget::childCount() + (notification() ? 1 : 0); }
    QAccessibleInterface *child(int index) const override
    {
        if (index == QAccessibleWidget::childCount())
            return notification();
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child && child == notification())
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QAccessibleInterface *notification() const
    {
        auto *announcer = widget()->findChild<TAnnouncer *>(QString(), Qt::FindDirectChildrenOnly);
        return announcer ? QAccessible::queryAccessibleInterface(announcer) : nullptr;
    }
};

QAccessibleInterface *formFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TForm"))
        return new FormAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace
#endif

// A form with a parent is a window of its parent's own: a dialog, in the
// window system's terms, which X11 marks as transient for the parent (a
// plain window with a parent is not).
TForm::TForm(QWidget *parent)
    : QWidget(parent,
              (parent ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint)
{
#ifdef Q_OS_WASM
    // A web page has no window manager to keep a dialog above its parent:
    // clicking the main window would hide the modeless dialog behind it.
    if (parent)
        setWindowFlag(Qt::WindowStaysOnTopHint);
#endif
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Before any reader asks for the form, which it then keeps.
    static const bool installed = [] {
        QAccessible::installFactory(formFactory);
        return true;
    }();
    static_cast<void>(installed);
#endif
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
#ifdef Q_OS_WASM
    // In a web page the desktop's places mean nothing: the main window sits
    // in the page's corner, a dialog first shows over the middle of its
    // parent, and each stays where the pupil drags it.
    if (!property("placedInPage").toBool()) {
        setProperty("placedInPage", true);
        if (QWidget *over = parentWidget())
            move(qMax(0, over->x() + (over->frameGeometry().width() - frameGeometry().width()) / 2),
                 qMax(0, over->y() + (over->frameGeometry().height() - frameGeometry().height()) / 2));
        else
            move(0, 0);
    }
#endif
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

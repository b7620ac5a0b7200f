// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt before 6.8 has no announcement: the window's notification carries the
// message, and shows again for every new one.

#include "app/controls/announce.h"

#include "app/controls/tannouncer.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// The notification itself; its window lists it among its children (below),
// so the tree reads the same from either end.
class AnnouncerAccessible : public QAccessibleObject
{
public:
    explicit AnnouncerAccessible(TAnnouncer *announcer)
        : QAccessibleObject(announcer)
    {
    }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(announcer()->Window());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? announcer()->Message() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = announcer()->Message().isEmpty();
        return s;
    }

private:
    TAnnouncer *announcer() const { return static_cast<TAnnouncer *>(object()); }
};

QAccessibleInterface *announcerFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TAnnouncer"))
        return new AnnouncerAccessible(static_cast<TAnnouncer *>(object));
    return nullptr;
}

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

namespace announce {

void prepareForm(QWidget * /*form*/)
{
    // Before any reader asks for a form, which it then keeps.
    static const bool installed = [] {
        QAccessible::installFactory(formFactory);
        return true;
    }();
    static_cast<void>(installed);
}

void prepareAnnouncer(TAnnouncer *announcer)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    static_cast<void>(installed);
    // A reader that has already listed the window's children learns of the
    // new one.
    QAccessibleEvent created(announcer, QAccessible::ObjectCreated);
    TAnnouncer::Tell(&created);
}

void say(TAnnouncer *announcer)
{
    // The new name first, so that a reader that keeps names finds it when
    // the notification shows.
    QAccessibleEvent named(announcer, QAccessible::NameChanged);
    TAnnouncer::Tell(&named);
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    TAnnouncer::Tell(&shown);
}

} // namespace announce

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/tannouncer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace {

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

} // namespace

TAnnouncer::TAnnouncer(QWidget *window)
    : QObject(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    static_cast<void>(installed);
}

TAnnouncer *TAnnouncer::Of(QWidget *window)
{
    auto *existing = window->findChild<TAnnouncer *>(QString(), Qt::FindDirectChildrenOnly);
    return existing ? existing : new TAnnouncer(window);
}

QWidget *TAnnouncer::Window() const
{
    return static_cast<QWidget *>(parent());
}

void TAnnouncer::Announce(const QString &message)
{
    if (message.isEmpty() || !Window()->isVisible())
        return;
    m_message = message;
    // The new name first, so that a reader that keeps names finds it when
    // the notification shows.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

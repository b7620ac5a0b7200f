// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/tannouncer.h"

#include <QAccessible>
#include <QWidget>
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleObject>
#endif
#ifdef Q_OS_WASM
#include "controls/webpage.h"
#endif

namespace {

TAnnouncer::Listener &listener()
{
    static TAnnouncer::Listener current = nullptr;
    return current;
}

void tell(QAccessibleEvent *event)
{
    if (TAnnouncer::Listener l = listener())
        l(event);
    else
        QAccessible::updateAccessibility(event);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

// The notification itself; its window lists it among its children (see
// TForm), so the tree reads the same from either end.
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
#endif

} // namespace

TAnnouncer::TAnnouncer(QWidget *window)
    : QObject(window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    static_cast<void>(installed);
    // A reader that has already listed the window's children learns of the
    // new one.
    QAccessibleEvent created(this, QAccessible::ObjectCreated);
    tell(&created);
#endif
}

TAnnouncer *TAnnouncer::Of(QWidget *window)
{
    auto *existing = window->findChild<TAnnouncer *>(QString(), Qt::FindDirectChildrenOnly);
    return existing ? existing : new TAnnouncer(window);
}

void TAnnouncer::setListener(Listener l)
{
    listener() = l;
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Polite: a reader finishes what it is saying first, as it does with a
    // status line; the result comes right after the key that asked for it.
    QAccessibleAnnouncementEvent announced(Window(), message);
    announced.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    tell(&announced);
#else
    // The new name first, so that a reader that keeps names finds it when
    // the notification shows.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    tell(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    tell(&shown);
#endif
#ifdef Q_OS_WASM
    // In a web page Qt passes no announcement on to the browser.
    sayInPage("hlaseni", message);
#endif
}

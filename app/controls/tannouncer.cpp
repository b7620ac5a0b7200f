// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/tannouncer.h"

#include "app/controls/announce.h"
#include "app/controls/page.h"

#include <QAccessible>
#include <QWidget>

namespace {

TAnnouncer::Listener &listener()
{
    static TAnnouncer::Listener current = nullptr;
    return current;
}

} // namespace

TAnnouncer::TAnnouncer(QWidget *window)
    : QObject(window)
{
    announce::prepareAnnouncer(this);
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
    announce::say(this);
    page::say(message);
}

void TAnnouncer::Tell(QAccessibleEvent *event)
{
    if (Listener l = listener())
        l(event);
    else
        QAccessible::updateAccessibility(event);
}

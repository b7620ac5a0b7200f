// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/announce.h"

#include "app/controls/tannouncer.h"

#include <QAccessible>
#include <QWidget>

namespace announce {

// Qt's announcement needs nothing prepared.
void prepareForm(QWidget * /*form*/) {}
void prepareAnnouncer(TAnnouncer * /*announcer*/) {}

// Takes what the Qt 6.4 fallback, which raises events on the announcer, takes.
// cppcheck-suppress constParameterPointer
void say(TAnnouncer *announcer)
{
    // Polite: a reader finishes what it is saying first, as it does with a
    // status line; the result comes right after the key that asked for it.
    QAccessibleAnnouncementEvent announced(announcer->Window(), announcer->Message());
    announced.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    TAnnouncer::Tell(&announced);
}

} // namespace announce

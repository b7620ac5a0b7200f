// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;
class TAnnouncer;

// How a window's messages reach the screen reader, which depends on Qt's
// version. From Qt 6.8 on the window asks with Qt's own announcement
// (announce_qt68.cpp). Before it, the message is the name of a notification
// that the window lists among its children and that shows again for every
// new message; screen readers speak a notification as it shows
// (announce_qt64.cpp). The build picks one.
namespace announce {

// As each form is made, before any reader asks for it.
void prepareForm(QWidget *form);

// As a window's announcer is made.
void prepareAnnouncer(TAnnouncer *announcer);

// Asks the screen reader to say the announcer's message, now set.
void say(TAnnouncer *announcer);

} // namespace announce

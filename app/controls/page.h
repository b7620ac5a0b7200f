// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class TForm;

// What the program does differently in a web page, where no window manager
// places and stacks the windows and Qt tells the browser's screen reader
// less than a desktop's. page_web.cpp does it; on a desktop
// (page_desktop.cpp) there is nothing to do. The build picks one.
namespace page {

// Once the application object exists: from then on Qt's elements for the
// page's screen reader are completed as Qt changes them, and the browser's
// focus follows Qt's keyboard focus.
void prepare();

// As a form is made: a dialog stays above its main window.
void adoptForm(TForm *form);

// Before a form shows: where it goes in the page; once it shows, Qt's
// elements for screen readers are turned on.
void placeForm(TForm *form);

// A result the window has announced, said again where the page's screen
// reader hears it.
void say(const QString &message);

} // namespace page

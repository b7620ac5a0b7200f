// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;

// The program in a web page: what Qt does not tell the browser's screen
// reader, the page's live regions say instead (index.html has them).

// Sets the text of the live region with this id; the same text again is
// made to differ, or it would not be spoken a second time.
void sayInPage(const char *region, const QString &text);

// From now on, each control that takes the keyboard is named in the live
// region "fokus", as a screen reader names a control it moves to.
void followFocusInPage();

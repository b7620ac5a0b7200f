// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/page.h"

// A desktop's window manager and screen reader do all of it.
namespace page {

void prepare() {}
void adoptForm(TForm * /*form*/) {}
void placeForm(TForm * /*form*/) {}
void say(const QString & /*message*/) {}

} // namespace page

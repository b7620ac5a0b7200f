// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace registers {

// The command that last changed the store, as the window's buttons name them.
enum class Operace {
    Zadna,  // nothing computed yet
    Generuj,
    Disjunkce,
    Nerovnost,
    Konjunkce,
    Vetsi,
    Mensi,
    Vlevo,
    Vpravo,
    KomplementModre,
    KomplementCervene,
};

} // namespace registers

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/store.h"

namespace registers {

int modryRadek(const Store &s)
{
    return 4 * s.modra_cifry.d2 + 2 * s.modra_cifry.d1 + s.modra_cifry.d0;
}

Store &store()
{
    static Store theStore;
    return theStore;
}

} // namespace registers

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/announcement.h"

#include "registers/numbertext.h"

namespace registers {

std::string oznameniOperandu(const Store &s)
{
    return "Modrá " + cislo(s.modra_cislo) + ", červená " + cislo(s.cervena_cislo);
}

std::string oznameniZlute(const Store &s)
{
    return "Žlutá " + cislo(s.zluta_cislo) + ", cifry " + cifryText(s.zluta_cifry);
}

std::string oznameniPosunu(const Store &s)
{
    if (s.modra_cislo == modryRadek(s))
        return oznameniZlute(s);
    return oznameniZlute(s) + ". Uložená modrá je teď " + cislo(s.modra_cislo) + ", modrý řádek ukazuje "
        + cislo(modryRadek(s));
}

} // namespace registers

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/announcement.h"

namespace registers {

namespace {

std::string cislo(int v)
{
    return std::to_string(v);
}

std::string zluta(const Store &s)
{
    const Cifry &c = s.zluta_cifry;
    return "Žlutá " + cislo(s.zluta_cislo) + ", cifry " + cislo(c.d2) + ", " + cislo(c.d1) + ", "
        + cislo(c.d0);
}

} // namespace

std::string oznameni(const Store &s, Operace operace)
{
    switch (operace) {
    case Operace::Zadna:
        return {};
    case Operace::Generuj:
        return "Modrá " + cislo(s.modra_cislo) + ", červená " + cislo(s.cervena_cislo);
    case Operace::Vlevo:
    case Operace::Vpravo:
        // A shift changes the stored blue operand but not the blue row.
        if (s.modra_cislo != modryRadek(s))
            return zluta(s) + ". Uložená modrá je teď " + cislo(s.modra_cislo)
                + ", modrý řádek ukazuje " + cislo(modryRadek(s));
        return zluta(s);
    case Operace::Disjunkce:
    case Operace::Nerovnost:
    case Operace::Konjunkce:
    case Operace::Vetsi:
    case Operace::Mensi:
    case Operace::KomplementModre:
    case Operace::KomplementCervene:
        return zluta(s);
    }
    return {};
}

} // namespace registers

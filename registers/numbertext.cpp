// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/numbertext.h"

#include <array>
#include <cstdint>

namespace registers {

std::string cislo(int v)
{
    return std::to_string(v);
}

std::string zavorka(int v)
{
    return v < 0 ? "(" + cislo(v) + ")" : cislo(v);
}

std::string presne(int v, int delitel)
{
    const int a = v < 0 ? -v : v;
    std::string out = (v < 0 ? "-" : "") + cislo(a / delitel);
    if (a % delitel != 0) {
        std::string setiny = cislo(a % delitel * 100 / delitel);
        if (setiny.back() == '0')
            setiny.pop_back();
        out += "," + setiny;
    }
    return out;
}

std::string bity(int v, int sirka)
{
    const auto u = static_cast<std::uint16_t>(v);
    std::string out;
    for (int i = sirka - 1; i >= 0; --i) {
        out += ((u >> i) & 1U) != 0 ? '1' : '0';
        if (i % 4 == 0 && i != 0)
            out += ' ';
    }
    return out;
}

std::string cifryText(const Cifry &c)
{
    return cislo(c.d2) + ", " + cislo(c.d1) + ", " + cislo(c.d0);
}

bool maly(int v)
{
    return v >= 0 && v <= 7;
}

std::string rozkladVeta(int v)
{
    const Cifry c = rozloz(static_cast<std::int16_t>(v));
    const std::string w = cislo(v);
    const std::string cifry = "Cifry " + cifryText(c);
    if (maly(v))
        return cifry + " jsou dvojkový zápis čísla " + w + ".";
    const std::string vzorce = ": d2 = " + w + " : 4 = " + cislo(c.d2) + ", d1 = (" + w + " mod 4) : 2 = "
        + cislo(c.d1) + ", d0 = " + w + " mod 2 = " + cislo(c.d0) + ". ";
    if (v < 0)
        return cifry + " jsou rozklad záporného čísla " + w + " dělením, při němž se podíly zaokrouhlují k nule"
            + vzorce + "Zbytek má znaménko čísla, proto jsou cifry nulové nebo záporné.";
    return cifry + " jsou rozklad čísla " + w + " celočíselným dělením" + vzorce
        + "Číslo je aspoň 8, proto je d2 větší než 1: nese všechny bity nad dvěma nejnižšími.";
}

std::string cifraVeta(std::size_t pozice, int v, const std::string &zCeho)
{
    const Cifry c = rozloz(static_cast<std::int16_t>(v));
    const int d = std::array<int, 3>{c.d2, c.d1, c.d0}.at(pozice);
    const std::array<const char *, 3> vaha = {"4", "2", "1"};
    const std::string w = cislo(v);
    std::string text = cislo(d) + ", ";
    if (v >= 0 && (pozice != 0 || maly(v))) {
        text += std::string("bit s váhou ") + vaha.at(pozice) + " " + zCeho + " " + w;
        if (maly(v))
            text += " (dvojkově " + bity(v, 3) + ")";
        return text + ".";
    }
    if (v >= 0)
        return text + (v % 4 != 0 ? "neúplný podíl " + w + " : 4 (zbytek " + cislo(v % 4) + ")" : "podíl " + w + " : 4")
            + ". Protože " + w + " je aspoň 8, je d2 větší než 1: nese všechny bity nad dvěma nejnižšími.";
    if (pozice == 0) {
        text += "podíl " + w + " : 4 = " + presne(v, 4);
        if (v % 4 != 0)
            text += ", zaokrouhleno k nule na " + cislo(d);
        return text + (d < 0 ? "; záporné číslo má cifry nulové nebo záporné." : ".");
    }
    if (pozice == 1) {
        const int zbytek = v % 4;
        text += "polovina zbytku: " + w + " mod 4 = " + cislo(zbytek) + " a " + cislo(zbytek) + " : 2 = "
            + presne(zbytek, 2);
        if (zbytek % 2 != 0)
            text += ", zaokrouhleno k nule na " + cislo(d);
    } else {
        text += "zbytek " + w + " mod 2 = " + cislo(d);
    }
    return text + (d < 0 ? "; zbytek má znaménko čísla, proto je cifra záporná." : ".");
}

} // namespace registers

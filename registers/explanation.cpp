// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/explanation.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace registers {

namespace {

const char *const zlutaRole = "žlutý výsledek, desítkově";
const char *const modraRole = "modrý operand, desítkově";
const std::array<const char *, 3> cifraRole = {"žlutý výsledek, cifra d2", "žlutý výsledek, cifra d1",
                                               "žlutý výsledek, cifra d0"};

std::string cislo(int v)
{
    return std::to_string(v);
}

// A negative number written after an operator sits in parentheses: 2 × (-3).
std::string zavorka(int v)
{
    return v < 0 ? "(" + cislo(v) + ")" : cislo(v);
}

// The exact quotient of v : 2 or v : 4 with the Czech decimal comma, so that
// a rounded quotient can be shown beside the number it was rounded from.
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

bool maly(int v)
{
    return v >= 0 && v <= 7;
}

// The lowest `sirka` bits, most significant first; sixteen come in groups of
// four so that they can be counted.
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

std::string bity16(int v)
{
    return bity(v, 16);
}

std::string cifryText(const Cifry &c)
{
    return cislo(c.d2) + ", " + cislo(c.d1) + ", " + cislo(c.d0);
}

Popis popis(const std::string &role, const std::string &vysvetleni)
{
    const std::string text = role + ": " + vysvetleni;
    return {text, text};
}

bool modraPosunuta(const Store &s)
{
    return s.modra_cislo != modryRadek(s);
}

// The blue operand as the operations see it, with a word on the row when
// it showed another number; `ulozeny` is that word in the sentence's case.
// Said of the moment the command ran: the text stays on the yellow value
// after the next draw.
std::string modra(const Store &s, const char *ulozeny)
{
    std::string out = cislo(s.modra_cislo);
    if (modraPosunuta(s))
        out += " (" + std::string(ulozeny) + " po posunu; modrý řádek přitom ukazoval " + cislo(modryRadek(s)) + ")";
    return out;
}

// How the three digits come from the value v they are split from.
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

// One digit of the value v: which bit it is, or why it is not a plain bit.
Popis cifraPopis(std::size_t pozice, int v, const std::string &zCeho)
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
        text += ".";
    } else if (v >= 0) {
        text += (v % 4 != 0 ? "neúplný podíl " + w + " : 4 (zbytek " + cislo(v % 4) + ")" : "podíl " + w + " : 4")
            + ". Protože " + w + " je aspoň 8, je d2 větší než 1: nese všechny bity nad dvěma nejnižšími.";
    } else if (pozice == 0) {
        text += "podíl " + w + " : 4 = " + presne(v, 4);
        if (v % 4 != 0)
            text += ", zaokrouhleno k nule na " + cislo(d);
        text += d < 0 ? "; záporné číslo má cifry nulové nebo záporné." : ".";
    } else {
        if (pozice == 1) {
            const int zbytek = v % 4;
            text += "polovina zbytku: " + w + " mod 4 = " + cislo(zbytek) + " a " + cislo(zbytek) + " : 2 = "
                + presne(zbytek, 2);
            if (zbytek % 2 != 0)
                text += ", zaokrouhleno k nule na " + cislo(d);
        } else {
            text += "zbytek " + w + " mod 2 = " + cislo(d);
        }
        text += d < 0 ? "; zbytek má znaménko čísla, proto je cifra záporná." : ".";
    }
    return popis(cifraRole.at(pozice), text);
}

ZlutyPopis sCiframi(const std::string &vysvetleni, int v, const std::string &zCeho)
{
    ZlutyPopis out;
    out.cislo = popis(zlutaRole, vysvetleni);
    for (std::size_t i = 0; i < 3; ++i)
        out.cifry.at(i) = cifraPopis(i, v, zCeho);
    return out;
}

// The value explained by `vysvetleni`, the three digits all by `cifra`.
ZlutyPopis sJednouCifrou(const std::string &vysvetleni, const std::string &cifra)
{
    ZlutyPopis out;
    out.cislo = popis(zlutaRole, vysvetleni);
    for (std::size_t i = 0; i < 3; ++i)
        out.cifry.at(i) = popis(cifraRole.at(i), cifra);
    return out;
}

ZlutyPopis nicNespocteno()
{
    return sJednouCifrou("zatím nic nespočteno. Výsledek sem zapíše kterákoli operace: Disjunkce, "
                         "Nerovnost, Konjunkce, Větší, Menší, posuny << a >> nebo Komplement, "
                         "je-li v jeho okně zvolena Modrá nebo Červená.",
                         "zatím nic nespočteno.");
}

// The three combinations: the value is a truth, the digits are bitwise.
ZlutyPopis kombinace(const Store &s, Operace op)
{
    const int b = s.modra_cislo;
    const int r = s.cervena_cislo;
    const bool pravda = s.zluta_cislo != 0;
    std::string jmeno;
    std::string znak;
    std::string proc;
    int v = 0;
    if (op == Operace::Disjunkce) {
        jmeno = "Disjunkce (NEBO)";
        znak = "OR";
        v = b | r;
        proc = pravda ? "aspoň jeden operand je nenulový" : "oba operandy jsou nulové";
    } else if (op == Operace::Nerovnost) {
        jmeno = "Nerovnost";
        znak = "XOR";
        v = b ^ r;
        proc = pravda ? "operandy se liší" : "operandy se rovnají";
    } else {
        jmeno = "Konjunkce (A)";
        znak = "AND";
        v = b & r;
        proc = pravda ? "oba operandy jsou nenulové" : "aspoň jeden operand je nulový";
    }
    v = wrap16(v);
    std::string text = cislo(s.zluta_cislo) + ". " + jmeno + " modrého " + modra(s, "uloženého") + " a červeného " + cislo(r)
        + ": " + proc + ", proto " + (pravda ? "1 (pravda)" : "0 (nepravda)")
        + ". Žluté číslo je pravdivostní hodnota, cifry jsou bitový výsledek: ";
    if (maly(b) && maly(r)) {
        text += bity(b, 3) + " " + znak + " " + bity(r, 3) + " = " + bity(v, 3) + ", tedy cifry "
            + cifryText(s.zluta_cifry) + ".";
    } else {
        text += bity16(b) + " " + znak + " " + bity16(r) + " = " + bity16(v) + ", tedy " + cislo(v) + ". "
            + rozkladVeta(v);
    }
    return sCiframi(text, v, "bitového výsledku");
}

ZlutyPopis porovnani(const Store &s, Operace op)
{
    const int b = s.modra_cislo;
    const int r = s.cervena_cislo;
    const bool vetsi = op == Operace::Vetsi;
    std::string text = cislo(s.zluta_cislo) + ". " + (vetsi ? "Větší" : "Menší") + ": je modrý " + modra(s, "uložený")
        + (vetsi ? " větší" : " menší") + " než červený " + cislo(r) + "? ";
    if (s.zluta_cislo != 0)
        text += "Ano, proto 1 (pravda).";
    else if (b == r)
        text += "Ne, jsou si rovny, proto 0 (nepravda).";
    else
        text += std::string("Ne, je ") + (vetsi ? "menší" : "větší") + ", proto 0 (nepravda).";
    if (b < 0 || r < 0)
        text += " Porovnává se se znaménkem.";
    text += " Porovnání cifry nepočítá, jsou vždy 0, 0, 0.";
    return sJednouCifrou(text, "0. Porovnání cifry nepočítá, jsou vždy 0, 0, 0.");
}

ZlutyPopis posun(const Store &s, Operace op)
{
    const int pred = s.modra_pred_posunem;
    const int po = s.modra_cislo;
    const std::string p = cislo(pred);
    std::string text = cislo(po) + ". ";
    if (op == Operace::Vlevo) {
        text += "Posun vlevo (<<) uloženého modrého operandu " + p + " o jeden bit: " + bity16(pred) + " << 1 = "
            + bity16(po);
        if (2 * pred == po)
            text += ", tedy 2 × " + zavorka(pred) + " = " + cislo(po) + ".";
        else
            text += ". Dvojnásobek " + cislo(2 * pred) + " se do 16 bitů se znaménkem nevejde; těchto 16 bitů znamená "
                + cislo(po) + ".";
    } else {
        text += "Posun vpravo (>>) uloženého modrého operandu " + p + " o jeden bit, znaménkový bit se opakuje: "
            + bity16(pred) + " >> 1 = " + bity16(po) + ", tedy " + p + " : 2 = " + presne(pred, 2);
        if (pred % 2 != 0)
            text += ", zaokrouhleno dolů na " + cislo(po);
        text += ".";
        // Only here do the two roundings differ: the shift's goes down, the
        // digits' toward zero.
        if (pred < 0 && pred % 2 != 0)
            text += " Posun zaokrouhluje vždy dolů, k menšímu číslu, u záporného čísla tedy od nuly; "
                    "podíly v rozkladu na cifry se naopak zaokrouhlují k nule.";
    }
    if (modraPosunuta(s))
        text += " Uloženým modrým operandem se tím stalo " + cislo(po) + "; modrý řádek přitom dál ukazoval vylosovaný operand "
            + cislo(modryRadek(s)) + ".";
    text += " " + rozkladVeta(po);
    return sCiframi(text, po, "čísla");
}

ZlutyPopis komplement(const Store &s, Operace op)
{
    const bool modry = op == Operace::KomplementModre;
    const int v = modry ? s.modra_cislo : s.cervena_cislo;
    const int y = s.zluta_cislo;
    std::string text = cislo(y) + ". Komplement " + (modry ? "modrého" : "červeného") + " operandu " + cislo(v)
        + " tak, jak ho ukazoval " + (modry ? "modrý" : "červený")
        + " řádek (Komplement bere oba operandy znovu z řádků, a tím ruší posuny modrého): každý z 16 bitů "
          "se obrátí, NOT "
        + bity16(v) + " = " + bity16(y) + ", a to je " + cislo(-v) + " - 1 = " + cislo(y) + ". " + rozkladVeta(y);
    return sCiframi(text, y, "čísla");
}

} // namespace

std::optional<ZlutyPopis> vysvetliZlutou(const Store &s, Operace posledni)
{
    switch (posledni) {
    case Operace::Zadna:
        return nicNespocteno();
    case Operace::Generuj:
        return std::nullopt;
    case Operace::Disjunkce:
    case Operace::Nerovnost:
    case Operace::Konjunkce:
        return kombinace(s, posledni);
    case Operace::Vetsi:
    case Operace::Mensi:
        return porovnani(s, posledni);
    case Operace::Vlevo:
    case Operace::Vpravo:
        return posun(s, posledni);
    case Operace::KomplementModre:
    case Operace::KomplementCervene:
        return komplement(s, posledni);
    }
    return std::nullopt;
}

Popis vysvetliModrou(const Store &s)
{
    if (!modraPosunuta(s))
        return {modraRole, std::string()};
    const std::string m = cislo(s.modra_cislo);
    return popis(modraRole, "řádek ukazuje " + cislo(modryRadek(s)) + ", naposledy vylosovaný operand. "
                                "Uložený modrý operand je po posunu " + m + " (" + bity16(s.modra_cislo)
                                + ") a s ním počítají další operace, dokud Generuj nevylosuje nový nebo "
                                  "Komplement nevezme modrý znovu z řádku.");
}

} // namespace registers

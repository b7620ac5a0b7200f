// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registers/explanation.h"

#include "registers/numbertext.h"

#include <cstddef>

namespace registers {

namespace {

const char *const zlutaRole = "žlutý výsledek, desítkově";
const char *const modraRole = "modrý operand, desítkově";
const std::array<const char *, 3> cifraRole = {"žlutý výsledek, cifra d2", "žlutý výsledek, cifra d1",
                                               "žlutý výsledek, cifra d0"};

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
std::string modra(const Store &s, const char *ulozeny)
{
    std::string out = cislo(s.modra_cislo);
    if (modraPosunuta(s))
        out += " (" + std::string(ulozeny) + " po posunu; modrý řádek přitom ukazoval " + cislo(modryRadek(s)) + ")";
    return out;
}

// The value explained by `vysvetleni`, each digit as a digit of v.
ZlutyPopis sCiframi(const std::string &vysvetleni, int v, const std::string &zCeho)
{
    ZlutyPopis out;
    out.cislo = popis(zlutaRole, vysvetleni);
    for (std::size_t i = 0; i < 3; ++i)
        out.cifry.at(i) = popis(cifraRole.at(i), cifraVeta(i, v, zCeho));
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

// What both shifts say once the new operand is known.
ZlutyPopis poPosunu(const Store &s, std::string text)
{
    const int po = s.modra_cislo;
    if (modraPosunuta(s))
        text += " Uloženým modrým operandem se tím stalo " + cislo(po) + "; modrý řádek přitom dál ukazoval vylosovaný operand "
            + cislo(modryRadek(s)) + ".";
    text += " " + rozkladVeta(po);
    return sCiframi(text, po, "čísla");
}

} // namespace

ZlutyPopis nicNespocteno()
{
    return sJednouCifrou("zatím nic nespočteno. Výsledek sem zapíše kterákoli operace: Disjunkce, "
                         "Nerovnost, Konjunkce, Větší, Menší, posuny << a >> nebo Komplement, "
                         "je-li v jeho okně zvolena Modrá nebo Červená.",
                         "zatím nic nespočteno.");
}

ZlutyPopis vysvetliSpojeni(const Store &s, const Spojka &k, std::int16_t bitovy)
{
    // The value is a truth, the digits are bitwise.
    const int b = s.modra_cislo;
    const int r = s.cervena_cislo;
    const bool pravda = s.zluta_cislo != 0;
    std::string text = cislo(s.zluta_cislo) + ". " + k.jmeno + " modrého " + modra(s, "uloženého") + " a červeného "
        + cislo(r) + ": " + (pravda ? k.ano : k.ne) + ", proto " + (pravda ? "1 (pravda)" : "0 (nepravda)")
        + ". Žluté číslo je pravdivostní hodnota, cifry jsou bitový výsledek: ";
    if (maly(b) && maly(r))
        text += bity(b, 3) + " " + k.znak + " " + bity(r, 3) + " = " + bity(bitovy, 3) + ", tedy cifry "
            + cifryText(s.zluta_cifry) + ".";
    else
        text += bity(b) + " " + k.znak + " " + bity(r) + " = " + bity(bitovy) + ", tedy " + cislo(bitovy) + ". "
            + rozkladVeta(bitovy);
    return sCiframi(text, bitovy, "bitového výsledku");
}

ZlutyPopis vysvetliSrovnani(const Store &s, const Srovnani &k)
{
    const int b = s.modra_cislo;
    const int r = s.cervena_cislo;
    std::string text = cislo(s.zluta_cislo) + ". " + k.jmeno + ": je modrý " + modra(s, "uložený") + " " + k.slovo
        + " než červený " + cislo(r) + "? ";
    if (s.zluta_cislo != 0)
        text += "Ano, proto 1 (pravda).";
    else if (b == r)
        text += "Ne, jsou si rovny, proto 0 (nepravda).";
    else
        text += std::string("Ne, je ") + k.opak + ", proto 0 (nepravda).";
    if (b < 0 || r < 0)
        text += " Porovnává se se znaménkem.";
    text += " Porovnání cifry nepočítá, jsou vždy 0, 0, 0.";
    return sJednouCifrou(text, "0. Porovnání cifry nepočítá, jsou vždy 0, 0, 0.");
}

ZlutyPopis vysvetliPosunVlevo(const Store &s, std::int16_t pred)
{
    const int po = s.modra_cislo;
    std::string text = cislo(po) + ". Posun vlevo (<<) uloženého modrého operandu " + cislo(pred) + " o jeden bit: "
        + bity(pred) + " << 1 = " + bity(po);
    if (2 * pred == po)
        text += ", tedy 2 × " + zavorka(pred) + " = " + cislo(po) + ".";
    else
        text += ". Dvojnásobek " + cislo(2 * pred) + " se do 16 bitů se znaménkem nevejde; těchto 16 bitů znamená "
            + cislo(po) + ".";
    return poPosunu(s, text);
}

ZlutyPopis vysvetliPosunVpravo(const Store &s, std::int16_t pred)
{
    const int po = s.modra_cislo;
    const std::string p = cislo(pred);
    std::string text = cislo(po) + ". Posun vpravo (>>) uloženého modrého operandu " + p
        + " o jeden bit, znaménkový bit se opakuje: " + bity(pred) + " >> 1 = " + bity(po) + ", tedy " + p + " : 2 = "
        + presne(pred, 2);
    if (pred % 2 != 0)
        text += ", zaokrouhleno dolů na " + cislo(po);
    text += ".";
    // Only here do the two roundings differ: the shift's goes down, the
    // digits' toward zero.
    if (pred < 0 && pred % 2 != 0)
        text += " Posun zaokrouhluje vždy dolů, k menšímu číslu, u záporného čísla tedy od nuly; "
                "podíly v rozkladu na cifry se naopak zaokrouhlují k nule.";
    return poPosunu(s, text);
}

ZlutyPopis vysvetliKomplement(const Store &s, std::int16_t operand, const char *koho, const char *radek)
{
    const int v = operand;
    const int y = s.zluta_cislo;
    const std::string text = cislo(y) + ". Komplement " + koho + " operandu " + cislo(v) + " tak, jak ho ukazoval "
        + radek
        + " řádek (Komplement bere oba operandy znovu z řádků, a tím ruší posuny modrého): každý z 16 bitů "
          "se obrátí, NOT "
        + bity(v) + " = " + bity(y) + ", a to je " + cislo(-v) + " - 1 = " + cislo(y) + ". " + rozkladVeta(y);
    return sCiframi(text, y, "čísla");
}

Popis vysvetliModrou(const Store &s)
{
    if (!modraPosunuta(s))
        return {modraRole, std::string()};
    const std::string m = cislo(s.modra_cislo);
    return popis(modraRole, "řádek ukazuje " + cislo(modryRadek(s)) + ", naposledy vylosovaný operand. "
                                "Uložený modrý operand je po posunu " + m + " (" + bity(s.modra_cislo)
                                + ") a s ním počítají další operace, dokud Generuj nevylosuje nový nebo "
                                  "Komplement nevezme modrý znovu z řádku.");
}

} // namespace registers

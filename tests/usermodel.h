// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A small reference model of what a user sees, written from the program's
// described behaviour, without its code: the rows' captions, the dialog's
// visibility and its two radio buttons.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace model {

inline int sixteen(long v)
{
    long low = v & 0xFFFF;
    return static_cast<int>(low >= 0x8000 ? low - 0x10000 : low);
}

struct Digits {
    int d2 = 0, d1 = 0, d0 = 0;
};

inline Digits split(int v)
{
    return {v / 4, (v % 4) / 2, v % 2};
}

struct Row {
    int value = 0;
    Digits digits;
    QStringList shown() const
    {
        return {QString::number(value), QString::number(digits.d2), QString::number(digits.d1),
                QString::number(digits.d0)};
    }
};

struct Model {
    std::uint32_t lcg = 1;
    int blue = 0, red = 0;     // the operands the operations use
    Row blueRow, redRow, yellowRow;  // what the rows show
    bool dialogVisible = false;
    bool rb1 = false, rb2 = false;

    int draw()
    {
        lcg = lcg * 1103515245U + 12345U;
        const unsigned r = (lcg / 65536U) % 32768U;
        return static_cast<int>(r * 8U / 32767U);
    }
    void generate()
    {
        blue = draw();
        red = draw();
        blueRow = {blue, split(blue)};
        redRow = {red, split(red)};
    }
    void yellow(int value, Digits digits) { yellowRow = {value, digits}; }
    void combine(bool truth, int bits) { yellow(truth ? 1 : 0, split(sixteen(bits))); }
    void compare(bool truth) { yellow(truth ? 1 : 0, {}); }
    void shiftLeft()
    {
        blue = sixteen(static_cast<long>(blue) * 2);
        yellow(blue, split(blue));
    }
    void shiftRight()
    {
        blue = blue >= 0 ? blue / 2 : -((-blue + 1) / 2);
        yellow(blue, split(blue));
    }
    void komplement()
    {
        dialogVisible = true;
        blue = blueRow.value;
        red = redRow.value;
        if (rb1)
            yellow(sixteen(-blue - 1), split(sixteen(-blue - 1)));
        if (rb2)
            yellow(sixteen(-red - 1), split(sixteen(-red - 1)));
    }
    void choose(bool first)
    {
        rb1 = first;
        rb2 = !first;
    }
    QStringList captions() const { return blueRow.shown() + redRow.shown() + yellowRow.shown(); }
};

} // namespace model

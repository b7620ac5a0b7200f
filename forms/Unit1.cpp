// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/Unit1.h"

#include "controls/conversions.h"
#include "controls/tannouncer.h"
#include "forms/Unit2.h"
#include "registers/announcement.h"
#include "registers/generator.h"
#include "registers/operations.h"
#include "registers/store.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace {
#include "forms/bitovka.xpm"

void popis(QWidget *label, const registers::Popis &p)
{
    label->setToolTip(QString::fromStdString(p.tip));
    label->setAccessibleDescription(QString::fromStdString(p.popis));
}
} // namespace

TForm1 *Form1 = nullptr;

TForm1::~TForm1()
{
    // Form1 never points at a window that is gone.
    if (Form1 == this)
        Form1 = nullptr;
}

TForm1::TForm1(QWidget *parent)
    : TForm(parent)
{
    setupUi(this);
    // The application's icon, which both windows show.
    QApplication::setWindowIcon(QIcon(QPixmap(bitovka_xpm)));
    // Until a command computes, the yellow row says that nothing has been.
    if (const auto z = registers::vysvetliZlutou(registers::store(), registers::Operace::Zadna))
        popisZlutou(*z);
}

void TForm1::zac()
{
    generuj();
}

void TForm1::generuj()
{
    registers::losuj();
    const auto &s = registers::store();
    modra->setCaption(IntToStr(s.modra_cislo));
    cervena->setCaption(IntToStr(s.cervena_cislo));
    modra_1->setCaption(IntToStr(s.modra_cifry.d2));
    modra_2->setCaption(IntToStr(s.modra_cifry.d1));
    modra_3->setCaption(IntToStr(s.modra_cifry.d0));
    cervena_1->setCaption(IntToStr(s.cervena_cifry.d2));
    cervena_2->setCaption(IntToStr(s.cervena_cifry.d1));
    cervena_3->setCaption(IntToStr(s.cervena_cifry.d0));
    hotovo(registers::Operace::Generuj);
}

// Runs after every command has set its captions.
void TForm1::hotovo(registers::Operace operace)
{
    // The yellow and blue values explain, in their tooltips and accessible
    // descriptions, why they now show what they show.
    const auto &s = registers::store();
    if (const auto z = registers::vysvetliZlutou(s, operace))
        popisZlutou(*z);
    popis(modra, registers::vysvetliModrou(s));
    // The result is said as well as shown, the focus staying on the button.
    TAnnouncer::Of(this)->Announce(QString::fromStdString(registers::oznameni(s, operace)));
}

void TForm1::popisZlutou(const registers::ZlutyPopis &p)
{
    popis(zluta, p.cislo);
    popis(zluta_1, p.cifry[0]);
    popis(zluta_2, p.cifry[1]);
    popis(zluta_3, p.cifry[2]);
}

void TForm1::ukazZlutou(registers::Operace operace)
{
    const auto &s = registers::store();
    zluta->setCaption(IntToStr(s.zluta_cislo));
    zluta_1->setCaption(IntToStr(s.zluta_cifry.d2));
    zluta_2->setCaption(IntToStr(s.zluta_cifry.d1));
    zluta_3->setCaption(IntToStr(s.zluta_cifry.d0));
    hotovo(operace);
}

void TForm1::dis()
{
    registers::disjunkce(registers::store());
    ukazZlutou(registers::Operace::Disjunkce);
}

void TForm1::nerov()
{
    registers::nerovnost(registers::store());
    ukazZlutou(registers::Operace::Nerovnost);
}

void TForm1::konj()
{
    registers::konjunkce(registers::store());
    ukazZlutou(registers::Operace::Konjunkce);
}

void TForm1::vetsi()
{
    registers::vetsi(registers::store());
    ukazZlutou(registers::Operace::Vetsi);
}

void TForm1::mensi()
{
    registers::mensi(registers::store());
    ukazZlutou(registers::Operace::Mensi);
}

void TForm1::vlevo()
{
    registers::vlevo(registers::store());
    ukazZlutou(registers::Operace::Vlevo);
}

void TForm1::vpravo()
{
    registers::vpravo(registers::store());
    ukazZlutou(registers::Operace::Vpravo);
}

void TForm1::komplement()
{
    Form2->Show();
    // The operands are re-read from what the rows show, which undoes any
    // shift made since the last draw.
    auto &s = registers::store();
    s.modra_cislo = registers::wrap16(StrToInt(modra->Caption()));
    s.cervena_cislo = registers::wrap16(StrToInt(cervena->Caption()));
    // The re-read undoes the shifts even when no operand is chosen.
    popis(modra, registers::vysvetliModrou(s));
    if (Form2->RB1->isChecked()) {
        registers::komplementModre(s);
        ukazZlutou(registers::Operace::KomplementModre);
    }
    if (Form2->RB2->isChecked()) {
        registers::komplementCervene(s);
        ukazZlutou(registers::Operace::KomplementCervene);
    }
}

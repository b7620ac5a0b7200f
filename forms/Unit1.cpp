// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/Unit1.h"

#include "app/controls/conversions.h"
#include "app/controls/tannouncer.h"
#include "forms/Unit2.h"
#include "registers/generator.h"
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
    popisZlutou(registers::nicNespocteno());
}

void TForm1::zac()
{
    generuj();
}

// Writes what a command has changed, and only that: the captions of the rows
// it computed, the explanations, and the result said aloud, the focus
// staying on the button.
void TForm1::ukaz(const registers::Vysledek &v)
{
    const auto &s = registers::store();
    if (v.operandy) {
        modra->setCaption(IntToStr(s.modra_cislo));
        cervena->setCaption(IntToStr(s.cervena_cislo));
        modra_1->setCaption(IntToStr(s.modra_cifry.d2));
        modra_2->setCaption(IntToStr(s.modra_cifry.d1));
        modra_3->setCaption(IntToStr(s.modra_cifry.d0));
        cervena_1->setCaption(IntToStr(s.cervena_cifry.d2));
        cervena_2->setCaption(IntToStr(s.cervena_cifry.d1));
        cervena_3->setCaption(IntToStr(s.cervena_cifry.d0));
    }
    if (v.zluta) {
        zluta->setCaption(IntToStr(s.zluta_cislo));
        zluta_1->setCaption(IntToStr(s.zluta_cifry.d2));
        zluta_2->setCaption(IntToStr(s.zluta_cifry.d1));
        zluta_3->setCaption(IntToStr(s.zluta_cifry.d0));
        popisZlutou(*v.zluta);
    }
    popis(modra, v.modra);
    if (!v.oznameni.empty())
        TAnnouncer::Of(this)->Announce(QString::fromStdString(v.oznameni));
}

void TForm1::popisZlutou(const registers::ZlutyPopis &p)
{
    popis(zluta, p.cislo);
    popis(zluta_1, p.cifry[0]);
    popis(zluta_2, p.cifry[1]);
    popis(zluta_3, p.cifry[2]);
}

void TForm1::generuj()
{
    ukaz(registers::generuj(registers::store(), registers::generator()));
}

void TForm1::dis()
{
    ukaz(registers::disjunkce(registers::store()));
}

void TForm1::nerov()
{
    ukaz(registers::nerovnost(registers::store()));
}

void TForm1::konj()
{
    ukaz(registers::konjunkce(registers::store()));
}

void TForm1::vetsi()
{
    ukaz(registers::vetsi(registers::store()));
}

void TForm1::mensi()
{
    ukaz(registers::mensi(registers::store()));
}

void TForm1::vlevo()
{
    ukaz(registers::vlevo(registers::store()));
}

void TForm1::vpravo()
{
    ukaz(registers::vpravo(registers::store()));
}

void TForm1::komplement()
{
    Form2->Show();
    // The operands are taken again from what the rows show, which undoes any
    // shift made since the last draw.
    using registers::Volba;
    Volba volba = Volba::Zadna;
    if (Form2->RB1->isChecked())
        volba = Volba::Modra;
    if (Form2->RB2->isChecked())
        volba = Volba::Cervena;
    ukaz(registers::komplement(registers::store(), StrToInt(modra->Caption()), StrToInt(cervena->Caption()), volba));
}

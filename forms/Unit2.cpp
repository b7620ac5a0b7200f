// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/Unit2.h"

#include "forms/Unit1.h"

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent)
    : TForm(parent)
{
    setupUi(this);
}

TForm2::~TForm2()
{
    // Form2 never points at a window that is gone: the dialog goes with
    // the main window.
    if (Form2 == this)
        Form2 = nullptr;
}

void TForm2::komp()
{
    // Exactly what the main window's Komplement button does.
    Form1->komplement();
}

void TForm2::Button2Click()
{
    Close();
}

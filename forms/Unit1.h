// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/controls/tform.h"
#include "registers/operations.h"
#include "ui_Unit1.h"

// The main window: the blue and red operands and the yellow result, each in
// decimal and as three digits, and the nine command buttons.
class TForm1 : public TForm, public Ui::TForm1
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

public slots:
    void zac();
    void generuj();
    void dis();
    void nerov();
    void konj();
    void vetsi();
    void mensi();
    void vlevo();
    void vpravo();
    void komplement();

private:
    void ukaz(const registers::Vysledek &v);
    void popisZlutou(const registers::ZlutyPopis &popis);
};

extern TForm1 *Form1;

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/controls/tform.h"
#include "ui_Unit2.h"

// The complement dialog: chooses which operand "Proveď" complements. It keeps
// nothing but the radio buttons' state, which survives hiding.
class TForm2 : public TForm, public Ui::TForm2
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

public slots:
    void komp();
    void Button2Click();
};

extern TForm2 *Form2;

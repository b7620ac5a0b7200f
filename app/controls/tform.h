// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A window built from a layout: fixed single border with the system menu and
// a minimise box, placed where its layout says. The first one created is the
// main window; closing it ends the program, closing any other only hides it.
class TForm : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int fontHeight READ fontHeight WRITE setFontHeight)

public:
    explicit TForm(QWidget *parent = nullptr);

    int Left() const { return pos().x(); }
    void setLeft(int left);
    int Top() const { return pos().y(); }
    void setTop(int top);
    int fontHeight() const;
    void setFontHeight(int height);

    // Makes the form visible and brings it to the front.
    void Show();
    // Main window: ends the program. Any other form: hides it, keeping its state.
    void Close();

    // Called once the form and all its components exist: fixes the size the
    // layout gave and runs the creation handler.
    void Loaded();

signals:
    void OnCreate();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

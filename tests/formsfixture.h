// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <Qt>

class Exception;
class QAbstractButton;
class QWidget;

// Brings the program's two windows up as the program does, with failures
// recorded instead of shown in a message box.
//
// A helper that cannot do its part records the failure and returns false;
// call it inside QVERIFY, so the calling test stops there too.
namespace fixture {

[[nodiscard]] bool startForms();

// Messages of the failures shown since the last call.
QStringList takeShownFailures();

// The twelve value captions, blue, red, yellow, each decimal then d2, d1, d0.
QStringList captions();
QStringList yellow();

// Puts operands into the store and into the blue and red rows, as a draw
// would have shown them.
void setOperands(int blue, int red);

// Clicks a main window button by its name.
[[nodiscard]] bool click(const char *buttonName);

// Makes a window the active one and waits until it is. (The dialog counts as
// active with its main window already, so Qt's own wait does not do.)
[[nodiscard]] bool activate(QWidget *window);

// Alt+key on a window, then waits until the button it names has been clicked,
// once (a mnemonic presses its button visibly, so the click lands a moment
// later). With no button given, waits until any button of the window has.
[[nodiscard]] bool altKey(QWidget *window, Qt::Key key, const QAbstractButton *expected);

// Contrast of two colours as WCAG 2 defines it: 1 (alike) to 21.
double contrast(const QColor &a, const QColor &b);

// What the user sees of a caption: the pixels of the window's picture within
// `area` (the window's coordinates) that stand out from the window colour.
struct Ink {
    QRect box;         // their bounding box, in the window's coordinates
    QColor strongest;  // the one farthest from the window colour
    // How the caption's edge stands out from the window colour: crossing from
    // the ground into the caption, the highest contrast met within two
    // pixels; the median of all crossings.
    double edge = 1;
    QList<QColor> colours;  // of every pixel that stands out
};
Ink inkIn(QWidget *window, const QRect &area);
bool near(const QColor &a, const QColor &b);
// The share of the ink's pixels near a colour.
double shareOf(const Ink &ink, const QColor &c);

} // namespace fixture

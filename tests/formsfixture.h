#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>

class Exception;
class QAbstractButton;
class QWidget;

// Brings the program's two windows up as the program does, with failures
// recorded instead of shown in a message box.
namespace fixture {

void startForms();

// Messages of the failures shown since the last call.
QStringList takeShownFailures();

// The twelve value captions, blue, red, yellow, each decimal then d2, d1, d0.
QStringList captions();
QStringList yellow();

// Puts operands into the store and into the blue and red rows, as a draw
// would have shown them.
void setOperands(int blue, int red);

// Clicks a main window button by its name.
void click(const char *buttonName);

// Alt+key on a window, then waits until the button it names has been clicked
// (a mnemonic presses its button visibly, so the click lands a moment later).
// With no button given, waits until any button of the window has.
void altKey(QWidget *window, Qt::Key key, QAbstractButton *expected);

} // namespace fixture

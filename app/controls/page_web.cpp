// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/page.h"

#include "app/controls/tform.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

#include <emscripten/val.h>

#include <string>

namespace {

// Sets the text of the page's live region with this id (index.html has
// them); the same text again is made to differ, or it would not be spoken a
// second time.
void sayInPage(const char *region, const QString &text)
{
    emscripten::val element = emscripten::val::global("document")
                                  .call<emscripten::val>("getElementById", std::string(region));
    if (element.isNull() || element.isUndefined())
        return;
    std::string said = text.toStdString();
    if (element["textContent"].as<std::string>() == said)
        said += "\u00a0";
    element.set("textContent", said);
}

// What is said of a control that takes the keyboard: its name and kind.
QString focusText(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
    if (const auto *radio = qobject_cast<const QRadioButton *>(widget))
        return name + (radio->isChecked() ? QStringLiteral(", přepínač, zvolený") : QStringLiteral(", přepínač"));
    if (qobject_cast<const QPushButton *>(widget))
        return name + QStringLiteral(", tlačítko");
    return name;
}

} // namespace

namespace page {

void prepare()
{
    // Qt's elements in the page do not follow its keyboard focus: each
    // control that takes the keyboard is named in the live region "fokus",
    // as a screen reader names a control it moves to.
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget * /*old*/, QWidget *now) {
        if (now)
            sayInPage("fokus", focusText(now));
    });
}

void adoptForm(TForm *form)
{
    // Nothing keeps a dialog above its parent: clicking the main window
    // would hide the modeless dialog behind it.
    if (form->parentWidget())
        form->setWindowFlag(Qt::WindowStaysOnTopHint);
}

void placeForm(TForm *form)
{
    // The desktop's places mean nothing here: the main window sits in the
    // page's corner, a dialog first shows over the middle of its parent,
    // and each stays where the pupil drags it.
    if (form->property("placedInPage").toBool())
        return;
    form->setProperty("placedInPage", true);
    if (QWidget *over = form->parentWidget())
        form->move(qMax(0, over->x() + (over->frameGeometry().width() - form->frameGeometry().width()) / 2),
                   qMax(0, over->y() + (over->frameGeometry().height() - form->frameGeometry().height()) / 2));
    else
        form->move(0, 0);
}

void say(const QString &message)
{
    // Qt passes no announcement on to the browser.
    sayInPage("hlaseni", message);
}

} // namespace page

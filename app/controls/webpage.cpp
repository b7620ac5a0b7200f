// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/webpage.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

#include <emscripten/val.h>

#include <string>

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

namespace {

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

void followFocusInPage()
{
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget * /*old*/, QWidget *now) {
        if (now)
            sayInPage("fokus", focusText(now));
    });
}

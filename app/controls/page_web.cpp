// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/controls/page.h"

#include "app/controls/tform.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>
#include <vector>

using emscripten::val;

namespace {

val document()
{
    return val::global("document");
}

bool missing(const val &v)
{
    return v.isNull() || v.isUndefined();
}

// Sets the text of the page's live region with this id (index.html has
// them); the same text again is made to differ, or it would not be spoken a
// second time.
void sayInPage(const char *region, const QString &text)
{
    val element = document().call<val>("getElementById", std::string(region));
    if (missing(element))
        return;
    std::string said = text.toStdString();
    if (element["textContent"].as<std::string>() == said)
        said += "\u00a0";
    element.set("textContent", said);
}

// The part of the page Qt keeps a shown window's elements for screen
// readers in, or undefined.
val elementsOf(const TForm *form)
{
    const QWindow *window = form->windowHandle();
    if (!window || !form->isVisible())
        return val::undefined();
    val host = document().call<val>("getElementById", std::string("qt-shadow-container"));
    if (missing(host) || missing(host["shadowRoot"]))
        return val::undefined();
    val qtWindow = host["shadowRoot"].call<val>("getElementById", "qt-window-" + std::to_string(window->winId()));
    if (missing(qtWindow))
        return val::undefined();
    return qtWindow.call<val>("querySelector", std::string(".qt-window-a11y-container"));
}

// The element Qt made for a widget: its id is the object names from the
// application down, dot-separated.
val elementOf(const val &container, const QObject *object)
{
    if (missing(container) || object->objectName().isEmpty())
        return val::undefined();
    return container.call<val>("querySelector", "[id$='." + object->objectName().toStdString() + "']");
}

QString accessibleText(QObject *object, QAccessible::Text what)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(what) : QString();
}

// Qt offers a label to screen readers as an edit field (a read-only text
// area), its row and digit only as a description. It is hidden from them,
// and beside it stands plain text that says both, as a pupil reads the
// row: "modrý operand, desítkově: 2".
void showValue(val area, QLabel *label)
{
    if (missing(area))
        return;
    area.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
    area.set("tabIndex", -1);
    const std::string id = area["id"].as<std::string>() + "-hodnota";
    val text = area["parentNode"].call<val>("querySelector", "[id='" + id + "']");
    if (missing(text)) {
        text = document().call<val>("createElement", std::string("div"));
        text.set("id", id);
        area.call<void>("after", text);
    }
    text["style"].set("cssText", area["style"]["cssText"]);
    const QString description = label->accessibleDescription();
    const QString row = description.section(QStringLiteral(": "), 0, 0);
    text.set("textContent", (row.isEmpty() ? label->text() : row + QStringLiteral(": ") + label->text()).toStdString());
    // The description only where it says more than the text (the
    // explanation of a result), or a reader says the row twice.
    if (description == row)
        text.call<void>("removeAttribute", std::string("aria-description"));
    else
        text.call<void>("setAttribute", std::string("aria-description"), description.toStdString());
}

// Qt's elements follow the order the widgets were made in, and Qt puts
// some at the end again as it goes; a screen reader's browse mode reads
// them as a pupil reads the window: row by row, left to right, as Qt
// places each over its widget (a value's text stays after Qt's element).
void readInPlaceOrder(const val &container)
{
    struct Placed {
        int top, left, index;
        val element;
    };
    std::vector<Placed> placed;
    val children = container["children"];
    const int count = children["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        val element = children[i];
        val style = element["style"];
        placed.push_back({QString::fromStdString(style["top"].as<std::string>()).remove(QStringLiteral("px")).toInt(),
                          QString::fromStdString(style["left"].as<std::string>()).remove(QStringLiteral("px")).toInt(),
                          i, element});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    bool inOrder = true;
    for (int i = 0; i < count; ++i)
        inOrder = inOrder && placed[static_cast<size_t>(i)].index == i;
    if (inOrder)
        return;
    for (const Placed &p : placed)
        container.call<void>("appendChild", p.element);
}

// The element of the control that has Qt's keyboard focus; undefined where
// there is none.
val focusedElement()
{
    QWidget *focused = QApplication::focusWidget();
    auto *form = focused ? qobject_cast<TForm *>(focused->window()) : nullptr;
    return form ? elementOf(elementsOf(form), focused) : val::undefined();
}

// The browser's focus to that element, so that a screen reader is where
// the pupil is; false where there is none. Unless Qt asks for the focus
// itself, only from Qt's own parts of the page: a reader of the page's
// text around the windows keeps its place there.
bool followFocus(bool askedByQt)
{
    val element = focusedElement();
    if (missing(element))
        return false;
    val active = document()["activeElement"];
    const bool inQt = missing(active) || active.strictlyEquals(document()["body"])
        || active["id"].as<std::string>() == "qt-shadow-container" || !missing(active["data-qinputcontext"]);
    if (!inQt && !askedByQt)
        return true;
    val options = val::object();
    options.set("preventScroll", true);
    element.call<void>("focus", options);
    return true;
}

// Qt gives the browser's focus to parts of its own that say nothing to a
// screen reader (a window's canvas, a hidden text field for input
// methods), and only then moves its elements' focus: a reader would say
// "canvas" or "entry" before each control. Those parts pass the focus on at
// once, in the same step, so that a reader hears only where it ends; where
// no control has Qt's focus, the part takes it as before.
void passedOn(val part)
{
    if (!followFocus(true))
        val::global("HTMLElement")["prototype"]["focus"].call<void>("call", part);
}

void passFocusOn(val part)
{
    if (missing(part) || !missing(part["bitovkaPasses"]))
        return;
    part.set("bitovkaPasses", true);
    part.set("focus", val::module_property("bitovkaPassFocusOn").call<val>("bind", val::null(), part));
    part.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
}

void passFocusOnFromQt(const val &container)
{
    passFocusOn(container["parentNode"].call<val>("querySelector", std::string("canvas")));
    val inputs = document().call<val>("querySelectorAll", std::string("body > input"));
    const int count = inputs["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        val input = inputs[i];
        if (!missing(input["data-qinputcontext"]))
            passFocusOn(input);
    }
}

// What Qt leaves out of its elements, put in: each window a window named by
// its title (a dialog a dialog), each radio button its name and whether it
// is chosen, each value as text, all in reading order; and the browser's
// focus where Qt's keyboard focus is.
void completeTree()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        auto *form = qobject_cast<TForm *>(widget);
        val container = form ? elementsOf(form) : val::undefined();
        if (missing(container))
            continue;
        const bool dialog = form->parentWidget() != nullptr;
        container.call<void>("setAttribute", std::string("role"), std::string(dialog ? "dialog" : "region"));
        container.call<void>("setAttribute", std::string("aria-label"), form->windowTitle().toStdString());
        // Qt's own element of the window only repeats its title.
        val own = elementOf(container, form);
        if (!missing(own))
            own.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
        const auto children = form->findChildren<QWidget *>();
        for (QWidget *child : children) {
            if (auto *radio = qobject_cast<QRadioButton *>(child)) {
                val element = elementOf(container, radio);
                if (missing(element))
                    continue;
                element.call<void>("setAttribute", std::string("aria-label"),
                                   accessibleText(radio, QAccessible::Name).toStdString());
                element.set("checked", radio->isChecked());
            } else if (auto *label = qobject_cast<QLabel *>(child)) {
                showValue(elementOf(container, label), label);
            }
        }
        readInPlaceOrder(container);
        passFocusOnFromQt(container);
    }
    followFocus(false);
}

// Once the events of the moment have been handled, Qt's elements included.
void completeTreeSoon()
{
    static bool pending = false;
    if (pending)
        return;
    pending = true;
    QTimer::singleShot(0, qApp, [] {
        pending = false;
        completeTree();
    });
}

// Qt's elements for screen readers, made only once a hidden button in a
// window is pressed: pressed as the main window shows, so nobody has to
// find it.
void turnOnElements(const TForm *form)
{
    val container = elementsOf(form);
    if (missing(container))
        return;
    val button = container.call<val>("querySelector", std::string("button.hidden-visually-read-by-screen-reader"));
    if (!missing(button))
        button.call<void>("click");
}

QAccessible::UpdateHandler qtUpdate = nullptr;

// Every change Qt tells screen readers of goes to Qt's elements first, as
// before; what they miss follows.
void followUpdate(QAccessibleEvent *event)
{
    if (qtUpdate) {
        qtUpdate(event);
    } else {
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(followUpdate);
    }
    completeTreeSoon();
}

} // namespace

EMSCRIPTEN_BINDINGS(bitovka_page)
{
    emscripten::function("bitovkaPassFocusOn", &passedOn);
}

namespace page {

void prepare()
{
    qtUpdate = QAccessible::installUpdateHandler(followUpdate);
    // At once: the browser's focus moves before Qt next gives it to a part
    // of its own, and a screen reader hears only where it ends.
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [] { completeTree(); });
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
    QTimer::singleShot(0, form, [form] {
        turnOnElements(form);
        completeTree();
    });
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

// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QAccessibleEvent;
class QWidget;

// Says short messages through the screen reader while the focus stays where
// it is. Nothing is drawn.
//
// How the message reaches the screen reader depends on Qt's version
// (announce.h).
class TAnnouncer : public QObject
{
    Q_OBJECT

public:
    // The window's announcer, made when first asked for; it goes with the
    // window.
    static TAnnouncer *Of(QWidget *window);

    // Ignored while the window is not on screen: the screen reader reads
    // the window itself as it appears.
    void Announce(const QString &message);

    const QString &Message() const { return m_message; }
    QWidget *Window() const;

    // Where the requests go: to Qt, which hands them to the screen reader
    // while one listens and drops them otherwise. Without a reader, a test
    // listens here instead; nullptr gives them back to Qt.
    using Listener = void (*)(QAccessibleEvent *event);
    static void setListener(Listener listener);
    // Hands a request to the listener, or to Qt.
    static void Tell(QAccessibleEvent *event);

private:
    explicit TAnnouncer(QWidget *window);

    QString m_message;
};

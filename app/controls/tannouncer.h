// SPDX-FileCopyrightText: 2026 The Bitovka developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Says short messages through the screen reader while the focus stays where
// it is. Assistive technology sees it as a notification of its window, named
// by the last message, that shows again for every new one; screen readers
// speak a notification as it shows. Nothing is drawn.
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

private:
    explicit TAnnouncer(QWidget *window);

    QString m_message;
};

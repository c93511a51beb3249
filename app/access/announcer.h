// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>
#include <array>

namespace staverly {

// Says a short text to a screen reader without moving the focus. To a screen
// reader it is a status bar whose notification shows with the text: Orca
// speaks a notification as it shows, and one in a status bar without the word
// "notification". Each text gets the next notification of a small ring, so a
// screen reader that asks for the text late still reads the one it was told.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    // The property of a notification that holds its text.
    static constexpr const char *Text = "staverlyAnnouncement";

    explicit Announcer(QWidget *parent = nullptr);

    void say(const QString &text);
    QString lastSaid() const { return m_last; }

    static QAccessibleInterface *accessibleFor(const QString &className, QObject *object);

signals:
    void said(const QString &text);

private:
    std::array<QWidget *, 4> m_notices{};
    std::size_t m_next = 0;
    QString m_last;
};

} // namespace staverly

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <utility>
#include <vector>

namespace staverly {

// The problems that are true right now and need no answer, such as a MIDI
// keyboard that has gone away: shown quietly on the main window and in MIDI
// Setup, and gone by themselves when the problem is. One notice a topic: a
// few words for the window's small corner, and the whole sentence.
class NoticeBoard : public QObject
{
    Q_OBJECT

public:
    struct Notice
    {
        QString topic;
        QString brief;
        QString text;
    };

    using QObject::QObject;

    // Posting the same notice again changes nothing.
    void post(const QString &topic, const QString &brief, const QString &text);
    void clear(const QString &topic);
    QString text(const QString &topic) const;
    // Oldest first.
    const std::vector<Notice> &notices() const { return m_notices; }
    QStringList texts() const;
    // The newest in a few words, with how many more there are; empty when
    // there is none.
    QString brief() const;

signals:
    void changed();

private:
    std::vector<Notice> m_notices;
};

} // namespace staverly

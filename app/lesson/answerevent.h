// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace staverly {

// One answer that changed the right or wrong count, with what was asked
// and how it was given; notes are MIDI numbers (60 = C4).
struct AnswerEvent
{
    enum class Outcome { Right, Wrong, TimeOut };
    enum class Via { Key, Letter, Midi, Timer, Mic };

    QString player;
    QDateTime at;
    // A new one at every new lesson, growing over time.
    qint64 lesson = 0;
    qint16 clef = 0;
    bool chromatic = false;
    int asked = -1;
    // The note given; -1 for a typed letter or a time-out.
    int answered = -1;
    // The letter typed, 'A'..'G'; null otherwise.
    QChar letter;
    Outcome outcome = Outcome::Right;
    Via via = Via::Key;
    // From the note being shown to the answer.
    qint64 ms = 0;
};

} // namespace staverly

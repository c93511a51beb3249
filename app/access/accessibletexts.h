// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonview.h"
#include "mainfields.h"

#include <QCoreApplication>
#include <QString>

namespace staverly {

// What a screen reader says of the main window's controls. Notes are
// named in scientific pitch notation, MIDI 60 = C4, spoken in words.
class AccessibleTexts
{
    Q_DECLARE_TR_FUNCTIONS(AccessibleTexts)

public:
    // "Middle C, C4", "D4", "F sharp 4".
    static QString key(int midi);
    // "Right answers: 3".
    static QString counter(LessonView::Counter counter, qint16 value);
    // "Lowest note: C3"; `midi` < 0 when the range end names no note.
    static QString slider(bool low, int midi);
    // The staff tells its note only when clues are on: `tip` is the clue
    // shown on it, "?" otherwise, empty before the first question.
    static QString staff(qint16 clef, const QString &tip);
    // The progress bar: "Question 3 of 20"; `question` 0 before the first.
    static QString progress(int question, int questions);
    // Heard on demand: the question, the counters and, with the timer on,
    // the time.
    static QString status(const MainFields &lesson);
};

} // namespace staverly

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace staverly {

// Waits, boxes and sounds as the lesson uses them. Every wait that lets
// events run, and every box, is a door through which input arrives.
class LessonDesktop
{
public:
    enum class Buttons { Ok, YesNoCancel };
    enum class Icon { Question, Warning };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~LessonDesktop() = default;

    virtual Answer messageBox(const QString &text, Buttons buttons, Icon icon,
                              const QString &title) = 0;
    // Blocks; nothing runs meanwhile.
    virtual void sleep(int milliseconds) = 0;
    virtual void processEvents() = 0;
    virtual void beep() = 0;
    virtual void flashWindow() = 0;
    // Lesson sound 101, 102 or 103, when sound effects are on.
    virtual void playWave(qint16 n) = 0;

    // Note-on at the chosen velocity, and its note-off, on the chosen channel.
    virtual void noteOn(qint16 note) = 0;
    virtual void noteOff(qint16 note) = 0;
    // An answer by mouse or letter takes one waiting keyboard message away,
    // when MIDI input is in use, and lets events run.
    virtual void dropStaleMidiMessage() = 0;
};

} // namespace staverly

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pianoear.h"

#include <QObject>

namespace staverly {

class Effects;
class LessonEngine;
class MIDIOutput;
class MidiMod;
class MidiRouter;
class NoticeBoard;

// Keys struck on a real piano answer as MIDI keys do: listening follows the
// microphone options, each key heard is judged by the question open when
// it was struck, and every sound the program makes is kept from the ear.
class MicAnswers : public QObject
{
    Q_OBJECT

public:
    MicAnswers(const PianoEar::CaptureMaker &makeCapture, MidiMod &midi, LessonEngine &lesson, MidiRouter &router,
               MIDIOutput &output, Effects &effects, NoticeBoard &notices, QObject *parent);

    PianoEar &ear() { return m_ear; }
    // Starts, stops or retunes listening to match the options.
    void follow();

private:
    PianoEar m_ear;
    MidiMod &m_midi;
    NoticeBoard &m_notices;
    QString m_source;
};

} // namespace staverly

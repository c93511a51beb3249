#pragma once

#include <QtGlobal>

namespace staverly {

class NoteOutput;

// The MIDI configuration, loaded from the "MIDI" settings at start-up.
struct MidiMod
{
    bool USE_MIDI = false;
    bool MIDI_THRU = true;
    qint16 DEVICE_IN = 0;
    qint16 DEVICE_OUT = 0;
    qint16 MIDI_VOLUME = 127;
    qint16 PATCH_INDEX = 0;
    qint16 MIDI_CHANNEL = 0;
    bool NO_MIDI_IN = false;

    qint16 noteOnStatus() const { return qint16(0x90 + MIDI_CHANNEL); }
    void send_patch(NoteOutput &out) const;
};

} // namespace staverly

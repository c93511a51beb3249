#include "midimod.h"

#include "noteoutput.h"

namespace staverly {

void MidiMod::send_patch(NoteOutput &out) const
{
    out.send(qint16(0xC0 + MIDI_CHANNEL), PATCH_INDEX, 0, 0);
}

} // namespace staverly

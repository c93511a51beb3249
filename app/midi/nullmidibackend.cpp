// SPDX-License-Identifier: GPL-3.0-or-later
#include "nullmidibackend.h"

#include "midierror.h"

namespace staverly {

std::unique_ptr<MidiSource> NullMidiBackend::openInput(const QString &name, Receiver)
{
    throw MidiError(MidiError::NoSuchDevice,
                    tr("The MIDI input \"%1\" is not available: this system has no MIDI.").arg(name));
}

std::unique_ptr<MidiSink> NullMidiBackend::openOutput(const QString &name)
{
    throw MidiError(MidiError::NoSuchDevice,
                    tr("The MIDI output \"%1\" is not available: this system has no MIDI.").arg(name));
}

} // namespace staverly

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midibackend.h"

namespace staverly {

// The devices of every RtMidi back end usable on this machine: the ALSA
// sequencer when its device node exists, and JACK when a server runs. Names
// read "Keystation 49 MIDI 1 (ALSA)" or "system:midi_capture_1 (JACK)"; the
// program's own ports are left out.
class RtMidiBackend : public MidiBackend
{
public:
    explicit RtMidiBackend(const QString &clientName = QStringLiteral("Staverly"),
                           const QString &alsaSequencer = QStringLiteral("/dev/snd/seq"));

    QString clientName() const { return m_clientName; }

    QStringList inputNames() override;
    QStringList outputNames() override;
    std::unique_ptr<MidiSource> openInput(const QString &name, Receiver receiver) override;
    std::unique_ptr<MidiSink> openOutput(const QString &name) override;
    // JACK tells its port changes; the ALSA sequencer is looked at anew on
    // every call, which the program makes about once a second.
    quint64 changes() override;

private:
    QString m_clientName;
    QString m_alsaSequencer;
    quint64 m_alsaLooks = 0;
};

} // namespace staverly

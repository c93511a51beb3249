// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midibackend.h"

#include <QCoreApplication>

namespace staverly {

// A system without MIDI: no devices, and opening one fails with a reason.
class NullMidiBackend : public MidiBackend
{
    Q_DECLARE_TR_FUNCTIONS(NullMidiBackend)

public:
    QStringList inputNames() override { return {}; }
    QStringList outputNames() override { return {}; }
    std::unique_ptr<MidiSource> openInput(const QString &name, Receiver receiver) override;
    std::unique_ptr<MidiSink> openOutput(const QString &name) override;
};

} // namespace staverly

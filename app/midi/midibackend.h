// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midisink.h"
#include "midisource.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace staverly {

// The system's MIDI devices: listed by display name and opened by that name.
class MidiBackend
{
public:
    // Called on the device's own thread, never on the user-interface thread.
    using Receiver = std::function<void(const std::uint8_t *bytes, std::size_t size)>;

    virtual ~MidiBackend() = default;

    virtual QStringList inputNames() = 0;
    virtual QStringList outputNames() = 0;

    // Both throw MidiError when the device is gone or will not open.
    virtual std::unique_ptr<MidiSource> openInput(const QString &name, Receiver receiver) = 0;
    virtual std::unique_ptr<MidiSink> openOutput(const QString &name) = 0;

    // Goes up whenever the lists may have changed since it was last asked:
    // a device came or went, or a server did. Cheap; asked about once a second.
    virtual quint64 changes() { return 0; }
};

} // namespace staverly

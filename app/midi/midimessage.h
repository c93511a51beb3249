// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <cstdint>

namespace staverly {

// One received short message, as the input port hands it out.
struct MidiMessage
{
    qint16 status = 0;
    qint16 data1 = 0;
    qint16 data2 = 0;

    friend bool operator==(const MidiMessage &, const MidiMessage &) = default;
};

// Bytes of the short message a status byte starts, itself included; 0 for a
// byte that starts none (a data byte, exclusive, an undefined status).
constexpr std::size_t midiMessageLength(int status)
{
    if (status < 0x80 || status > 0xFF)
        return 0;
    if (status < 0xF0)
        return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 2 : 3;
    switch (status) {
    case 0xF1:
    case 0xF3:
        return 2;
    case 0xF2:
        return 3;
    case 0xF0:
    case 0xF4:
    case 0xF5:
    case 0xF7:
    case 0xF9:
    case 0xFD:
        return 0;
    default:
        return 1;
    }
}

// A status byte with exactly the data bytes it needs, none of them a status.
constexpr bool isWholeShortMessage(const std::uint8_t *bytes, std::size_t size)
{
    if (size == 0 || bytes[0] == 0xF0)
        return false;
    const std::size_t length = midiMessageLength(bytes[0]);
    if (length == 0 || size != length)
        return false;
    for (std::size_t i = 1; i < size; ++i) {
        if (bytes[i] >= 0x80)
            return false;
    }
    return true;
}

} // namespace staverly

#pragma once

#include <QtGlobal>
#include <cstddef>

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

} // namespace staverly

#pragma once

#include <QtGlobal>

namespace staverly {

// One received short message, as the input port hands it out.
struct MidiMessage
{
    qint16 status = 0;
    qint16 data1 = 0;
    qint16 data2 = 0;

    friend bool operator==(const MidiMessage &, const MidiMessage &) = default;
};

} // namespace staverly

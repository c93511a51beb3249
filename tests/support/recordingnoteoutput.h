#pragma once

#include "noteoutput.h"

#include <array>
#include <vector>

namespace staverly::test {

// Keeps every message the program sends.
class RecordingNoteOutput : public NoteOutput
{
public:
    using Message = std::array<int, 3>;

    void send(qint16 status, qint16 data1, qint16 data2, qint16) override
    {
        messages.push_back({status, data1, data2});
    }

    std::vector<Message> messages;
};

} // namespace staverly::test

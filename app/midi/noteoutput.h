// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace staverly {

// Where the program's short MIDI messages go: a device, the built-in
// synthesizer, or nowhere.
class NoteOutput
{
public:
    virtual ~NoteOutput() = default;
    virtual void send(qint16 status, qint16 data1, qint16 data2, qint16 fourth) = 0;
};

// No device: messages are dropped.
class NullNoteOutput : public NoteOutput
{
public:
    void send(qint16, qint16, qint16, qint16) override {}
};

} // namespace staverly

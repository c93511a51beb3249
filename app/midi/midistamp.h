// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace staverly {

// What the program was showing when a message arrived: the open question
// (0 for none) and whether the main window was the active window. A message
// is judged by this, not by what is shown when the handler reaches it.
struct MidiStamp
{
    quint32 question = 0;
    bool active = false;

    friend bool operator==(const MidiStamp &, const MidiStamp &) = default;
};

} // namespace staverly

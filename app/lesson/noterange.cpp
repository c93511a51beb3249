// SPDX-License-Identifier: GPL-3.0-or-later
#include "noterange.h"

#include "notemodel.h"

#include <QCoreApplication>
#include <algorithm>

namespace staverly {

namespace {

// Thumbs are placed 340 twips a key but read back at 330, so a thumb let go
// near a key's right edge lands on the next one.
qint16 landed(int position)
{
    return qint16(position / 330 + 1);
}

} // namespace

NoteRange::Move NoteRange::low(int position, qint16 high)
{
    const auto note = qint16(std::clamp<int>(landed(position), 1, NoteModel::WhiteKeys - 1));
    if (high - note > 0)
        return {note, {}};
    return {qint16(note - 1),
            QCoreApplication::translate("NoteRange", "The low note range must be 1 less then the high note!")};
}

NoteRange::Move NoteRange::high(int position, qint16 low)
{
    const auto note = qint16(std::clamp<int>(landed(position), 1, NoteModel::WhiteKeys));
    if (note - low > 0)
        return {note, {}};
    return {qint16(note + 1),
            QCoreApplication::translate("NoteRange", "The high note range must be 1 greater then the low note!")};
}

std::optional<int> NoteRange::position(qint16 note)
{
    if (note < 1 || note > NoteModel::WhiteKeys)
        return std::nullopt;
    return KeyWidth * (note - 1);
}

int NoteRange::keyed(qint16 note, Key key)
{
    int to = note;
    switch (key) {
    case Key::Left:
        to = note - 1;
        break;
    case Key::Right:
        to = note + 1;
        break;
    case Key::Home:
        to = 1;
        break;
    case Key::End:
        to = NoteModel::WhiteKeys;
        break;
    }
    return KeyWidth * (std::clamp(to, 1, int(NoteModel::WhiteKeys)) - 1);
}

} // namespace staverly

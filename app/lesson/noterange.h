// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace staverly {

// The rules of the two range sliders, without the sliders: which white key
// a thumb lands on, and the move that would leave the low note at or above
// the high one, which is refused by stepping back one key and a box.
class NoteRange
{
public:
    // A slider position is in twips: one white key is this wide.
    static constexpr int KeyWidth = 340;

    struct Move
    {
        qint16 note = 1;
        // Empty, or the sentence of the box that follows the move.
        QString refusal;
    };

    enum class Key { Left, Right, Home, End };

    // The low thumb let go at `position`, the high note being `high`.
    static Move low(int position, qint16 high);
    // The high thumb let go at `position`, the low note being `low`.
    static Move high(int position, qint16 low);
    // Where a thumb stands to show white key `note`; none off the keyboard.
    static std::optional<int> position(qint16 note);
    // Where a key press moves a thumb that stands on `note`, as though it
    // had been dragged there.
    static int keyed(qint16 note, Key key);
};

} // namespace staverly

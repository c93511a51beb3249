// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notemodel.h"

#include <QtGlobal>
#include <array>

class QKeyEvent;
class QWidget;

namespace staverly {

class PianoKey;

// The window's 48 keys, in the drawn keyboard's places, with middle C
// marked for the clef and each key named by its note for a screen reader.
class PianoKeyboard
{
public:
    using Keys = std::array<PianoKey *, NoteModel::Keys>;

    // Made on `parent`, tabbed through from the lowest key to the highest.
    static Keys build(QWidget *parent);
    static void showClef(const Keys &keys, qint16 cleff);
    // "Middle C" down the key, one letter a line and the words a line apart,
    // in the pupil's language and note names.
    static QString middleCaption();
    // Where Left and Right (a key down or up in pitch), Home and End (the
    // lowest and the highest key) move the focus from key `index`; it stays
    // at an end. -1 for other keys.
    static int moveTo(int index, const QKeyEvent &key);
};

} // namespace staverly

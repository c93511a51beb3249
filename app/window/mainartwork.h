// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

namespace staverly {

// The main window's hand-drawn pictures: they need no files and scale with
// the screen.
class MainArtwork
{
public:
    // "new": a play triangle; "clue": a light bulb.
    static QIcon buttonIcon(const QString &kind);
    // A small eighth note that points with its head, over the keys.
    static QCursor keyCursor();
    // The window is laid out in fixed pixels; a compact face keeps every
    // caption inside its control.
    static void useCompactFace();
};

} // namespace staverly

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>
#include <QString>

namespace staverly {

// The main window drawn larger, every position kept in proportion: the
// whole program is scaled when it starts, as the desktop scales programs
// on a sharp screen, so pictures, text and mouse all follow.
class WindowZoom
{
public:
    static const QList<int> &choices(); // percent: 100, 150, 200

    // The zoom stored for the program named `application`; 100 when none
    // or an unusable one. Readable before the application object exists.
    static int stored(const QString &application);
    // Scales the program about to start; the desktop's own factor is kept.
    static void apply(int percent);
    // Whether a window of `size` at the zoom in force fits `available` at
    // `percent`.
    static bool fits(int percent, int inForce, const QSize &size, const QSize &available);
};

} // namespace staverly

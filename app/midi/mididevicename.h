// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace staverly {

// How a device is known again when it comes back: by its name without what
// changes on every replug (ALSA client and port numbers, the number a2j
// puts in brackets, the "-01" JACK gives a second client of one name, the
// "#2" of a second device of one name).
class MidiDeviceName
{
public:
    static QString key(const QString &name);
    // Where `wanted` is in `names`: the very name first, else the first of
    // the same key; -1 when it is not there.
    static int find(const QStringList &names, const QString &wanted);
};

} // namespace staverly

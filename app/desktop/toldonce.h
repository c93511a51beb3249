// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

namespace staverly {

// What the user has been told this run, by topic and file: a second failure
// of the same kind is not told again.
class ToldOnce
{
public:
    // True the first time for `topic`.
    static bool first(const QString &topic)
    {
        static QSet<QString> told;
        if (told.contains(topic))
            return false;
        told.insert(topic);
        return true;
    }
};

} // namespace staverly

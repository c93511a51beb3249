// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace staverly {

// The player list and the grade log that a build folder used to keep beside
// the program, moved once into the user's data folder, where it keeps them
// now. A file of the same name already there is never replaced: the old one
// goes beside it under another name (or, where that is taken too, stays
// where it was), and the user is told so.
class OldPupilFiles
{
    Q_DECLARE_TR_FUNCTIONS(OldPupilFiles)

public:
    static QStringList names();
    // Moves what `from` holds of them into `to`; returns what to tell the
    // user, empty when there was nothing to move.
    static QString move(const QString &from, const QString &to);
    // players.txt -> players.build-folder.txt
    static QString asideName(const QString &name);
    static QString title();
};

} // namespace staverly

// SPDX-License-Identifier: GPL-3.0-or-later
#include "oldpupilfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace staverly {

QStringList OldPupilFiles::names()
{
    return {QStringLiteral("players.txt"), QStringLiteral("grades.txt")};
}

QString OldPupilFiles::move(const QString &from, const QString &to)
{
    const QDir source(from);
    const QDir target(to);
    if (QDir::cleanPath(source.absolutePath()) == QDir::cleanPath(target.absolutePath()))
        return {};
    QStringList moved;
    QStringList besides;
    QStringList kept;
    for (const QString &name : names()) {
        if (!QFileInfo(source.filePath(name)).isFile())
            continue;
        // One already in the data folder is in use and stays; the old one
        // goes beside it all the same, so that a clean of the build folder
        // cannot take it.
        const QString beside = asideName(name);
        const QString into = !QFileInfo::exists(target.filePath(name))  ? name
                             : !QFileInfo::exists(target.filePath(beside)) ? beside
                                                                            : QString();
        // QFile::rename copies across file systems and removes the copy
        // when that fails, so a file is in one place or the other.
        if (into.isEmpty() || !QDir().mkpath(to) ||
            !QFile::rename(source.filePath(name), target.filePath(into)))
            kept << name;
        else if (into == name)
            moved << name;
        else
            besides << tr("%1 as %2").arg(name, beside);
    }
    QStringList told;
    if (!moved.isEmpty())
        // The names come last, so that no verb has to agree with how many there are.
        told << tr("Moved from the build folder %2 to %3: %1. The program keeps the pupils' files "
                   "there from now on; a rebuild or a clean of the build folder no longer takes them.")
                    .arg(moved.join(QStringLiteral(", ")), QDir::toNativeSeparators(from),
                         QDir::toNativeSeparators(to));
    if (!besides.isEmpty())
        told << tr("Moved from the build folder %2 to %3 under another name, since %3 already holds "
                   "one of the same name that stays in use: %1. Nothing was replaced.")
                    .arg(besides.join(QStringLiteral(", ")), QDir::toNativeSeparators(from),
                         QDir::toNativeSeparators(to));
    if (!kept.isEmpty())
        told << tr("Left in %2: %1. %3 already holds a file of that name, or it could not be written; "
                   "nothing was replaced.")
                    .arg(kept.join(QStringLiteral(", ")), QDir::toNativeSeparators(from),
                         QDir::toNativeSeparators(to));
    return told.join(QStringLiteral("\n\n"));
}

QString OldPupilFiles::asideName(const QString &name)
{
    return QFileInfo(name).completeBaseName() + QStringLiteral(".build-folder.txt");
}

QString OldPupilFiles::title()
{
    return tr("Staverly - Pupils' Files");
}

} // namespace staverly

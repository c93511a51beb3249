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
    QStringList kept;
    for (const QString &name : names()) {
        if (!QFileInfo(source.filePath(name)).isFile())
            continue;
        // QFile::rename copies across file systems and removes the copy
        // when that fails, so a file is in one place or the other.
        if (!QFileInfo::exists(target.filePath(name)) && QDir().mkpath(to) &&
            QFile::rename(source.filePath(name), target.filePath(name)))
            moved << name;
        else
            kept << name;
    }
    QStringList told;
    if (!moved.isEmpty())
        told << tr("%1 moved from the build folder %2 to %3, where the program keeps the pupils' files "
                   "from now on: a rebuild or a clean of the build folder no longer takes them.")
                    .arg(moved.join(QStringLiteral(", ")), QDir::toNativeSeparators(from),
                         QDir::toNativeSeparators(to));
    if (!kept.isEmpty())
        told << tr("%1 stayed in %2: %3 already holds a file of that name, or it could not be written. "
                   "Nothing was replaced.")
                    .arg(kept.join(QStringLiteral(", ")), QDir::toNativeSeparators(from),
                         QDir::toNativeSeparators(to));
    return told.join(QStringLiteral("\n\n"));
}

QString OldPupilFiles::title()
{
    return tr("Staverly - Pupils' Files");
}

} // namespace staverly

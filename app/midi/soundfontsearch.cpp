// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundfontsearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <fluidsynth.h>

namespace staverly {

namespace {

QStringList soundFontsIn(const QString &folder)
{
    const QDir dir(folder);
    QStringList paths;
    for (const QString &name : dir.entryList({QStringLiteral("*.sf2"), QStringLiteral("*.sf3")},
                                             QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase))
        paths << dir.filePath(name);
    return paths;
}

} // namespace

SoundFontSearch SoundFontSearch::standard()
{
    SoundFontSearch search{{QStringLiteral("default-GM.sf3"), QStringLiteral("default-GM.sf2"),
                            QStringLiteral("FluidR3_GM.sf2"), QStringLiteral("TimGM6mb.sf2")},
                           {}};
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QDir dir(data);
        search.folders << dir.filePath(QStringLiteral("sounds/sf3")) << dir.filePath(QStringLiteral("sounds/sf2"))
                       << dir.filePath(QStringLiteral("soundfonts"));
    }
    search.folders.removeDuplicates();
    return search;
}

SoundFontSearch::Fault SoundFontSearch::fault(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Fault::Missing;
    if (!info.isFile() || !info.isReadable())
        return Fault::Unreadable;
    if (!fluid_is_soundfont(QFile::encodeName(path).constData()))
        return Fault::NotASoundFont;
    return Fault::None;
}

QString SoundFontSearch::find() const
{
    for (const QString &name : names) {
        for (const QString &folder : folders) {
            const QString path = QDir(folder).filePath(name);
            if (QFileInfo::exists(path) && fault(path) == Fault::None)
                return path;
        }
    }
    for (const QString &folder : folders) {
        for (const QString &path : soundFontsIn(folder)) {
            if (fault(path) == Fault::None)
                return path;
        }
    }
    return {};
}

QStringList SoundFontSearch::all() const
{
    QStringList found;
    QSet<QString> seen;
    for (const QString &folder : folders) {
        for (const QString &path : soundFontsIn(folder)) {
            const QString real = QFileInfo(path).canonicalFilePath();
            if (real.isEmpty() || seen.contains(real) || fault(real) != Fault::None)
                continue;
            seen.insert(real);
            found << real;
        }
    }
    return found;
}

QString SoundFontSearch::describe() const
{
    if (names.isEmpty() && folders.isEmpty())
        return QCoreApplication::translate("SoundFontSearch", "nowhere");
    QStringList named = names;
    named << QCoreApplication::translate("SoundFontSearch", "any .sf2 or .sf3");
    return QCoreApplication::translate("SoundFontSearch", "%1, in %2")
        .arg(named.join(QStringLiteral(", ")), folders.join(QStringLiteral(", ")));
}

} // namespace staverly

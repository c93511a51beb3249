#include "soundfontsearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <fluidsynth.h>

namespace staverly {

namespace {

bool isSoundFont(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && fluid_is_soundfont(QFile::encodeName(path).constData());
}

} // namespace

SoundFontSearch SoundFontSearch::standard()
{
    return {
        {QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3"),
         QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
         QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
         QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")},
        {QStringLiteral("/usr/share/sounds/sf3"), QStringLiteral("/usr/share/sounds/sf2")},
    };
}

QString SoundFontSearch::find() const
{
    for (const QString &file : files) {
        if (isSoundFont(file))
            return file;
    }
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QStringList found = dir.entryList({QStringLiteral("*.sf2"), QStringLiteral("*.sf3")},
                                                QDir::Files | QDir::Readable, QDir::Name);
        for (const QString &name : found) {
            const QString path = dir.filePath(name);
            if (isSoundFont(path))
                return path;
        }
    }
    return {};
}

QString SoundFontSearch::describe() const
{
    QStringList places = files;
    for (const QString &folder : folders)
        places << QStringLiteral("%1/*.sf2, *.sf3").arg(folder);
    return places.isEmpty() ? QCoreApplication::translate("SoundFontSearch", "nowhere") : places.join(QStringLiteral(", "));
}

} // namespace staverly

// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdocument.h"

#include <QDir>
#include <QFileInfo>

namespace staverly {

QString HelpDocument::path(const QString &programFolder, const QString &language)
{
    const QDir folder(programFolder);
    QStringList tried;
    if (!language.isEmpty()) {
        tried << language;
        const QString base = language.section(QLatin1Char('_'), 0, 0);
        if (base != language)
            tried << base;
    }
    for (const QString &name : tried) {
        const QString translated = folder.filePath(QStringLiteral("staverly_help.%1.htm").arg(name));
        if (QFileInfo::exists(translated))
            return translated;
    }
    return folder.filePath(QStringLiteral("staverly_help.htm"));
}

} // namespace staverly

// SPDX-License-Identifier: GPL-3.0-or-later
#include "programlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace staverly {

namespace {

// The marker names the folder the build wrote it in: a copy of that folder
// carries the marker but is a copied program folder all the same.
bool markedAsBuildFolder(const QString &folder)
{
    QFile marker(QDir(folder).filePath(ProgramLayout::buildMarker()));
    if (!QFileInfo(marker).isFile() || !marker.open(QIODevice::ReadOnly))
        return false;
    QString named = QString::fromUtf8(marker.readLine());
    if (named.endsWith(QLatin1Char('\n')))
        named.chop(1);
    const QString canonical = QFileInfo(named).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(folder).canonicalFilePath();
}

} // namespace

ProgramLayout ProgramLayout::current()
{
    return of(QCoreApplication::applicationDirPath());
}

ProgramLayout ProgramLayout::of(const QString &executableFolder, const QString &dataFolder)
{
    const QString folder = QDir::cleanPath(QDir(executableFolder).absolutePath());
    const QDir bin(folder);
    const QString shared = QDir::cleanPath(bin.filePath(sharedFilesFromBin()));
    const QString usersData = dataFolder.isEmpty()
                                  ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                  : QDir::cleanPath(dataFolder);
    ProgramLayout layout;
    // A build folder is "bin" too, but nothing is ever built into a
    // share/staverly beside it.
    if (bin.dirName() == QLatin1String(STAVERLY_BIN_NAME) && QFileInfo(shared).isDir()) {
        layout.m_kind = Kind::Installed;
        layout.m_programFolder = shared;
        layout.m_controlsFolder = QDir::cleanPath(bin.filePath(controlsFromBin()));
        layout.m_dataFolder = usersData;
        return layout;
    }
    layout.m_programFolder = folder;
    layout.m_controlsFolder = bin.filePath(QStringLiteral("controls"));
    const bool build = markedAsBuildFolder(folder);
    layout.m_kind = build ? Kind::Build : Kind::Beside;
    layout.m_dataFolder = build ? usersData : folder;
    return layout;
}

QString ProgramLayout::buildMarker()
{
    return QStringLiteral("staverly-build-folder");
}

QString ProgramLayout::sharedFilesFromBin()
{
    return QStringLiteral(STAVERLY_BIN_TO_SHARED_FILES);
}

QString ProgramLayout::controlsFromBin()
{
    return QStringLiteral(STAVERLY_BIN_TO_CONTROLS);
}

} // namespace staverly

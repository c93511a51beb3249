// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace staverly {

// The XDG data folders, where the built-in synthesizer looks for SoundFonts,
// pointed at empty folders of the test's own for as long as it lives, so
// that what the machine has installed is never found.
class SoundFontFolders
{
public:
    SoundFontFolders()
        : m_home(qgetenv("XDG_DATA_HOME"))
        , m_dirs(qgetenv("XDG_DATA_DIRS"))
    {
        qputenv("XDG_DATA_HOME", m_user.path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", m_system.path().toLocal8Bit());
    }
    ~SoundFontFolders()
    {
        restore("XDG_DATA_HOME", m_home);
        restore("XDG_DATA_DIRS", m_dirs);
    }
    SoundFontFolders(const SoundFontFolders &) = delete;
    SoundFontFolders &operator=(const SoundFontFolders &) = delete;

    // Puts a copy of `from` at `relative` (as "sounds/sf2/x.sf2") in the
    // system's data folder; its full path.
    QString install(const QString &relative, const QString &from) const
    {
        const QString path = QDir(m_system.path()).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile::copy(from, path);
        return path;
    }
    QString system() const { return m_system.path(); }
    QString user() const { return m_user.path(); }

private:
    static void restore(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    QByteArray m_home;
    QByteArray m_dirs;
    QTemporaryDir m_user;
    QTemporaryDir m_system;
};

} // namespace staverly

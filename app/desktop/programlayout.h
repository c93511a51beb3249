// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace staverly {

// Where the program's own files are (pictures, help, control plugins) and
// where the pupils' files go (player list, grade log), decided from the
// executable's folder alone. An installed program sits in a "bin" folder
// beside share/staverly and keeps the pupils' files in the user's data
// folder, since the program's folders are shared by every account and
// seldom writable. A build folder, told by the marker file the build writes
// beside the executable naming that folder, reads its own files from there
// but keeps the pupils' files in the user's data folder too, so a rebuild or
// a clean never takes them; a copied program folder, a copy of a build
// folder among them, keeps everything beside the executable. Whether a
// folder is writable never matters, so the files stay where they were
// whatever the permissions.
class ProgramLayout
{
public:
    enum class Kind { Beside, Installed, Build };

    // The layout of the running program.
    static ProgramLayout current();
    // The layout of a program whose executable is in executableFolder.
    // dataFolder is used by an installed layout; empty means the standard
    // AppDataLocation.
    static ProgramLayout of(const QString &executableFolder, const QString &dataFolder = {});

    Kind kind() const { return m_kind; }
    bool installed() const { return m_kind == Kind::Installed; }
    // images/ and staverly_help.htm.
    QString programFolder() const { return m_programFolder; }
    QString controlsFolder() const { return m_controlsFolder; }
    // players.txt and grades.txt.
    QString dataFolder() const { return m_dataFolder; }

    // The file the build writes beside the executable, and nothing installs:
    // its first line is the absolute path of the folder it was written in.
    static QString buildMarker();
    // The install's folders relative to its bin folder, as built.
    static QString sharedFilesFromBin();
    static QString controlsFromBin();

private:
    Kind m_kind = Kind::Beside;
    QString m_programFolder;
    QString m_controlsFolder;
    QString m_dataFolder;
};

} // namespace staverly

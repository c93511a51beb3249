// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textlines.h"

#include <QString>
#include <QStringList>

namespace staverly {

// The player list "players.txt" in the pupils' data folder: one name a line.
class PlayerList
{
public:
    static constexpr const char *DefaultPlayer = "Pellworth";

    explicit PlayerList(QString dataFolder);

    QString fileName() const;
    bool exists() const;
    // Creates the list with the default player alone. An existing list is
    // left as it is. Returns an empty text, or why it could not be written.
    QString createDefault() const;

    // The names in order; none when the file cannot be read. Lines end with
    // CR LF, LF or CR; an empty line is a name too, the file's end none.
    QStringList names() const;
    // A list that is not UTF-8 throughout is written anew, whole, as UTF-8.
    TextLines::Written add(const QString &name) const;
    TextLines::Written replace(const QStringList &names) const;

    // "Pellworth..." for one word, the first word and "..." for more.
    static QString shortLabel(const QString &name);
    // A name as it can be kept on one line of the list and of the grade log:
    // line breaks and other control characters become spaces.
    static QString oneLine(const QString &name);

private:
    QString m_folder;
};

} // namespace staverly

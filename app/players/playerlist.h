#pragma once

#include <QString>
#include <QStringList>

namespace staverly {

// The player list "players.txt" beside the program: one name a line.
class PlayerList
{
public:
    static constexpr const char *DefaultPlayer = "Pellworth";

    explicit PlayerList(QString programFolder);

    QString fileName() const;
    bool exists() const;
    // Creates the list with the default player alone. An existing list is
    // left as it is. False when the file cannot be written.
    bool createDefault() const;

    // "Pellworth..." for one word, the first word and "..." for more.
    static QString shortLabel(const QString &name);

    // The names in the file's bytes, in order. Lines end with CR LF, LF or
    // CR; an empty line is a name too, but the end of the file is none.
    static QStringList parse(const QByteArray &bytes);

private:
    QString m_folder;
};

} // namespace staverly

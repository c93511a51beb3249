#pragma once

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

    // "Pellworth..." for one word, the first word and "..." for more.
    static QString shortLabel(const QString &name);

    // The names in the file's bytes, in order. Lines end with CR LF, LF or
    // CR; an empty line is a name too, but the end of the file is none. A
    // list that is not UTF-8 comes from an older editor and is read as
    // Windows-1252, so every name survives being written back as UTF-8.
    static QStringList parse(const QByteArray &bytes);
    static QString decode(const QByteArray &bytes);

private:
    QString m_folder;
};

} // namespace staverly

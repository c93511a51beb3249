#include "playerlist.h"

#include <QDir>
#include <QFile>

namespace staverly {

PlayerList::PlayerList(QString programFolder)
    : m_folder(std::move(programFolder))
{
}

QString PlayerList::fileName() const
{
    return QDir(m_folder).filePath(QStringLiteral("players.txt"));
}

bool PlayerList::exists() const
{
    return QFile::exists(fileName());
}

bool PlayerList::createDefault() const
{
    if (exists())
        return true;
    QFile file(fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = QByteArray(DefaultPlayer) + "\r\n";
    return file.write(line) == line.size();
}

QString PlayerList::shortLabel(const QString &name)
{
    // A space is looked for from the second character on; the cut is at the
    // first space of the whole name.
    if (name.indexOf(QLatin1Char(' '), 1) < 0)
        return name + QStringLiteral("...");
    return name.left(name.indexOf(QLatin1Char(' '))) + QStringLiteral("...");
}

QStringList PlayerList::parse(const QByteArray &bytes)
{
    QStringList names;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        names << QString::fromLocal8Bit(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        names << QString::fromLocal8Bit(bytes.mid(start));
    return names;
}

} // namespace staverly

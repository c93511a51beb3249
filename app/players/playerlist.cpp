#include "playerlist.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace staverly {

PlayerList::PlayerList(QString dataFolder)
    : m_folder(std::move(dataFolder))
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

QString PlayerList::createDefault() const
{
    if (exists())
        return {};
    QFile file(fileName());
    const QByteArray line = QByteArray(DefaultPlayer) + "\r\n";
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(line) != line.size()
        || !file.flush())
        return file.errorString();
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

QString PlayerList::shortLabel(const QString &name)
{
    // A space is looked for from the second character on; the cut is at the
    // first space of the whole name.
    if (name.indexOf(QLatin1Char(' '), 1) < 0)
        return name + QStringLiteral("...");
    return name.left(name.indexOf(QLatin1Char(' '))) + QStringLiteral("...");
}

QString PlayerList::decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Latin-1 but for 0x80..0x9F, where Windows-1252 keeps its quotes,
    // dashes, the euro sign and a few letters.
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString windows;
    windows.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = uchar(c);
        windows += byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte);
    }
    return windows;
}

QStringList PlayerList::parse(const QByteArray &bytes)
{
    const QString text = decode(bytes);
    QStringList names;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        names << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        names << text.mid(start);
    return names;
}

} // namespace staverly

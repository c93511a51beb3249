// SPDX-License-Identifier: GPL-3.0-or-later
#include "playerlist.h"

#include "safefile.h"
#include "textlines.h"

#include <QDir>
#include <QFile>

namespace staverly {

namespace {

QByteArray contents(const QString &fileName, bool *readable = nullptr)
{
    QFile file(fileName);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (readable)
        *readable = opened;
    return opened ? file.readAll() : QByteArray();
}

} // namespace

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
    return SafeFile::replace(fileName(), QByteArray(DefaultPlayer) + "\r\n");
}

QStringList PlayerList::names() const
{
    return TextLines::lines(contents(fileName()));
}

TextLines::Written PlayerList::add(const QString &name) const
{
    const QByteArray old = contents(fileName());
    if (TextLines::encoding(old) != TextLines::Encoding::Utf8)
        return replace(TextLines::lines(old) << name);
    // A last line without its line end must not take the new name in.
    QByteArray line = oneLine(name).toUtf8() + "\r\n";
    if (!old.isEmpty() && !old.endsWith('\n') && !old.endsWith('\r'))
        line.prepend("\r\n");
    return {SafeFile::append(fileName(), line), false};
}

TextLines::Written PlayerList::replace(const QStringList &names) const
{
    bool readable = false;
    const QByteArray old = contents(fileName(), &readable);
    QStringList kept;
    kept.reserve(names.size());
    for (const QString &name : names)
        kept << oneLine(name);
    TextLines::Written change{SafeFile::replace(fileName(), TextLines::utf8(kept)), false};
    change.converted = change.failure.isEmpty() && readable && TextLines::encoding(old) != TextLines::Encoding::Utf8;
    return change;
}

QString PlayerList::shortLabel(const QString &name)
{
    // A space is looked for from the second character on; the cut is at the
    // first space of the whole name.
    if (name.indexOf(QLatin1Char(' '), 1) < 0)
        return name + QStringLiteral("...");
    return name.left(name.indexOf(QLatin1Char(' '))) + QStringLiteral("...");
}

QString PlayerList::oneLine(const QString &name)
{
    QString line = name;
    for (QChar &c : line) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return line;
}

} // namespace staverly

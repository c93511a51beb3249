// SPDX-License-Identifier: GPL-3.0-or-later
#include "gradelog.h"

#include "playerlist.h"
#include "safefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace staverly {

GradeLog::GradeLog(QString dataFolder)
    : m_folder(std::move(dataFolder))
{
}

QString GradeLog::fileName() const
{
    return QDir(m_folder).filePath(QStringLiteral("grades.txt"));
}

QString GradeLog::lessonName(qint16 cleff)
{
    return cleff == 0 ? QStringLiteral("Treble Clef") : QStringLiteral("Base Clef");
}

QString GradeLog::shownLesson(const QString &stored)
{
    if (stored == QLatin1String("Treble Clef"))
        return tr("Treble Clef");
    if (stored == QLatin1String("Base Clef"))
        return tr("Base Clef");
    return stored;
}

QByteArray GradeLog::format(const Record &r)
{
    // Put together piece by piece: a name is text, never a pattern that a
    // later number could fill in. A line break in it would end the record.
    const QLatin1Char quote('"');
    const QLatin1Char comma(',');
    const QString line = quote + PlayerList::oneLine(r.player) + QStringLiteral("\",\"")
                         + PlayerList::oneLine(r.lesson) + quote + comma + QString::number(r.yes) + comma
                         + QString::number(r.no) + comma + QString::number(r.score) + QStringLiteral(",#")
                         + r.date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("#\r\n");
    return line.toUtf8();
}

namespace {

// A log known to be UTF-8 throughout, by its size and time, so that a log of
// years is read through once a run, not at every lesson.
struct Known
{
    qint64 size = -1;
    QDateTime modified;
};

QHash<QString, Known> &knownUtf8()
{
    static QHash<QString, Known> known;
    return known;
}

Known stamp(const QString &fileName)
{
    const QFileInfo info(fileName);
    return {info.size(), info.lastModified()};
}

bool isKnownUtf8(const QString &fileName)
{
    const auto it = knownUtf8().constFind(fileName);
    if (it == knownUtf8().cend())
        return false;
    const Known now = stamp(fileName);
    return now.size == it->size && now.modified == it->modified;
}

} // namespace

TextLines::Written GradeLog::append(const Record &record) const
{
    const QString name = fileName();
    QFile old(name);
    QByteArray bytes = format(record);
    if (!isKnownUtf8(name) && old.open(QIODevice::ReadOnly) && !old.isSequential()
        && TextLines::encoding(old) != TextLines::Encoding::Utf8) {
        old.seek(0);
        QStringList lines = TextLines::lines(old.readAll());
        old.close();
        lines << QString::fromUtf8(bytes.chopped(2));
        TextLines::Written written{SafeFile::replace(name, TextLines::utf8(lines)), false};
        written.converted = written.failure.isEmpty();
        if (written.converted)
            knownUtf8().insert(name, stamp(name));
        return written;
    }
    old.close();
    // A last line cut short, or edited by hand, must not swallow this one.
    if (old.size() > 0 && old.open(QIODevice::ReadOnly) && !old.isSequential() && old.seek(old.size() - 1)) {
        const QByteArray last = old.read(1);
        if (last != "\n" && last != "\r")
            bytes.prepend("\r\n");
    }
    old.close();
    TextLines::Written written{SafeFile::append(name, bytes), false};
    if (written.failure.isEmpty())
        knownUtf8().insert(name, stamp(name));
    return written;
}

namespace {

bool space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && space(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && space(text.back()))
        text.chop(1);
    return text;
}

// A signed decimal that fits 16 bits.
std::optional<qint16> count(QByteArrayView field)
{
    field = trimmed(field);
    bool negative = false;
    if (!field.isEmpty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field = field.sliced(1);
    }
    if (field.isEmpty())
        return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 32768)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > 32767)
        return std::nullopt;
    return qint16(value);
}

int digits(QByteArrayView text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "#yyyy-MM-dd#", a real day.
std::optional<QDate> day(QByteArrayView field)
{
    field = trimmed(field);
    if (field.size() != 12 || field[0] != '#' || field[11] != '#' || field[5] != '-' || field[8] != '-')
        return std::nullopt;
    const int year = digits(field.sliced(1, 4));
    const int month = digits(field.sliced(6, 2));
    const int dayOfMonth = digits(field.sliced(9, 2));
    if (year < 0 || month < 0 || dayOfMonth < 0 || !QDate::isValid(year, month, dayOfMonth))
        return std::nullopt;
    return QDate(year, month, dayOfMonth);
}

} // namespace

// The two texts are quoted but not escaped, so a name may hold a quote or a
// comma: the numbers and the date are taken from the right, and the texts
// split at the last "," between them. Nothing is allocated until the line is
// known to be a record, as a log of years is read line by line.
std::optional<GradeLog::Fields> GradeLog::scan(QByteArrayView line)
{
    QByteArrayView tail[4];
    qsizetype end = line.size();
    for (int i = 3; i >= 0; --i) {
        const qsizetype comma = end > 0 ? line.first(end).lastIndexOf(',') : -1;
        if (comma < 0)
            return std::nullopt;
        tail[i] = line.sliced(comma + 1, end - comma - 1);
        end = comma;
    }
    const QByteArrayView texts = trimmed(line.first(end));
    if (texts.size() < 5 || texts.front() != '"' || texts.back() != '"')
        return std::nullopt;
    const qsizetype split = texts.lastIndexOf(QByteArrayView("\",\""));
    if (split < 1)
        return std::nullopt;
    Fields fields;
    fields.player = texts.sliced(1, split - 1);
    // The closing quote may be the split's own: `"x","` holds an empty lesson.
    fields.lesson = texts.sliced(split + 3, std::max<qsizetype>(texts.size() - split - 4, 0));
    const auto yes = count(tail[0]);
    const auto no = count(tail[1]);
    const auto score = count(tail[2]);
    const auto date = day(tail[3]);
    if (!yes || !no || !score || !date)
        return std::nullopt;
    fields.yes = *yes;
    fields.no = *no;
    fields.score = *score;
    fields.date = *date;
    return fields;
}

std::optional<GradeLog::Record> GradeLog::parse(QByteArrayView line)
{
    const auto fields = scan(line);
    if (!fields)
        return std::nullopt;
    Record record;
    record.player = TextLines::decodeLine(fields->player);
    record.lesson = TextLines::decodeLine(fields->lesson);
    record.yes = fields->yes;
    record.no = fields->no;
    record.score = fields->score;
    record.date = fields->date;
    return record;
}

} // namespace staverly

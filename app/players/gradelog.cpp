#include "gradelog.h"

#include <QDir>
#include <QFile>

namespace staverly {

GradeLog::GradeLog(QString programFolder)
    : m_folder(std::move(programFolder))
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

QByteArray GradeLog::format(const Record &r)
{
    // Put together piece by piece: a name is text, never a pattern that a
    // later number could fill in.
    const QLatin1Char quote('"');
    const QLatin1Char comma(',');
    const QString line = quote + r.player + QStringLiteral("\",\"") + r.lesson + quote + comma
                         + QString::number(r.yes) + comma + QString::number(r.no) + comma
                         + QString::number(r.score) + QStringLiteral(",#")
                         + r.date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("#\r\n");
    return line.toLocal8Bit();
}

QString GradeLog::append(const Record &record) const
{
    QByteArray bytes = format(record);
    {
        // A last line cut short, or edited by hand, must not swallow this one.
        QFile old(fileName());
        if (old.size() > 0 && old.open(QIODevice::ReadOnly) && old.seek(old.size() - 1)
            && old.read(1) != "\n")
            bytes.prepend("\r\n");
    }
    QFile file(fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size()
        || !file.flush())
        return file.errorString();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}

namespace {

std::optional<qint16> count(const QByteArray &field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    if (!ok || value < -32768 || value > 32767)
        return std::nullopt;
    return qint16(value);
}

} // namespace

// The two texts are quoted but not escaped, so a name may hold a quote or a
// comma: the numbers and the date are taken from the right, and the texts
// split at the last "," between them.
std::optional<GradeLog::Record> GradeLog::parse(const QByteArray &line)
{
    QList<QByteArray> tail;
    qsizetype end = line.size();
    for (int i = 0; i < 4; ++i) {
        const qsizetype comma = line.lastIndexOf(',', end - 1);
        if (comma < 0)
            return std::nullopt;
        tail.prepend(line.mid(comma + 1, end - comma - 1));
        end = comma;
    }
    const QByteArray texts = line.left(end).trimmed();
    const qsizetype split = texts.lastIndexOf("\",\"");
    if (texts.size() < 5 || !texts.startsWith('"') || !texts.endsWith('"') || split < 0)
        return std::nullopt;
    const QByteArray date = tail[3].trimmed();
    if (date.size() < 3 || !date.startsWith('#') || !date.endsWith('#'))
        return std::nullopt;
    Record record;
    record.player = QString::fromLocal8Bit(texts.mid(1, split - 1));
    record.lesson = QString::fromLocal8Bit(texts.mid(split + 3, texts.size() - split - 4));
    record.date = QDate::fromString(QString::fromLatin1(date.mid(1, date.size() - 2)),
                                    QStringLiteral("yyyy-MM-dd"));
    const auto yes = count(tail[0]);
    const auto no = count(tail[1]);
    const auto score = count(tail[2]);
    if (!yes || !no || !score || !record.date.isValid())
        return std::nullopt;
    record.yes = *yes;
    record.no = *no;
    record.score = *score;
    return record;
}

GradeLog::Contents GradeLog::parseAll(const QByteArray &bytes)
{
    Contents contents;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (auto record = parse(line))
            contents.records.push_back(*record);
        else
            ++contents.unreadable;
    }
    return contents;
}

} // namespace staverly

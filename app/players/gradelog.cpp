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
    const QString line = QStringLiteral("\"%1\",\"%2\",%3,%4,%5,#%6#\r\n")
                             .arg(r.player, r.lesson)
                             .arg(r.yes)
                             .arg(r.no)
                             .arg(r.score)
                             .arg(r.date.toString(QStringLiteral("yyyy-MM-dd")));
    return line.toLocal8Bit();
}

bool GradeLog::append(const Record &record) const
{
    QFile file(fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = format(record);
    return file.write(bytes) == bytes.size();
}

} // namespace staverly

#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace staverly {

// The grade log "grades.txt" beside the program: one record a lesson,
// appended, never rewritten.
class GradeLog
{
public:
    struct Record
    {
        QString player;
        QString lesson;
        qint16 yes = 0;
        qint16 no = 0;
        qint16 score = 0;
        QDate date;
    };

    explicit GradeLog(QString programFolder);

    QString fileName() const;
    static QString lessonName(qint16 cleff);
    static QByteArray format(const Record &record);
    // Appends one record with CR LF; false when the file cannot be written.
    bool append(const Record &record) const;

private:
    QString m_folder;
};

} // namespace staverly

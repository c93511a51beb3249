// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textlines.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace staverly {

// The grade log "grades.txt" in the pupils' data folder: one record a lesson,
// appended, never rewritten.
class GradeLog
{
    Q_DECLARE_TR_FUNCTIONS(GradeLog)

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

    explicit GradeLog(QString dataFolder);

    QString fileName() const;
    static QString lessonName(qint16 cleff);
    // A stored lesson name as the pupil reads it; the log keeps the English.
    static QString shownLesson(const QString &stored);
    static QByteArray format(const Record &record);
    // Appends one record with CR LF, on a line of its own even when the file
    // does not end with one. A log not UTF-8 throughout is written anew,
    // whole, as UTF-8 with the record.
    TextLines::Written append(const Record &record) const;

    // A record's parts as they stand in its line.
    struct Fields
    {
        QByteArrayView player;
        QByteArrayView lesson;
        qint16 yes = 0;
        qint16 no = 0;
        qint16 score = 0;
        QDate date;
    };

    // One line without its line end; nullopt when it is not a record.
    static std::optional<Fields> scan(QByteArrayView line);
    static std::optional<Record> parse(QByteArrayView line);

private:
    QString m_folder;
};

} // namespace staverly

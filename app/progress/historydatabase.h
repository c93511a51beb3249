// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerevent.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>

namespace staverly {

class AnswerTally;
class RecentAnswers;

// The SQLite file behind AnswerHistory: opening it (and bringing its
// tables up to date), writing answers together with their sums, and the
// grouped reads of the Progress window. Each failure is kept as fault().
class HistoryDatabase
{
public:
    enum class Fault { None, FolderMissing, ReadOnly, Locked, Corrupt, Newer, Other };

    static constexpr int SchemaVersion = 1;
    // Long enough for a second copy of the program to finish its own write,
    // short enough not to hold the window: a longer lock is waited out by
    // trying again later.
    static constexpr int BusyTimeoutMs = 80;

    explicit HistoryDatabase(QString path);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase &) = delete;
    HistoryDatabase &operator=(const HistoryDatabase &) = delete;

    // Makes the folder and file when missing. On failure the connection
    // may stay open for reading.
    bool open();
    // Only to read what is there, for a file that cannot be written.
    bool openToRead();
    void close();
    bool isOpen() const;

    // Renames a damaged file, with its log, to "<name>.corrupt-YYYYMMDD-HHMMSS";
    // the new name, or empty when it could not be moved.
    QString setAside();

    // All the answers with their sums in one transaction, or none.
    bool write(std::span<const AnswerEvent> answers);

    // Each adds to its argument only when the whole read succeeded.
    bool readPlayers(QStringList &into);
    bool readDays(const QString &player, AnswerTally &into);
    bool readNotes(const QString &player, qint16 clef, AnswerTally &into);
    bool readConfusions(const QString &player, AnswerTally &into);
    // False also when it cannot be read.
    bool hasLesson(const QString &player, qint64 lesson, qint16 clef);
    // The last RecentAnswers::Depth answers to each note of the clef.
    bool readRecent(const QString &player, qint16 clef, RecentAnswers &into);
    // In the order stored; stops, returning false, when each returns false.
    bool forEachAnswer(const QString &player, const std::function<bool(const AnswerEvent &)> &each);

    QString path() const { return m_path; }
    Fault fault() const { return m_fault; }
    // SQLite's own words for the last failure.
    QString faultDetail() const { return m_error.databaseText(); }

private:
    struct Statements;

    bool fail(const QSqlError &error);
    bool fail(Fault fault);
    bool run(QSqlQuery &query);
    // Binds the values in order, then runs.
    bool run(QSqlQuery &query, std::initializer_list<QVariant> values);
    bool run(const QString &sql);
    bool migrate();
    // Always false, to end a failed transaction with.
    bool rollback();
    // id is -1 for a name not stored; false on failure.
    bool findPlayer(const QString &name, qint64 &id);
    // Within a transaction; -1 on failure.
    qint64 addPlayer(const QString &name);
    bool writeSums(qint64 player, const AnswerTally &tally);
    // Runs a query whose first placeholder is the player's id, then `more`,
    // and hands each row to `row` until it returns false. A player not
    // stored has no rows.
    bool selectRows(const QString &player, const QString &sql, std::initializer_list<QVariant> more,
                    const std::function<bool(const QSqlQuery &)> &row);

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
    std::unique_ptr<Statements> m_statements;
    QHash<QString, qint64> m_players;
    Fault m_fault = Fault::None;
    QSqlError m_error;
};

} // namespace staverly

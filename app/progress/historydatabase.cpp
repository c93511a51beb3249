// SPDX-License-Identifier: GPL-3.0-or-later
#include "historydatabase.h"

#include "answertally.h"
#include "recentanswers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <array>
#include <atomic>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace staverly {

namespace {

// SQLite's primary result codes.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

// Step n takes the file from version n to n + 1. Later versions of the
// program add steps; they never change one already shipped.
//
// days holds a clef's lessons, right and wrong answers and answer times (as
// TimeHistogram blobs) per local day; notes the same per asked note; both are
// kept up to date with every answer so the Progress window reads a few
// thousand rows however many answers there are. lessons only tells whether an
// answer starts a lesson. answers_by_note finds a note's last answers.
const char *const ToVersion1[] = {
    "CREATE TABLE schema_version (version INTEGER NOT NULL)",
    "CREATE TABLE players (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
    "CREATE TABLE answers ("
    " id INTEGER PRIMARY KEY,"
    " player INTEGER NOT NULL REFERENCES players (id),"
    " at_ms INTEGER NOT NULL," // since 1970 UTC
    " utc_offset INTEGER NOT NULL," // seconds, of the clock that answered
    " lesson INTEGER NOT NULL,"
    " clef INTEGER NOT NULL," // 0 treble, 1 bass
    " chromatic INTEGER NOT NULL,"
    " asked INTEGER NOT NULL," // MIDI
    " answered INTEGER NOT NULL," // MIDI; -1 for a letter or a time-out
    " letter TEXT," // 'A'..'G' when typed
    " outcome INTEGER NOT NULL," // 0 right, 1 wrong, 2 time-out
    " via INTEGER NOT NULL," // 0 key, 1 letter, 2 MIDI, 3 timer, 4 microphone
    " ms INTEGER NOT NULL)",
    "CREATE INDEX answers_by_note ON answers (player, clef, asked)",
    "CREATE TABLE lessons ("
    " player INTEGER NOT NULL REFERENCES players (id), lesson INTEGER NOT NULL, clef INTEGER NOT NULL,"
    " PRIMARY KEY (player, lesson, clef)) WITHOUT ROWID",
    "CREATE TABLE days ("
    " player INTEGER NOT NULL REFERENCES players (id), clef INTEGER NOT NULL,"
    " day INTEGER NOT NULL," // local date as a Julian day number
    " lessons INTEGER NOT NULL, right_count INTEGER NOT NULL, wrong_count INTEGER NOT NULL,"
    " times BLOB NOT NULL,"
    " PRIMARY KEY (player, clef, day))",
    "CREATE TABLE notes ("
    " player INTEGER NOT NULL REFERENCES players (id), clef INTEGER NOT NULL, asked INTEGER NOT NULL,"
    " answers INTEGER NOT NULL, wrong_count INTEGER NOT NULL, times BLOB NOT NULL,"
    " PRIMARY KEY (player, clef, asked))",
    "CREATE TABLE confusions ("
    " player INTEGER NOT NULL REFERENCES players (id), clef INTEGER NOT NULL, asked INTEGER NOT NULL,"
    " answered INTEGER NOT NULL," // -1 for a letter
    " letter TEXT NOT NULL," // '' for a note
    " times INTEGER NOT NULL,"
    " PRIMARY KEY (player, clef, asked, answered, letter)) WITHOUT ROWID",
};

const std::array<std::span<const char *const>, HistoryDatabase::SchemaVersion> Migrations{ToVersion1};

// A run on a read-only file leaves SQLite's index and log beside it
// read-only too, and once the file may be written again they would keep it
// read-only for good. Only the user's own are mended, and only beside a
// file the user may write.
void mendCompanions(const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    struct stat main {};
    if (::stat(file.constData(), &main) != 0 || main.st_uid != ::geteuid() || !(main.st_mode & S_IWUSR))
        return;
    for (const char *suffix : {"-shm", "-wal"}) {
        const QByteArray companion = file + suffix;
        struct stat info {};
        if (::stat(companion.constData(), &info) == 0 && info.st_uid == ::geteuid() && !(info.st_mode & S_IWUSR))
            ::chmod(companion.constData(), (info.st_mode & 07777) | S_IWUSR);
    }
}

QString uniqueConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("staverly-history-%1").arg(next++);
}

// A local time's instant and offset from one look at the time zone: each
// look reads the status of the zone file.
std::pair<qint64, int> instantOf(const QDateTime &at)
{
    const qint64 ms = at.toUTC().toMSecsSinceEpoch();
    const qint64 asIfUtc = QDateTime(at.date(), at.time(), Qt::UTC).toMSecsSinceEpoch();
    return {ms, int((asIfUtc - ms) / 1000)};
}

AnswerEvent::Outcome outcomeFrom(int value)
{
    switch (value) {
    case 1:
        return AnswerEvent::Outcome::Wrong;
    case 2:
        return AnswerEvent::Outcome::TimeOut;
    default:
        return AnswerEvent::Outcome::Right;
    }
}

AnswerEvent::Via viaFrom(int value)
{
    switch (value) {
    case 1:
        return AnswerEvent::Via::Letter;
    case 2:
        return AnswerEvent::Via::Midi;
    case 3:
        return AnswerEvent::Via::Timer;
    case 4:
        return AnswerEvent::Via::Mic;
    default:
        return AnswerEvent::Via::Key;
    }
}

} // namespace

struct HistoryDatabase::Statements
{
    explicit Statements(const QSqlDatabase &db)
        : begin(db), commit(db), rollback(db), addPlayer(db), addAnswer(db), addLesson(db),
          findDay(db), putDay(db), findNote(db), putNote(db), addConfusion(db)
    {
    }

    // On failure, the error of the statement that could not be prepared.
    std::optional<QSqlError> prepare()
    {
        // IMMEDIATE: the sums are read and written back, so the write lock
        // is taken first; a second copy waits for it instead of failing midway.
        const std::pair<QSqlQuery *, const char *> all[] = {
            {&begin, "BEGIN IMMEDIATE"},
            {&commit, "COMMIT"},
            {&rollback, "ROLLBACK"},
            {&addPlayer, "INSERT INTO players (name) VALUES (?)"},
            {&addAnswer, "INSERT INTO answers (player, at_ms, utc_offset, lesson, clef, chromatic, asked,"
                         " answered, letter, outcome, via, ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"},
            {&addLesson, "INSERT OR IGNORE INTO lessons (player, lesson, clef) VALUES (?, ?, ?)"},
            {&findDay, "SELECT lessons, right_count, wrong_count, times FROM days"
                       " WHERE player = ? AND clef = ? AND day = ?"},
            {&putDay, "INSERT INTO days (player, clef, day, lessons, right_count, wrong_count, times)"
                      " VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (player, clef, day) DO UPDATE SET"
                      " lessons = excluded.lessons, right_count = excluded.right_count,"
                      " wrong_count = excluded.wrong_count, times = excluded.times"},
            {&findNote, "SELECT answers, wrong_count, times FROM notes WHERE player = ? AND clef = ? AND asked = ?"},
            {&putNote, "INSERT INTO notes (player, clef, asked, answers, wrong_count, times)"
                       " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (player, clef, asked) DO UPDATE SET"
                       " answers = excluded.answers, wrong_count = excluded.wrong_count, times = excluded.times"},
            {&addConfusion, "INSERT INTO confusions (player, clef, asked, answered, letter, times)"
                            " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (player, clef, asked, answered, letter)"
                            " DO UPDATE SET times = times + excluded.times"},
        };
        for (const auto &[query, sql] : all) {
            query->setForwardOnly(true);
            if (!query->prepare(QString::fromLatin1(sql)))
                return query->lastError();
        }
        return std::nullopt;
    }

    QSqlQuery begin;
    QSqlQuery commit;
    QSqlQuery rollback;
    QSqlQuery addPlayer;
    QSqlQuery addAnswer;
    QSqlQuery addLesson;
    QSqlQuery findDay;
    QSqlQuery putDay;
    QSqlQuery findNote;
    QSqlQuery putNote;
    QSqlQuery addConfusion;
};

HistoryDatabase::HistoryDatabase(QString path)
    : m_path(std::move(path))
    , m_connection(uniqueConnectionName())
{
}

HistoryDatabase::~HistoryDatabase()
{
    close();
}

bool HistoryDatabase::open()
{
    close();
    m_fault = Fault::None;
    m_error = QSqlError();
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return fail(Fault::FolderMissing);
    mendCompanions(m_path);

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!m_db.open())
        return fail(m_db.lastError());

    // NORMAL: a power cut may lose the last answers, never the file; a
    // commit then costs no wait for the disk.
    if (!run(QStringLiteral("PRAGMA busy_timeout = %1").arg(BusyTimeoutMs))
        || !run(QStringLiteral("PRAGMA journal_mode = WAL"))
        || !run(QStringLiteral("PRAGMA synchronous = NORMAL"))
        || !run(QStringLiteral("PRAGMA foreign_keys = ON")))
        return false;

    if (!migrate())
        return false;

    auto statements = std::make_unique<Statements>(m_db);
    if (const auto error = statements->prepare())
        return fail(*error);
    m_statements = std::move(statements);
    return true;
}

bool HistoryDatabase::openToRead()
{
    close();
    if (!QFileInfo::exists(m_path))
        return false;
    // Reading a file in write-ahead mode takes a shared index beside it;
    // where none can be made, the file is read as it lies, without its log.
    QUrl asItLies = QUrl::fromLocalFile(m_path);
    asItLies.setQuery(QStringLiteral("immutable=1"));
    const std::pair<QString, QString> ways[] = {
        {m_path, QStringLiteral("QSQLITE_OPEN_READONLY")},
        {QString::fromLatin1(asItLies.toEncoded()), QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI")},
    };
    for (const auto &[name, options] : ways) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        m_db.setDatabaseName(name);
        m_db.setConnectOptions(options);
        if (m_db.open() && run(QStringLiteral("SELECT count(*) FROM players")))
            return true;
        close();
    }
    return false;
}

void HistoryDatabase::close()
{
    m_statements.reset();
    m_players.clear();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool HistoryDatabase::isOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

QString HistoryDatabase::setAside()
{
    close();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".corrupt-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(m_path, aside))
        return {};
    // A log left beside a new file would be played into it.
    for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(m_path + suffix))
            QFile::rename(m_path + suffix, aside + suffix);
    }
    return aside;
}

bool HistoryDatabase::fail(Fault fault)
{
    m_fault = fault;
    return false;
}

bool HistoryDatabase::fail(const QSqlError &error)
{
    m_error = error;
    const int code = error.nativeErrorCode().toInt() & 0xff;
    if (code == SqliteCorrupt || code == SqliteNotADatabase)
        return fail(Fault::Corrupt);
    if (code == SqliteBusy || code == SqliteLocked)
        return fail(Fault::Locked);

    // SQLite tells a file it may not write in several ways (read-only, cannot
    // open its log); the folder and file say it plainly.
    const QFileInfo file(m_path);
    const bool writable = QFileInfo(file.absolutePath()).isWritable() && (!file.exists() || file.isWritable());
    if (code == SqliteReadOnly || !writable)
        return fail(Fault::ReadOnly);
    return fail(Fault::Other);
}

bool HistoryDatabase::run(QSqlQuery &query)
{
    if (query.exec())
        return true;
    const QSqlError error = query.lastError();
    query.finish();
    return fail(error);
}

bool HistoryDatabase::run(const QString &sql)
{
    QSqlQuery query(m_db);
    if (query.exec(sql))
        return true;
    return fail(query.lastError());
}

bool HistoryDatabase::rollback()
{
    // Fails harmlessly when SQLite has already rolled back.
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("ROLLBACK"));
    return false;
}

bool HistoryDatabase::migrate()
{
    if (!run(QStringLiteral("BEGIN IMMEDIATE")))
        return false;

    int version = 0;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'schema_version'"))
        || !query.next()) {
        fail(query.lastError());
        return rollback();
    }
    if (query.value(0).toInt() > 0) {
        if (!query.exec(QStringLiteral("SELECT max(version) FROM schema_version")) || !query.next()) {
            fail(query.lastError());
            return rollback();
        }
        version = query.value(0).toInt();
    }
    query.finish();

    if (version > SchemaVersion) {
        fail(Fault::Newer);
        return rollback();
    }
    for (int step = version; step < SchemaVersion; ++step) {
        for (const char *sql : Migrations[std::size_t(step)]) {
            if (!run(QString::fromLatin1(sql)))
                return rollback();
        }
    }
    if (version < SchemaVersion
        && (!run(QStringLiteral("DELETE FROM schema_version"))
            || !run(QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(SchemaVersion))))
        return rollback();
    return run(QStringLiteral("COMMIT")) || rollback();
}

bool HistoryDatabase::findPlayer(const QString &name, qint64 &id)
{
    if (const auto known = m_players.constFind(name); known != m_players.cend()) {
        id = *known;
        return true;
    }
    QSqlQuery find(m_db);
    find.setForwardOnly(true);
    find.prepare(QStringLiteral("SELECT id FROM players WHERE name = ?"));
    find.bindValue(0, name);
    if (!run(find))
        return false;
    id = find.next() ? find.value(0).toLongLong() : -1;
    if (id >= 0)
        m_players.insert(name, id);
    return true;
}

qint64 HistoryDatabase::addPlayer(const QString &name)
{
    qint64 id = -1;
    if (!findPlayer(name, id))
        return -1;
    if (id >= 0)
        return id;
    QSqlQuery &add = m_statements->addPlayer;
    add.bindValue(0, name);
    if (!run(add))
        return -1;
    return add.lastInsertId().toLongLong();
}

bool HistoryDatabase::write(std::span<const AnswerEvent> answers)
{
    if (!m_statements)
        return false;
    if (!run(m_statements->begin))
        return false;

    // A player added here is known for good only once this is committed.
    QHash<QString, qint64> players;
    std::map<qint64, AnswerTally> sums;
    QSqlQuery &addAnswer = m_statements->addAnswer;
    QSqlQuery &addLesson = m_statements->addLesson;
    for (const AnswerEvent &answer : answers) {
        qint64 player = players.value(answer.player, -1);
        if (player < 0) {
            player = addPlayer(answer.player);
            if (player < 0)
                return rollback();
            players.insert(answer.player, player);
        }

        const auto [ms, offset] = instantOf(answer.at);
        addAnswer.bindValue(0, player);
        addAnswer.bindValue(1, ms);
        addAnswer.bindValue(2, offset);
        addAnswer.bindValue(3, answer.lesson);
        addAnswer.bindValue(4, answer.clef);
        addAnswer.bindValue(5, answer.chromatic ? 1 : 0);
        addAnswer.bindValue(6, answer.asked);
        addAnswer.bindValue(7, answer.answered);
        addAnswer.bindValue(8, answer.letter.isNull() ? QVariant() : QVariant(QString(answer.letter)));
        addAnswer.bindValue(9, int(answer.outcome));
        addAnswer.bindValue(10, int(answer.via));
        addAnswer.bindValue(11, answer.ms);
        if (!run(addAnswer))
            return rollback();

        addLesson.bindValue(0, player);
        addLesson.bindValue(1, answer.lesson);
        addLesson.bindValue(2, answer.clef);
        if (!run(addLesson))
            return rollback();
        sums[player].add(answer, addLesson.numRowsAffected() == 1);
    }

    for (const auto &[player, tally] : sums) {
        if (!writeSums(player, tally))
            return rollback();
    }
    if (!run(m_statements->commit))
        return rollback();
    m_players.insert(players);
    return true;
}

bool HistoryDatabase::run(QSqlQuery &query, std::initializer_list<QVariant> values)
{
    int at = 0;
    for (const QVariant &value : values)
        query.bindValue(at++, value);
    return run(query);
}

bool HistoryDatabase::writeSums(qint64 player, const AnswerTally &tally)
{
    Statements &s = *m_statements;
    for (const auto &[key, added] : tally.days()) {
        AnswerTally::Day day = added;
        if (!run(s.findDay, {player, key.first, key.second}))
            return false;
        if (s.findDay.next()) {
            day.lessons += s.findDay.value(0).toInt();
            day.right += s.findDay.value(1).toInt();
            day.wrong += s.findDay.value(2).toInt();
            day.times.merge(TimeHistogram::fromBlob(s.findDay.value(3).toByteArray()));
        }
        s.findDay.finish();
        if (!run(s.putDay, {player, key.first, key.second, day.lessons, day.right, day.wrong, day.times.toBlob()}))
            return false;
    }

    for (const auto &[key, added] : tally.notes()) {
        AnswerTally::Note note = added;
        if (!run(s.findNote, {player, key.first, key.second}))
            return false;
        if (s.findNote.next()) {
            note.answers += s.findNote.value(0).toInt();
            note.wrong += s.findNote.value(1).toInt();
            note.times.merge(TimeHistogram::fromBlob(s.findNote.value(2).toByteArray()));
        }
        s.findNote.finish();
        if (!run(s.putNote, {player, key.first, key.second, note.answers, note.wrong, note.times.toBlob()}))
            return false;
    }

    for (const auto &[key, times] : tally.confusions()) {
        const QString letter = key.letter ? QString(QChar(key.letter)) : QString(QLatin1String(""));
        if (!run(s.addConfusion, {player, key.clef, key.asked, key.answered, letter, times}))
            return false;
    }
    return true;
}

bool HistoryDatabase::readPlayers(QStringList &into)
{
    if (!isOpen())
        return false;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT name FROM players")))
        return fail(query.lastError());
    QStringList names;
    while (query.next())
        names.append(query.value(0).toString());
    if (query.lastError().isValid())
        return fail(query.lastError());
    into += names;
    return true;
}

bool HistoryDatabase::selectRows(const QString &player, const QString &sql, std::initializer_list<QVariant> more,
                                  const std::function<bool(const QSqlQuery &)> &row)
{
    qint64 id = -1;
    if (!isOpen() || !findPlayer(player, id))
        return false;
    if (id < 0)
        return true;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(sql);
    query.bindValue(0, id);
    int at = 1;
    for (const QVariant &value : more)
        query.bindValue(at++, value);
    if (!query.exec())
        return fail(query.lastError());
    while (query.next()) {
        if (!row(query))
            return false;
    }
    if (query.lastError().isValid())
        return fail(query.lastError());
    return true;
}

bool HistoryDatabase::readDays(const QString &player, AnswerTally &into)
{
    AnswerTally read;
    const bool ok = selectRows(
        player, QStringLiteral("SELECT clef, day, lessons, right_count, wrong_count, times FROM days WHERE player = ?"),
        {}, [&read](const QSqlQuery &query) {
            AnswerTally::Day day;
            day.lessons = query.value(2).toInt();
            day.right = query.value(3).toInt();
            day.wrong = query.value(4).toInt();
            day.times = TimeHistogram::fromBlob(query.value(5).toByteArray());
            read.addDay({qint16(query.value(0).toInt()), query.value(1).toLongLong()}, day);
            return true;
        });
    if (ok)
        into.merge(read);
    return ok;
}

bool HistoryDatabase::readNotes(const QString &player, qint16 clef, AnswerTally &into)
{
    AnswerTally read;
    const bool ok = selectRows(
        player, QStringLiteral("SELECT asked, answers, wrong_count, times FROM notes WHERE player = ? AND clef = ?"),
        {clef}, [&read, clef](const QSqlQuery &query) {
            AnswerTally::Note note;
            note.answers = query.value(1).toInt();
            note.wrong = query.value(2).toInt();
            note.times = TimeHistogram::fromBlob(query.value(3).toByteArray());
            read.addNote({clef, query.value(0).toInt()}, note);
            return true;
        });
    if (ok)
        into.merge(read);
    return ok;
}

bool HistoryDatabase::readConfusions(const QString &player, AnswerTally &into)
{
    AnswerTally read;
    const bool ok = selectRows(
        player, QStringLiteral("SELECT clef, asked, answered, letter, times FROM confusions WHERE player = ?"), {},
        [&read](const QSqlQuery &query) {
            const QString letter = query.value(3).toString();
            AnswerTally::ConfusionKey key;
            key.clef = qint16(query.value(0).toInt());
            key.asked = query.value(1).toInt();
            key.answered = query.value(2).toInt();
            key.letter = letter.isEmpty() ? 0 : letter.front().unicode();
            read.addConfusion(key, query.value(4).toInt());
            return true;
        });
    if (ok)
        into.merge(read);
    return ok;
}

bool HistoryDatabase::hasLesson(const QString &player, qint64 lesson, qint16 clef)
{
    qint64 id = -1;
    if (!isOpen() || !findPlayer(player, id) || id < 0)
        return false;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT 1 FROM lessons WHERE player = ? AND lesson = ? AND clef = ?"));
    query.bindValue(0, id);
    query.bindValue(1, lesson);
    query.bindValue(2, clef);
    return run(query) && query.next();
}

bool HistoryDatabase::readRecent(const QString &player, qint16 clef, RecentAnswers &into)
{
    qint64 id = -1;
    if (!isOpen() || !findPlayer(player, id))
        return false;
    if (id < 0)
        return true;

    QSqlQuery notes(m_db);
    notes.setForwardOnly(true);
    notes.prepare(QStringLiteral("SELECT asked FROM notes WHERE player = ? AND clef = ?"));
    notes.bindValue(0, id);
    notes.bindValue(1, clef);
    if (!notes.exec())
        return fail(notes.lastError());
    std::vector<int> asked;
    while (notes.next())
        asked.push_back(notes.value(0).toInt());
    notes.finish();

    // Newest first through answers_by_note, whose last column is the id.
    QSqlQuery last(m_db);
    last.setForwardOnly(true);
    last.prepare(QStringLiteral("SELECT outcome, ms FROM answers WHERE player = ? AND clef = ? AND asked = ?"
                                " ORDER BY id DESC LIMIT %1").arg(RecentAnswers::Depth));
    RecentAnswers read;
    std::vector<std::pair<bool, qint64>> answers;
    for (int note : asked) {
        last.bindValue(0, id);
        last.bindValue(1, clef);
        last.bindValue(2, note);
        if (!last.exec())
            return fail(last.lastError());
        answers.clear();
        while (last.next())
            answers.emplace_back(outcomeFrom(last.value(0).toInt()) != AnswerEvent::Outcome::Right,
                                 last.value(1).toLongLong());
        if (last.lastError().isValid())
            return fail(last.lastError());
        for (auto it = answers.crbegin(); it != answers.crend(); ++it)
            read.add(note, it->first, it->second);
    }
    into = std::move(read);
    return true;
}

bool HistoryDatabase::forEachAnswer(const QString &player, const std::function<bool(const AnswerEvent &)> &each)
{
    // "+player": walk the table in the order stored rather than sort a
    // player's answers found through answers_by_note.
    AnswerEvent answer;
    answer.player = player;
    return selectRows(
        player,
        QStringLiteral("SELECT at_ms, utc_offset, lesson, clef, chromatic, asked, answered, letter, outcome, via, ms"
                       " FROM answers WHERE +player = ? ORDER BY id"),
        {}, [&answer, &each](const QSqlQuery &query) {
            answer.at = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::OffsetFromUTC,
                                                       query.value(1).toInt());
            answer.lesson = query.value(2).toLongLong();
            answer.clef = qint16(query.value(3).toInt());
            answer.chromatic = query.value(4).toInt() != 0;
            answer.asked = query.value(5).toInt();
            answer.answered = query.value(6).toInt();
            const QString letter = query.value(7).toString();
            answer.letter = letter.isEmpty() ? QChar() : letter.front();
            answer.outcome = outcomeFrom(query.value(8).toInt());
            answer.via = viaFrom(query.value(9).toInt());
            answer.ms = query.value(10).toLongLong();
            return each(answer);
        });
}

} // namespace staverly

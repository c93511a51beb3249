// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerhistory.h"
#include "answers.h"
#include "lockedfolder.h"
#include "ordinaryuser.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace staverly;
using Outcome = AnswerEvent::Outcome;

namespace {

AnswerEvent answerAt(const char *when, qint64 lesson, Outcome outcome = Outcome::Right)
{
    return test::answerOf(QStringLiteral("Ada"), {when, lesson, 0, 60, outcome, 1000, 60});
}

std::vector<AnswerEvent> tenAnswers()
{
    std::vector<AnswerEvent> answers;
    for (int i = 0; i < 10; ++i)
        answers.push_back(answerAt("2024-03-05T09:00:00", 1));
    return answers;
}

int answersOnDay(const AnswerHistory &history, QDate day)
{
    for (const auto &point : history.scores(QStringLiteral("Ada"), AnswerHistory::Period::Day)) {
        if (point.period == day)
            return point.right + point.wrong;
    }
    return 0;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A connection of its own to the file, as a second program would have.
class Intruder
{
public:
    explicit Intruder(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
    }
    ~Intruder()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(Name);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(Name);
    }

    void run(const QString &sql)
    {
        QSqlQuery query(QSqlDatabase::database(Name));
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
    }

    // Held until this goes: nobody else may read or write. Only while no
    // other connection has the file open.
    void lockOut()
    {
        run(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
        holdWriteLock();
    }

    // Held until this goes: nobody else may write.
    void holdWriteLock()
    {
        run(QStringLiteral("BEGIN EXCLUSIVE"));
        run(QStringLiteral("INSERT INTO players (name) VALUES ('intruder')"));
    }

    int count(const QString &table)
    {
        QSqlQuery query(QSqlDatabase::database(Name));
        query.exec(QStringLiteral("SELECT count(*) FROM ") + table);
        return query.next() ? query.value(0).toInt() : -1;
    }

private:
    static constexpr auto Name = "intruder";
};

class HistoryFaults : public ::testing::Test
{
protected:
    QString path() const { return folder.filePath(QStringLiteral("history.sqlite")); }

    void fill(const std::vector<AnswerEvent> &answers)
    {
        AnswerHistory history(path());
        ASSERT_TRUE(history.persistent());
        history.record(answers);
    }

    // The signals a new history gives once the event loop has run.
    static int toldAfterStart(QSignalSpy &spy)
    {
        QCoreApplication::processEvents();
        return int(spy.count());
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(HistoryFaults, MissingFolderIsMade)
{
    const QString deep = folder.filePath(QStringLiteral("a/b/history.sqlite"));
    {
        AnswerHistory history(deep);
        EXPECT_TRUE(history.persistent());
        EXPECT_TRUE(history.problem().isEmpty());
        history.record(tenAnswers());
    }
    AnswerHistory history(deep);
    EXPECT_EQ(answersOnDay(history, QDate(2024, 3, 5)), 10);
}

TEST_F(HistoryFaults, ReadOnlyFolderKeepsAnswersInMemoryAndTellsOnce)
{
    test::LockedFolder locked(folder.path());
    if (!locked.locked())
        GTEST_SKIP() << "this machine cannot make a folder unwritable";

    AnswerHistory history(path());
    QSignalSpy told(&history, &AnswerHistory::problemChanged);
    EXPECT_FALSE(history.persistent());
    EXPECT_TRUE(history.problem().contains(QDir::toNativeSeparators(path())));
    EXPECT_TRUE(history.problem().contains(QStringLiteral("read-only"))) << history.problem().toStdString();
    for (const AnswerEvent &answer : tenAnswers())
        history.record(answer);
    EXPECT_EQ(toldAfterStart(told), 1);
    EXPECT_EQ(told.at(0).at(0).toString(), history.problem());

    EXPECT_EQ(answersOnDay(history, QDate(2024, 3, 5)), 10);
    EXPECT_EQ(history.scores(QStringLiteral("Ada"), AnswerHistory::Period::Day).at(0).lessons, 1);
    EXPECT_EQ(history.players(), QStringList{"Ada"});
    EXPECT_EQ(history.noteStats(QStringLiteral("Ada"), 0).at(0).answers, 10);
    EXPECT_DOUBLE_EQ(history.weights(QStringLiteral("Ada"), 0).at(60), 1.0);
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    EXPECT_TRUE(history.exportCsv(QStringLiteral("Ada"), csv));
    EXPECT_EQ(csv.data().count("\r\n"), 11);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(HistoryFaults, ReadOnlyFolderStillShowsWhatWasStored)
{
    fill(tenAnswers());
    const QByteArray stored = readAll(path());
    {
        test::LockedFolder locked(folder.path());
        if (!locked.locked())
            GTEST_SKIP() << "this machine cannot make a folder unwritable";

        AnswerHistory history(path());
        EXPECT_FALSE(history.persistent());
        EXPECT_TRUE(history.problem().contains(QStringLiteral("read-only"))) << history.problem().toStdString();
        history.record(answerAt("2024-03-05T09:10:00", 1, Outcome::Wrong));
        history.record(answerAt("2024-03-06T09:00:00", 2));

        const auto days = history.scores(QStringLiteral("Ada"), AnswerHistory::Period::Day);
        ASSERT_EQ(days.size(), 2u);
        EXPECT_EQ(days[0].right, 10);
        EXPECT_EQ(days[0].wrong, 1);
        EXPECT_EQ(days[0].lessons, 1);
        EXPECT_EQ(days[1].lessons, 1);
        EXPECT_EQ(history.noteStats(QStringLiteral("Ada"), 0).at(0).answers, 12);
        EXPECT_NEAR(history.weights(QStringLiteral("Ada"), 0).at(60), 1 + 3 * 0.7 / 12, 1e-12);
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        EXPECT_TRUE(history.exportCsv(QStringLiteral("Ada"), csv));
        EXPECT_EQ(csv.data().count("\r\n"), 13);
    }
    EXPECT_EQ(readAll(path()), stored);
}

TEST_F(HistoryFaults, DamagedFilesAreSetAsideAndANewOneStarted)
{
    std::vector<AnswerEvent> many;
    for (int i = 0; i < 3000; ++i)
        many.push_back(answerAt("2024-03-05T09:00:00", i / 20));
    fill(many);
    const QByteArray whole = readAll(path());
    ASSERT_GT(whole.size(), 40000);

    QByteArray junk(5000, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(junk.data()), junk.size() / 4);
    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"junk", junk},
        {"cut in half", whole.left(whole.size() / 2)},
        {"cut by a page", whole.left(whole.size() - 4096)},
        {"cut within its first page", whole.left(1000)},
        {"header only", whole.left(100)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString &name : QDir(folder.path()).entryList(QDir::Files))
            QFile::remove(folder.filePath(name));
        writeFile(path(), c.bytes);
        {
            AnswerHistory history(path());
            QSignalSpy told(&history, &AnswerHistory::problemChanged);
            EXPECT_TRUE(history.persistent());
            EXPECT_TRUE(history.problem().contains(QStringLiteral("damaged"))) << history.problem().toStdString();
            EXPECT_TRUE(history.scores(QStringLiteral("Ada"), AnswerHistory::Period::Day).empty());
            history.record(tenAnswers());
            EXPECT_EQ(toldAfterStart(told), 1);
        }
        const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("history.sqlite.corrupt-*")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^history\\.sqlite\\.corrupt-\\d{8}-\\d{6}$"))
                        .match(aside[0]).hasMatch()) << aside[0].toStdString();
        EXPECT_EQ(readAll(folder.filePath(aside[0])), c.bytes);

        AnswerHistory history(path());
        EXPECT_TRUE(history.problem().isEmpty());
        EXPECT_EQ(answersOnDay(history, QDate(2024, 3, 5)), 10);
    }
}

// A lock held by another program (a backup, say) holds no answer for long
// and loses none: they wait in memory and are written once it is gone.
TEST_F(HistoryFaults, FileLockedByAnotherProgramAtStart)
{
    fill(tenAnswers());
    auto intruder = std::make_unique<Intruder>(path());
    intruder->lockOut();

    AnswerHistory history(path());
    QSignalSpy told(&history, &AnswerHistory::problemChanged);
    EXPECT_FALSE(history.persistent());
    EXPECT_TRUE(history.problem().contains(QStringLiteral("locked"))) << history.problem().toStdString();
    EXPECT_TRUE(history.problem().contains(QDir::toNativeSeparators(path())));
    EXPECT_EQ(history.problemTitle(), QStringLiteral("Answers waiting"));
    history.record(answerAt("2024-03-05T09:10:00", 2));
    history.record(answerAt("2024-03-05T09:10:05", 2));
    EXPECT_EQ(toldAfterStart(told), 1);
    EXPECT_EQ(answersOnDay(history, QDate(2024, 3, 5)), 2);

    intruder.reset();
    EXPECT_TRUE(told.wait(3 * AnswerHistory::RetryMs));
    EXPECT_EQ(told.last().at(0).toString(), QString());
    EXPECT_TRUE(history.persistent());
    EXPECT_EQ(answersOnDay(history, QDate(2024, 3, 5)), 12);
    AnswerHistory again(path());
    EXPECT_EQ(answersOnDay(again, QDate(2024, 3, 5)), 12);
    EXPECT_EQ(again.scores(QStringLiteral("Ada"), AnswerHistory::Period::Day).at(0).lessons, 2);
}

TEST_F(HistoryFaults, FileLockedByAnotherProgramWhileRunning)
{
    AnswerHistory history(path());
    QSignalSpy told(&history, &AnswerHistory::problemChanged);
    history.record(answerAt("2024-03-05T09:00:00", 1));
    auto intruder = std::make_unique<Intruder>(path());
    intruder->holdWriteLock();
    QElapsedTimer held;
    held.start();
    history.record(answerAt("2024-03-05T09:00:05", 1));
    // Far below the old five seconds, with room for a busy machine.
    EXPECT_LT(held.elapsed(), 1000);
    EXPECT_FALSE(history.persistent());
    EXPECT_EQ(told.count(), 1);
    history.record(answerAt("2024-03-05T09:00:09", 1));
    EXPECT_EQ(told.count(), 1);
    EXPECT_TRUE(history.problem().contains(QStringLiteral("locked")));
    // What could not be stored is still shown, as one lesson.
    const auto days = history.scores(QStringLiteral("Ada"), AnswerHistory::Period::Day);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].right, 2);
    EXPECT_EQ(days[0].lessons, 1);

    intruder.reset();
    EXPECT_TRUE(told.wait(3 * AnswerHistory::RetryMs));
    EXPECT_TRUE(history.problem().isEmpty());
    AnswerHistory again(path());
    const auto kept = again.scores(QStringLiteral("Ada"), AnswerHistory::Period::Day);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].right, 3);
    EXPECT_EQ(kept[0].lessons, 1);
}

// After a run on a read-only file SQLite leaves its index read-only too; once
// the file may be written again, so may the history. Root is never stopped
// by a file's mode, so the test then acts as an ordinary user.
TEST_F(HistoryFaults, AFileWritableAgainIsWrittenAgain)
{
    test::OrdinaryUser user(folder.path());
    fill(tenAnswers());
    QFile::setPermissions(path(), QFile::ReadOwner);
    {
        AnswerHistory history(path());
        history.record(answerAt("2024-03-05T09:10:00", 2));
        EXPECT_FALSE(history.persistent());
        ASSERT_TRUE(QFile::exists(path() + "-shm"));
    }
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    AnswerHistory history(path());
    EXPECT_TRUE(history.persistent()) << history.problem().toStdString();
    history.record(answerAt("2024-03-05T09:10:00", 2));
    EXPECT_TRUE(history.persistent()) << history.problem().toStdString();
    EXPECT_EQ(answersOnDay(history, QDate(2024, 3, 5)), 11);
}

// A file made writable again while the program runs (a teacher mends its
// permissions) takes the answers that waited, without a restart.
TEST_F(HistoryFaults, AFileWritableAgainWhileRunningTakesWhatWaited)
{
    test::OrdinaryUser user(folder.path());
    fill(tenAnswers());
    QFile::setPermissions(path(), QFile::ReadOwner);
    AnswerHistory history(path());
    QSignalSpy told(&history, &AnswerHistory::problemChanged);
    history.record(answerAt("2024-03-05T09:10:00", 2));
    ASSERT_FALSE(history.persistent());
    EXPECT_EQ(history.problemTitle(), QStringLiteral("Answers waiting"));
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(told.wait(3 * AnswerHistory::RetryMs));
    EXPECT_TRUE(history.persistent()) << history.problem().toStdString();
    AnswerHistory again(path());
    EXPECT_EQ(answersOnDay(again, QDate(2024, 3, 5)), 11);
}

TEST_F(HistoryFaults, FileOfANewerVersionIsLeftAlone)
{
    fill(tenAnswers());
    {
        Intruder intruder(path());
        intruder.run(QStringLiteral("UPDATE schema_version SET version = 2"));
    }
    {
        AnswerHistory history(path());
        EXPECT_FALSE(history.persistent());
        EXPECT_TRUE(history.problem().contains(QStringLiteral("newer"))) << history.problem().toStdString();
        history.record(tenAnswers());
        EXPECT_EQ(answersOnDay(history, QDate(2024, 3, 5)), 10);
    }
    Intruder intruder(path());
    EXPECT_EQ(intruder.count(QStringLiteral("answers")), 10);
    EXPECT_EQ(intruder.count(QStringLiteral("schema_version WHERE version = 2")), 1);
}

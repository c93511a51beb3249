// SPDX-License-Identifier: GPL-3.0-or-later
#include "answercsv.h"
#include "answerhistory.h"
#include "answers.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

using namespace staverly;
using test::AnswerRow;
using Outcome = AnswerEvent::Outcome;

namespace {

constexpr auto Right = Outcome::Right;
constexpr auto Wrong = Outcome::Wrong;
constexpr auto TimeOut = Outcome::TimeOut;

// Two weeks of a pupil: Tuesday 5 March (treble lessons 1 and 2, bass
// lesson 3), Sunday 10 March (lesson 4) and Monday 11 March (lesson 5).
std::vector<AnswerEvent> knownHistory(const QString &player)
{
    return test::answersOf(player, {
        {"2024-03-05T09:00:00", 1, 0, 60, Right, 1000, 60},
        {"2024-03-05T09:00:05", 1, 0, 60, Wrong, 2000, 62},
        {"2024-03-05T09:00:09", 1, 0, 64, Right, 1500, 64},
        {"2024-03-05T09:00:15", 1, 0, 64, TimeOut, 4000},
        {"2024-03-05T10:00:00", 2, 0, 60, Right, 800, 60},
        {"2024-03-05T10:30:00", 3, 1, 43, Wrong, 3000, -1, 'A'},
        {"2024-03-05T10:30:04", 3, 1, 43, Right, 1200, 43},
        {"2024-03-10T18:00:00", 4, 0, 60, Wrong, 2500, 62},
        {"2024-03-10T18:00:03", 4, 0, 64, Right, 1237, 64},
        {"2024-03-11T08:00:00", 5, 0, 60, Right, 900, 60},
    });
}

struct Score
{
    QDate period;
    int clef, lessons, right, wrong;
    double score, medianMs;
};

void expectScores(const std::vector<AnswerHistory::ScorePoint> &points, const std::vector<Score> &expected)
{
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(points[i].period, expected[i].period);
        EXPECT_EQ(points[i].clef, expected[i].clef);
        EXPECT_EQ(points[i].lessons, expected[i].lessons);
        EXPECT_EQ(points[i].right, expected[i].right);
        EXPECT_EQ(points[i].wrong, expected[i].wrong);
        EXPECT_NEAR(points[i].score, expected[i].score, 1e-9);
        EXPECT_EQ(points[i].medianMs, expected[i].medianMs);
    }
}

// Everything the Progress window shows of the known history.
void expectKnownHistory(const AnswerHistory &history, const QString &player)
{
    {
        SCOPED_TRACE("days");
        expectScores(history.scores(player, AnswerHistory::Period::Day), {
            {QDate(2024, 3, 5), 0, 2, 3, 2, 60, 1500},
            {QDate(2024, 3, 5), 1, 1, 1, 1, 50, 2100},
            {QDate(2024, 3, 10), 0, 1, 1, 1, 50, 1865}, // 1237 ms counts as 1230
            {QDate(2024, 3, 11), 0, 1, 1, 0, 100, 900},
        });
    }
    {
        SCOPED_TRACE("weeks");
        expectScores(history.scores(player, AnswerHistory::Period::Week), {
            {QDate(2024, 3, 4), 0, 3, 4, 3, 400.0 / 7, 1500},
            {QDate(2024, 3, 4), 1, 1, 1, 1, 50, 2100},
            {QDate(2024, 3, 11), 0, 1, 1, 0, 100, 900},
        });
    }

    const auto treble = history.noteStats(player, 0);
    ASSERT_EQ(treble.size(), 2u);
    EXPECT_EQ(treble[0].note, 60);
    EXPECT_EQ(treble[0].answers, 5);
    EXPECT_EQ(treble[0].wrong, 2);
    EXPECT_DOUBLE_EQ(treble[0].errorRate, 0.4);
    EXPECT_EQ(treble[0].medianMs, 1000);
    EXPECT_EQ(treble[1].note, 64);
    EXPECT_EQ(treble[1].answers, 3);
    EXPECT_EQ(treble[1].wrong, 1); // the time-out
    EXPECT_EQ(treble[1].medianMs, 1500);
    const auto bass = history.noteStats(player, 1);
    ASSERT_EQ(bass.size(), 1u);
    EXPECT_EQ(bass[0].note, 43);
    EXPECT_EQ(bass[0].clef, 1);
    EXPECT_DOUBLE_EQ(bass[0].errorRate, 0.5);
    EXPECT_EQ(bass[0].medianMs, 2100);

    const auto confusions = history.confusions(player);
    ASSERT_EQ(confusions.size(), 2u);
    EXPECT_EQ(confusions[0].asked, 60);
    EXPECT_EQ(confusions[0].answered, 62);
    EXPECT_TRUE(confusions[0].letter.isNull());
    EXPECT_EQ(confusions[0].clef, 0);
    EXPECT_EQ(confusions[0].times, 2);
    EXPECT_EQ(confusions[1].asked, 43);
    EXPECT_EQ(confusions[1].answered, -1);
    EXPECT_EQ(confusions[1].letter, QChar('A'));
    EXPECT_EQ(confusions[1].clef, 1);
    EXPECT_EQ(confusions[1].times, 1);
    EXPECT_EQ(history.confusions(player, 1).size(), 1u);

    // Treble: C4 wrong 2 of 5 at 1000 ms; E4 wrong 1 of 3 at 1500 ms, against
    // 1368.5 ms for all eight treble answers.
    const auto trebleWeights = history.weights(player, 0);
    ASSERT_EQ(trebleWeights.size(), 2u);
    EXPECT_NEAR(trebleWeights.at(60), 1.84, 1e-12);
    EXPECT_NEAR(trebleWeights.at(64), 1.7864815491413957, 1e-12);
    const auto bassWeights = history.weights(player, 1);
    ASSERT_EQ(bassWeights.size(), 1u);
    EXPECT_NEAR(bassWeights.at(43), 2.05, 1e-12);
}

QByteArray csvOf(const AnswerHistory &history, const QString &player)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(history.exportCsv(player, buffer));
    return buffer.data();
}

class History : public ::testing::Test
{
protected:
    QString path() const { return folder.filePath(QStringLiteral("history.sqlite")); }

    QTemporaryDir folder;
};

} // namespace

TEST_F(History, KnownHistoryAddsUp)
{
    AnswerHistory history(path());
    ASSERT_TRUE(history.persistent()) << history.problem().toStdString();
    for (const AnswerEvent &answer : knownHistory(QStringLiteral("Ada")))
        history.record(answer);
    history.record(knownHistory(QStringLiteral("Ben")));

    EXPECT_TRUE(history.problem().isEmpty());
    EXPECT_EQ(history.players(), (QStringList{"Ada", "Ben"}));
    for (const char *player : {"Ada", "Ben"}) {
        SCOPED_TRACE(player);
        expectKnownHistory(history, QString::fromLatin1(player));
    }
    EXPECT_TRUE(history.scores(QStringLiteral("Cleo"), AnswerHistory::Period::Day).empty());
    EXPECT_TRUE(history.weights(QStringLiteral("Cleo"), 0).empty());
}

TEST_F(History, ReopenedKeepsEverything)
{
    QByteArray csv;
    {
        AnswerHistory history(path());
        history.record(knownHistory(QStringLiteral("Ada")));
        csv = csvOf(history, QStringLiteral("Ada"));
    }
    AnswerHistory history(path());
    ASSERT_TRUE(history.persistent());
    expectKnownHistory(history, QStringLiteral("Ada"));
    EXPECT_EQ(csvOf(history, QStringLiteral("Ada")), csv);
    EXPECT_EQ(csv.count("\r\n"), 11);

    // A lesson going on after the reopening is still the same lesson.
    history.record(test::answerOf(QStringLiteral("Ada"), {"2024-03-11T08:00:09", 5, 0, 60, Right, 700, 60}));
    const auto days = history.scores(QStringLiteral("Ada"), AnswerHistory::Period::Day);
    EXPECT_EQ(days.back().lessons, 1);
    EXPECT_EQ(days.back().right, 2);
}

TEST_F(History, FileHasItsVersionAndWriteAheadLog)
{
    {
        AnswerHistory history(path());
        history.record(knownHistory(QStringLiteral("Ada")));
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
        db.setDatabaseName(path());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("SELECT version FROM schema_version")));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toInt(), 1);
        EXPECT_FALSE(query.next());
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA journal_mode")));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), "wal");
        ASSERT_TRUE(query.exec(QStringLiteral("SELECT count(*) FROM answers")));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toInt(), 10);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
}

TEST_F(History, NamesAreData)
{
    const QStringList names{
        QStringLiteral("O'Brien \"Bob\""), QStringLiteral("100% <b>sure</b>"), QStringLiteral("Smith, Jr."),
        QStringLiteral("Zoë 李"), QStringLiteral("Robert'); DROP TABLE players;--"),
        QStringLiteral("two\r\nlines"), QStringLiteral("%1 _ %"),
    };
    {
        AnswerHistory history(path());
        for (const QString &name : names)
            history.record(test::answerOf(name, {"2024-03-05T09:00:00", 1, 0, 60, Right, 1000, 60}));
    }
    AnswerHistory history(path());
    QStringList sorted = names;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(history.players(), sorted);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_EQ(history.scores(name, AnswerHistory::Period::Day).size(), 1u);
        ASSERT_EQ(history.noteStats(name, 0).size(), 1u);
        const QByteArray csv = csvOf(history, name);
        const QByteArray line = csv.mid(csv.indexOf("\r\n") + 2);
        QByteArray quoted = name.toUtf8();
        if (quoted.contains(',') || quoted.contains('"') || quoted.contains('\r'))
            quoted = '"' + quoted.replace("\"", "\"\"") + '"';
        EXPECT_TRUE(line.startsWith("2024-03-05T09:00:00.000"));
        EXPECT_TRUE(line.contains(',' + quoted + ",1,Treble,")) << line.toStdString();
    }
}

TEST_F(History, CsvLinesAsWritten)
{
    AnswerHistory history(path());
    const QString player = QStringLiteral("Smith, \"Jr\"");
    auto answers = test::answersOf(player, {
        {"2024-03-05T09:30:00", 7, 0, 66, Wrong, 1234, 67},
        {"2024-03-05T09:30:02", 7, 1, 36, Wrong, 800, -1, 'E'},
        {"2024-03-05T09:30:07", 8, 0, 95, TimeOut, 5000},
        {"2024-03-05T09:30:09", 8, 1, 24, Right, 40, 24},
    });
    answers[0].at = QDateTime(QDate(2024, 3, 5), QTime(9, 30, 0, 250), Qt::OffsetFromUTC, 3600);
    answers[0].chromatic = true;
    answers[3].at = QDateTime(QDate(2024, 3, 5), QTime(9, 30, 9), Qt::OffsetFromUTC, -5 * 3600 - 1800);
    answers[3].via = AnswerEvent::Via::Midi;
    history.record(answers);

    const QList<QByteArray> lines = csvOf(history, player).split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "time,player,lesson,clef,chromatic,asked,asked_midi,answered,outcome,via,ms\r");
    EXPECT_EQ(lines[1], "2024-03-05T09:30:00.250+01:00,\"Smith, \"\"Jr\"\"\",7,Treble,1,F#4,66,G4,wrong,key,1234\r");
    EXPECT_TRUE(lines[2].endsWith(",\"Smith, \"\"Jr\"\"\",7,Bass,0,C2,36,E,wrong,letter,800\r"));
    EXPECT_TRUE(lines[3].endsWith(",8,Treble,0,B6,95,,time-out,timer,5000\r"));
    EXPECT_EQ(lines[4], "2024-03-05T09:30:09.000-05:30,\"Smith, \"\"Jr\"\"\",8,Bass,0,C1,24,C1,right,midi,40\r");
    EXPECT_EQ(lines[5], "");

    // A name a spreadsheet would run as a formula is written as text.
    const std::pair<const char *, const char *> names[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""}, {"+1+1", "'+1+1"},
        {"-2+3", "'-2+3"}, {"@SUM(A1:A2)", "'@SUM(A1:A2)"}, {"\tTab", "'\tTab"}, {"Ann-Marie", "Ann-Marie"},
    };
    for (const auto &[name, cell] : names)
        EXPECT_EQ(AnswerCsv::field(QString::fromUtf8(name)), cell) << name;
}

TEST_F(History, TwoCopiesInterleavedLoseNothing)
{
    AnswerHistory first(path());
    AnswerHistory second(path());
    ASSERT_TRUE(first.persistent());
    ASSERT_TRUE(second.persistent());
    for (int i = 0; i < 100; ++i) {
        first.record(test::answerOf(QStringLiteral("Ada"), {"2024-03-05T09:00:00", 1, 0, 60, Right, 1000, 60}));
        second.record(test::answerOf(QStringLiteral("Ada"), {"2024-03-05T09:00:00", 2, 0, 60, Wrong, 2000, 61}));
    }
    for (const AnswerHistory *history : {&first, &second}) {
        const auto days = history->scores(QStringLiteral("Ada"), AnswerHistory::Period::Day);
        ASSERT_EQ(days.size(), 1u);
        EXPECT_EQ(days[0].lessons, 2);
        EXPECT_EQ(days[0].right, 100);
        EXPECT_EQ(days[0].wrong, 100);
        EXPECT_EQ(history->confusions(QStringLiteral("Ada")).at(0).times, 100);
    }
}

TEST_F(History, TwoCopiesAtOnceLoseNothing)
{
    constexpr int Each = 300;
    const auto pupil = [this](qint64 lesson, bool *ok) {
        AnswerHistory history(path());
        for (int i = 0; i < Each; ++i) {
            history.record(test::answerOf(QStringLiteral("Ada"),
                                          {"2024-03-05T09:00:00", lesson, 0, 60 + i % 12, Right, 1000 + i, 60 + i % 12}));
        }
        *ok = history.persistent() && history.problem().isEmpty();
    };
    // Made once first, so neither copy meets a file half made.
    AnswerHistory { path() };
    bool firstOk = false;
    bool secondOk = false;
    std::thread first(pupil, 1, &firstOk);
    std::thread second(pupil, 2, &secondOk);
    first.join();
    second.join();
    EXPECT_TRUE(firstOk);
    EXPECT_TRUE(secondOk);

    AnswerHistory history(path());
    const auto days = history.scores(QStringLiteral("Ada"), AnswerHistory::Period::Day);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].lessons, 2);
    EXPECT_EQ(days[0].right, 2 * Each);
    int answers = 0;
    for (const auto &note : history.noteStats(QStringLiteral("Ada"), 0))
        answers += note.answers;
    EXPECT_EQ(answers, 2 * Each);
    EXPECT_EQ(csvOf(history, QStringLiteral("Ada")).count("\r\n"), 2 * Each + 1);
}

TEST_F(History, WeightsFollowEachAnswer)
{
    {
        AnswerHistory history(path());
        for (int i = 0; i < 200; ++i)
            history.record(test::answerOf(QStringLiteral("Ada"), {"2024-03-05T09:00:00", 1, 0, 60, Wrong, 1000, 62}));
        for (int i = 0; i < 200; ++i)
            history.record(test::answerOf(QStringLiteral("Ada"), {"2024-03-05T09:01:00", 1, 0, 60, Right, 1000, 60}));
        EXPECT_DOUBLE_EQ(history.weights(QStringLiteral("Ada"), 0).at(60), 1.0);
        history.record(test::answerOf(QStringLiteral("Ada"), {"2024-03-05T09:02:00", 1, 0, 60, Wrong, 1000, 62}));
        EXPECT_NEAR(history.weights(QStringLiteral("Ada"), 0).at(60), 1.0105, 1e-12);
        // A time-out counts against the note as a wrong answer does.
        history.record(test::answerOf(QStringLiteral("Ada"), {"2024-03-05T09:03:00", 1, 0, 60, TimeOut, 1000}));
        EXPECT_NEAR(history.weights(QStringLiteral("Ada"), 0).at(60), 1.021, 1e-12);
    }
    AnswerHistory history(path());
    EXPECT_NEAR(history.weights(QStringLiteral("Ada"), 0).at(60), 1.021, 1e-12);
    EXPECT_TRUE(history.weights(QStringLiteral("Ada"), 1).empty());
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The answer history of a pupil with a million stored answers: filling it,
// recording one more answer, the queries the Progress window runs, and the
// note weights drawn before each question.
#include "answerhistory.h"
#include "peakmemory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <random>

using namespace staverly;

namespace {

constexpr int Answers = 1'000'000;
constexpr int PerDay = 1000; // fifty lessons of twenty answers
constexpr int PerLesson = 20;
const QString Pupil = QStringLiteral("Ada");

// Three years of a keen pupil: lessons alternate clefs; one answer in ten is
// wrong, one in twenty times out; times spread around 1.5 s.
std::vector<AnswerEvent> pupilsYears()
{
    std::mt19937 random(12);
    std::lognormal_distribution<double> seconds(std::log(1.5), 0.5);
    std::uniform_int_distribution<int> dice(0, 99);
    const QDateTime start(QDate(2021, 1, 4), QTime(8, 0));

    std::vector<AnswerEvent> answers;
    answers.reserve(Answers);
    for (int i = 0; i < Answers; ++i) {
        AnswerEvent answer;
        answer.player = Pupil;
        answer.lesson = i / PerLesson + 1;
        answer.clef = qint16(answer.lesson % 2);
        answer.at = start.addDays(i / PerDay).addSecs((i % PerDay) * 3);
        answer.chromatic = answer.lesson % 7 == 0;
        std::uniform_int_distribution<int> note(answer.clef == 0 ? 57 : 36, answer.clef == 0 ? 84 : 64);
        answer.asked = note(random);
        answer.ms = qint64(std::clamp(seconds(random), 0.2, 9.0) * 1000);
        const int roll = dice(random);
        if (roll < 5) {
            answer.outcome = AnswerEvent::Outcome::TimeOut;
            answer.via = AnswerEvent::Via::Timer;
            answer.ms = 5000;
        } else if (roll < 15) {
            answer.outcome = AnswerEvent::Outcome::Wrong;
            if (roll % 3 == 0) {
                answer.via = AnswerEvent::Via::Letter;
                answer.letter = QChar('A' + roll % 7);
            } else {
                answer.answered = answer.asked + (roll % 2 ? 1 : -2);
            }
        } else {
            answer.answered = answer.asked;
            answer.via = roll % 4 == 0 ? AnswerEvent::Via::Midi : AnswerEvent::Via::Key;
        }
        answers.push_back(std::move(answer));
    }
    return answers;
}

// One file for every benchmark of a run, filled at the first that needs it.
struct Filled
{
    QTemporaryDir folder;
    QString path;
    double fillSeconds = 0;
    double fileMB = 0;
};

const Filled &filled()
{
    static const std::unique_ptr<Filled> file = [] {
        auto made = std::make_unique<Filled>();
        made->path = made->folder.filePath(QStringLiteral("history.sqlite"));
        const std::vector<AnswerEvent> answers = pupilsYears();
        QElapsedTimer clock;
        clock.start();
        {
            AnswerHistory history(made->path);
            history.record(answers);
        }
        made->fillSeconds = clock.nsecsElapsed() / 1e9;
        made->fileMB = QFileInfo(made->path).size() / 1e6;
        return made;
    }();
    return *file;
}

AnswerEvent oneMore(int i)
{
    AnswerEvent answer;
    answer.player = Pupil;
    answer.at = QDateTime(QDate(2023, 9, 30), QTime(20, 0)).addSecs(i);
    answer.lesson = Answers / PerLesson + 1 + i / PerLesson;
    answer.clef = qint16(i / PerLesson % 2);
    answer.asked = 60 + i % 12;
    answer.answered = answer.asked;
    answer.ms = 900 + i % 700;
    return answer;
}

double medianOf(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + qsizetype(values.size() / 2), values.end());
    return values[values.size() / 2];
}

void FillMillionAnswers(benchmark::State &state)
{
    const Filled &file = filled();
    for (auto _ : state)
        state.SetIterationTime(file.fillSeconds);
    state.counters["file_MB"] = file.fileMB;
}
BENCHMARK(FillMillionAnswers)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// What record() adds to judging an answer: one transaction with the answer
// and the sums of its day and note.
void RecordOneAnswer(benchmark::State &state)
{
    AnswerHistory history(filled().path);
    std::vector<double> times;
    int i = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        history.record(oneMore(i++));
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    if (!history.persistent())
        state.SkipWithError("answers went to memory");
    state.counters["median_ms"] = medianOf(times);
    std::sort(times.begin(), times.end());
    state.counters["p99_ms"] = times[times.size() * 99 / 100];
}
BENCHMARK(RecordOneAnswer)->Unit(benchmark::kMicrosecond)->Iterations(3000);

// The window's wait while another program (a backup, say) holds the file:
// opening it and recording answers, on the small file of a new pupil so
// that the lock, not the file's size, is what is timed.
void UnderALock(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    AnswerHistory(path).record(oneMore(0));
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(path);
        holder.open();
        QSqlQuery(holder).exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
        QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        QSqlQuery(holder).exec(QStringLiteral("INSERT INTO players (name) VALUES ('backup')"));
        std::vector<double> opens;
        std::vector<double> records;
        int i = 1;
        for (auto _ : state) {
            QElapsedTimer clock;
            clock.start();
            AnswerHistory history(path);
            opens.push_back(clock.nsecsElapsed() / 1e6);
            for (int n = 0; n < 5; ++n) {
                clock.restart();
                history.record(oneMore(i++));
                records.push_back(clock.nsecsElapsed() / 1e6);
            }
        }
        state.counters["open_max_ms"] = *std::max_element(opens.begin(), opens.end());
        state.counters["record_max_ms"] = *std::max_element(records.begin(), records.end());
        holder.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
}
BENCHMARK(UnderALock)->Unit(benchmark::kMillisecond)->Iterations(10);

enum Query { Players, ScoresByDay, ScoresByWeek, NoteStats, Confusions, Everything };

void runQuery(const AnswerHistory &history, int query)
{
    if (query == Players || query == Everything)
        benchmark::DoNotOptimize(history.players());
    if (query == ScoresByDay || query == Everything)
        benchmark::DoNotOptimize(history.scores(Pupil, AnswerHistory::Period::Day));
    if (query == ScoresByWeek || query == Everything)
        benchmark::DoNotOptimize(history.scores(Pupil, AnswerHistory::Period::Week));
    if (query == NoteStats || query == Everything) {
        benchmark::DoNotOptimize(history.noteStats(Pupil, 0));
        benchmark::DoNotOptimize(history.noteStats(Pupil, 1));
    }
    if (query == Confusions || query == Everything)
        benchmark::DoNotOptimize(history.confusions(Pupil));
}

// Arguments: the query, and 1 to open the file first as a new window would.
void ProgressWindowQueries(benchmark::State &state)
{
    const QString path = filled().path;
    const int query = int(state.range(0));
    const bool open = state.range(1) != 0;
    auto kept = std::make_unique<AnswerHistory>(path);
    bench::PeakMemory memory;
    memory.start();
    for (auto _ : state) {
        if (open) {
            AnswerHistory history(path);
            runQuery(history, query);
        } else {
            runQuery(*kept, query);
        }
    }
    state.counters["peak_MB"] = memory.aboveStartMB();
}
BENCHMARK(ProgressWindowQueries)
    ->ArgNames({"query", "open"})
    ->Args({Players, 0})
    ->Args({ScoresByDay, 0})
    ->Args({ScoresByWeek, 0})
    ->Args({NoteStats, 0})
    ->Args({Confusions, 0})
    ->Args({Everything, 0})
    ->Args({Everything, 1})
    ->Unit(benchmark::kMillisecond);

// Before each question, after an answer was recorded.
void WeightsAfterAnAnswer(benchmark::State &state)
{
    AnswerHistory history(filled().path);
    benchmark::DoNotOptimize(history.weights(Pupil, 0));
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        AnswerEvent answer = oneMore(i++);
        answer.clef = 0;
        history.record(answer);
        state.ResumeTiming();
        benchmark::DoNotOptimize(history.weights(Pupil, 0));
    }
}
BENCHMARK(WeightsAfterAnAnswer)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// The first question of a run, when the last answers of each note are read.
void WeightsFirstOfARun(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto history = std::make_unique<AnswerHistory>(filled().path);
        state.ResumeTiming();
        benchmark::DoNotOptimize(history->weights(Pupil, 0));
        state.PauseTiming();
        history.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(WeightsFirstOfARun)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

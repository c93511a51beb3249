// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerhistory.h"

#include "answercsv.h"
#include "answertally.h"
#include "historydatabase.h"
#include "recentanswers.h"

#include <QDir>
#include <QIODevice>
#include <QStandardPaths>
#include <algorithm>
#include <set>
#include <tuple>

namespace staverly {

namespace {

using LessonKey = std::tuple<QString, qint64, qint16>;

LessonKey lessonOf(const AnswerEvent &answer)
{
    return {answer.player, answer.lesson, answer.clef};
}

} // namespace

struct AnswerHistory::Store
{
    explicit Store(const QString &path)
        : db(path)
    {
    }

    HistoryDatabase db;
    bool persistent = false;
    // Whether queries may still read the file.
    bool readable = false;
    QString problem;
    QString title;
    QString told;

    // Answers the file did not take, and their sums.
    std::vector<AnswerEvent> memory;
    std::map<QString, AnswerTally> memorySums;
    std::set<LessonKey> memoryLessons;

    std::map<std::pair<QString, qint16>, RecentAnswers> recent;

    QString file() const { return QDir::toNativeSeparators(db.path()); }

    QString keptOnly(const QString &what) const
    {
        return AnswerHistory::tr("%1, so answers are kept only until Staverly closes.").arg(what);
    }

    QString keptUntil(const QString &what) const
    {
        return AnswerHistory::tr("%1. Answers are kept meanwhile and written to it once it can be written "
                                 "again; until then they last only until Staverly closes.")
            .arg(what);
    }

    // A lock or a read-only file may pass while the program runs.
    bool passing() const
    {
        return db.fault() == HistoryDatabase::Fault::Locked || db.fault() == HistoryDatabase::Fault::ReadOnly;
    }

    QString faultSentence() const
    {
        switch (db.fault()) {
        case HistoryDatabase::Fault::FolderMissing:
            return keptOnly(AnswerHistory::tr("The folder of the answer history %1 cannot be made").arg(file()));
        case HistoryDatabase::Fault::ReadOnly:
            return keptUntil(AnswerHistory::tr("The answer history %1 is read-only").arg(file()));
        case HistoryDatabase::Fault::Locked:
            return keptUntil(AnswerHistory::tr("The answer history %1 is locked by another program").arg(file()));
        case HistoryDatabase::Fault::Corrupt:
            return keptOnly(AnswerHistory::tr("The answer history %1 is damaged and cannot be moved aside").arg(file()));
        case HistoryDatabase::Fault::Newer:
            return keptOnly(AnswerHistory::tr("The answer history %1 was written by a newer Staverly").arg(file()));
        case HistoryDatabase::Fault::None:
        case HistoryDatabase::Fault::Other:
            break;
        }
        return keptOnly(AnswerHistory::tr("The answer history %1 cannot be used (%2)").arg(file(), db.faultDetail()));
    }

    // Moves a damaged file aside and starts a new one; false when either fails.
    bool startAfresh()
    {
        const QString aside = db.setAside();
        if (aside.isEmpty() || !db.open())
            return false;
        problem = AnswerHistory::tr("The answer history %1 was damaged; it was moved to %2 and a new one started.")
                      .arg(file(), QDir::toNativeSeparators(aside));
        title = AnswerHistory::tr("History started anew");
        return true;
    }

    void open()
    {
        persistent = db.open() || (db.fault() == HistoryDatabase::Fault::Corrupt && startAfresh());
        readable = persistent;
        if (!persistent)
            fallBack();
    }

    void fallBack()
    {
        persistent = false;
        problem = faultSentence();
        title = passing() ? AnswerHistory::tr("Answers waiting") : AnswerHistory::tr("Answers not kept");
        // A file that cannot be written may still be read; a locked one would
        // hold every query for the busy timeout.
        const auto fault = db.fault();
        readable = (fault == HistoryDatabase::Fault::ReadOnly || fault == HistoryDatabase::Fault::Other)
            && db.openToRead();
        if (!readable)
            db.close();
    }

    // Opens the file again and writes what was kept in memory meanwhile;
    // false, and as it was, when it still cannot be written.
    bool reopen()
    {
        if (!db.open()) {
            fallBack();
            return false;
        }
        if (!memory.empty() && !db.write(memory)) {
            fallBack();
            return false;
        }
        memory.clear();
        memorySums.clear();
        memoryLessons.clear();
        persistent = readable = true;
        problem.clear();
        title.clear();
        return true;
    }

    void keep(const AnswerEvent &answer)
    {
        // A lesson begun in the file goes on in memory; it is one lesson.
        const bool newLesson = memoryLessons.insert(lessonOf(answer)).second
            && !(readable && db.hasLesson(answer.player, answer.lesson, answer.clef));
        memory.push_back(answer);
        memorySums[answer.player].add(answer, newLesson);
        noteRecent(answer);
    }

    void noteRecent(const AnswerEvent &answer)
    {
        const auto it = recent.find({answer.player, answer.clef});
        if (it != recent.end())
            it->second.add(answer.asked, answer.outcome != AnswerEvent::Outcome::Right, answer.ms);
    }

    void addMemory(const QString &player, AnswerTally &into) const
    {
        if (const auto it = memorySums.find(player); it != memorySums.end())
            into.merge(it->second);
    }

    // A player's sums: what `read` finds in the file, when it can be read,
    // and the answers kept only in memory.
    template <typename Read>
    AnswerTally tally(const QString &player, Read read)
    {
        AnswerTally sums;
        if (readable)
            read(db, sums);
        addMemory(player, sums);
        return sums;
    }
};

QString AnswerHistory::standardPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("history.sqlite"));
}

AnswerHistory::AnswerHistory(const QString &path, QObject *parent)
    : QObject(parent)
    , m_store(std::make_unique<Store>(path))
{
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &AnswerHistory::retry);
    m_store->open();
    if (!m_store->problem.isEmpty())
        QMetaObject::invokeMethod(this, &AnswerHistory::tell, Qt::QueuedConnection);
    if (!m_store->persistent && m_store->passing())
        m_retry.start();
}

AnswerHistory::~AnswerHistory() = default;

void AnswerHistory::retry()
{
    if (m_store->reopen())
        m_retry.stop();
    tell();
}

void AnswerHistory::tell()
{
    if (m_store->problem == m_store->told)
        return;
    m_store->told = m_store->problem;
    emit problemChanged(m_store->problem);
}

void AnswerHistory::record(const AnswerEvent &answer)
{
    if (answer.at.isValid()) {
        store(std::span(&answer, 1));
        return;
    }
    AnswerEvent timed = answer;
    timed.at = QDateTime::currentDateTime();
    store(std::span(&timed, 1));
}

void AnswerHistory::record(const std::vector<AnswerEvent> &answers)
{
    const auto untimed = [](const AnswerEvent &answer) { return !answer.at.isValid(); };
    if (std::none_of(answers.begin(), answers.end(), untimed)) {
        store(answers);
        return;
    }
    std::vector<AnswerEvent> timed = answers;
    const QDateTime now = QDateTime::currentDateTime();
    for (AnswerEvent &answer : timed) {
        if (untimed(answer))
            answer.at = now;
    }
    store(timed);
}

void AnswerHistory::store(std::span<const AnswerEvent> answers)
{
    Store &s = *m_store;
    if (s.persistent) {
        const QString before = s.problem;
        bool written = s.db.write(answers);
        if (!written && s.db.fault() == HistoryDatabase::Fault::Corrupt)
            written = s.startAfresh() && s.db.write(answers);
        if (written) {
            for (const AnswerEvent &answer : answers)
                s.noteRecent(answer);
        } else {
            s.fallBack();
            if (s.passing())
                m_retry.start();
        }
        if (s.problem != before)
            tell();
        if (written)
            return;
    }
    for (const AnswerEvent &answer : answers)
        s.keep(answer);
}

QString AnswerHistory::problem() const
{
    return m_store->problem;
}

QString AnswerHistory::problemTitle() const
{
    return m_store->title;
}

bool AnswerHistory::persistent() const
{
    return m_store->persistent;
}

QStringList AnswerHistory::players() const
{
    QStringList names;
    if (m_store->readable)
        m_store->db.readPlayers(names);
    for (const auto &[name, sums] : m_store->memorySums)
        names.append(name);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::vector<AnswerHistory::ScorePoint> AnswerHistory::scores(const QString &player, Period period) const
{
    return m_store->tally(player, [&](HistoryDatabase &db, AnswerTally &sums) { db.readDays(player, sums); })
        .scores(period);
}

std::vector<AnswerHistory::NoteStat> AnswerHistory::noteStats(const QString &player, qint16 clef) const
{
    return m_store->tally(player, [&](HistoryDatabase &db, AnswerTally &sums) { db.readNotes(player, clef, sums); })
        .noteStats(clef);
}

std::vector<AnswerHistory::Confusion> AnswerHistory::confusions(const QString &player, int limit) const
{
    return m_store->tally(player, [&](HistoryDatabase &db, AnswerTally &sums) { db.readConfusions(player, sums); })
        .confusionList(limit);
}

bool AnswerHistory::exportCsv(const QString &player, QIODevice &out) const
{
    // Written a block at a time: a million answers make some 80 MB.
    constexpr qsizetype Block = 1 << 16;
    QByteArray block = AnswerCsv::header();
    bool written = true;
    const auto add = [&](const AnswerEvent &answer) {
        block += AnswerCsv::line(answer);
        if (block.size() >= Block) {
            written = out.write(block) == block.size();
            block.clear();
        }
        return written;
    };

    if (m_store->readable && !m_store->db.forEachAnswer(player, add))
        return false;
    for (const AnswerEvent &answer : m_store->memory) {
        if (answer.player == player && !add(answer))
            return false;
    }
    return out.write(block) == block.size();
}

std::map<int, double> AnswerHistory::weights(const QString &player, qint16 clef) const
{
    Store &s = *m_store;
    auto it = s.recent.find({player, clef});
    if (it == s.recent.end()) {
        RecentAnswers recent;
        if (s.readable)
            s.db.readRecent(player, clef, recent);
        for (const AnswerEvent &answer : s.memory) {
            if (answer.player == player && answer.clef == clef)
                recent.add(answer.asked, answer.outcome != AnswerEvent::Outcome::Right, answer.ms);
        }
        it = s.recent.emplace(std::make_pair(player, clef), std::move(recent)).first;
    }
    return it->second.weights();
}

} // namespace staverly

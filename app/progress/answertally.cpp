// SPDX-License-Identifier: GPL-3.0-or-later
#include "answertally.h"

#include <algorithm>
#include <climits>

namespace staverly {

namespace {

void addTo(AnswerTally::Day &into, const AnswerTally::Day &day)
{
    into.lessons += day.lessons;
    into.right += day.right;
    into.wrong += day.wrong;
    into.times.merge(day.times);
}

QDate periodOf(qint64 julianDay, AnswerHistory::Period period)
{
    const QDate date = QDate::fromJulianDay(julianDay);
    return period == AnswerHistory::Period::Day ? date : date.addDays(1 - date.dayOfWeek());
}

} // namespace

qint64 AnswerTally::dayOf(const QDateTime &at)
{
    // A local time is read as it is: converting looks up the time zone.
    return (at.timeSpec() == Qt::LocalTime ? at.date() : at.toLocalTime().date()).toJulianDay();
}

void AnswerTally::add(const AnswerEvent &answer, bool newLesson)
{
    const bool right = answer.outcome == AnswerEvent::Outcome::Right;

    Day &day = m_days[{answer.clef, dayOf(answer.at)}];
    day.lessons += newLesson ? 1 : 0;
    (right ? day.right : day.wrong) += 1;
    day.times.add(answer.ms);

    Note &note = m_notes[{answer.clef, answer.asked}];
    ++note.answers;
    note.wrong += right ? 0 : 1;
    note.times.add(answer.ms);

    if (answer.outcome == AnswerEvent::Outcome::Wrong) {
        const char16_t letter = answer.answered < 0 ? answer.letter.unicode() : 0;
        ++m_confusions[{answer.clef, answer.asked, letter ? -1 : answer.answered, letter}];
    }
}

void AnswerTally::addDay(const DayKey &key, const Day &day)
{
    addTo(m_days[key], day);
}

void AnswerTally::addNote(const NoteKey &key, const Note &note)
{
    Note &into = m_notes[key];
    into.answers += note.answers;
    into.wrong += note.wrong;
    into.times.merge(note.times);
}

void AnswerTally::addConfusion(const ConfusionKey &key, int times)
{
    m_confusions[key] += times;
}

void AnswerTally::merge(const AnswerTally &other)
{
    for (const auto &[key, day] : other.m_days)
        addDay(key, day);
    for (const auto &[key, note] : other.m_notes)
        addNote(key, note);
    for (const auto &[key, times] : other.m_confusions)
        addConfusion(key, times);
}

std::vector<AnswerHistory::ScorePoint> AnswerTally::scores(AnswerHistory::Period period) const
{
    // Periods first, clefs second, as the chart draws them.
    std::map<std::pair<QDate, qint16>, Day> periods;
    for (const auto &[key, day] : m_days)
        addTo(periods[{periodOf(key.second, period), key.first}], day);

    std::vector<AnswerHistory::ScorePoint> points;
    points.reserve(periods.size());
    for (const auto &[key, day] : periods) {
        AnswerHistory::ScorePoint point;
        point.period = key.first;
        point.clef = key.second;
        point.lessons = day.lessons;
        point.right = day.right;
        point.wrong = day.wrong;
        const int answers = day.right + day.wrong;
        point.score = answers > 0 ? 100.0 * day.right / answers : 0;
        point.medianMs = day.times.medianMs();
        points.push_back(point);
    }
    return points;
}

std::vector<AnswerHistory::NoteStat> AnswerTally::noteStats(qint16 clef) const
{
    std::vector<AnswerHistory::NoteStat> stats;
    for (auto it = m_notes.lower_bound({clef, INT_MIN}); it != m_notes.end() && it->first.first == clef; ++it) {
        const Note &note = it->second;
        AnswerHistory::NoteStat stat;
        stat.note = it->first.second;
        stat.clef = clef;
        stat.answers = note.answers;
        stat.wrong = note.wrong;
        stat.errorRate = note.answers > 0 ? double(note.wrong) / note.answers : 0;
        stat.medianMs = note.times.medianMs();
        stats.push_back(stat);
    }
    return stats;
}

std::vector<AnswerHistory::Confusion> AnswerTally::confusionList(int limit) const
{
    std::vector<std::pair<ConfusionKey, int>> sorted(m_confusions.begin(), m_confusions.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto &a, const auto &b) { return a.second > b.second; });
    if (limit >= 0 && sorted.size() > std::size_t(limit))
        sorted.resize(std::size_t(limit));

    std::vector<AnswerHistory::Confusion> list;
    list.reserve(sorted.size());
    for (const auto &[key, times] : sorted) {
        AnswerHistory::Confusion confusion;
        confusion.asked = key.asked;
        confusion.answered = key.letter ? -1 : key.answered;
        confusion.letter = key.letter ? QChar(key.letter) : QChar();
        confusion.clef = key.clef;
        confusion.times = times;
        list.push_back(confusion);
    }
    return list;
}

} // namespace staverly

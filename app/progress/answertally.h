// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerevent.h"
#include "answerhistory.h"
#include "timehistogram.h"

#include <QDateTime>
#include <compare>
#include <map>
#include <utility>
#include <vector>

namespace staverly {

// What one player's answers add up to: per clef and day, per clef and note,
// and each wrong note or letter given for a note. The database keeps these
// sums beside the answers, so the Progress window never reads the answers
// themselves; answers held in memory are summed the same way and added.
class AnswerTally
{
public:
    struct Day
    {
        int lessons = 0;
        int right = 0;
        int wrong = 0; // time-outs too
        TimeHistogram times;
    };

    struct Note
    {
        int answers = 0;
        int wrong = 0; // time-outs too
        TimeHistogram times;
    };

    using DayKey = std::pair<qint16, qint64>; // clef, local date as a Julian day
    using NoteKey = std::pair<qint16, int>; // clef, asked note

    struct ConfusionKey
    {
        qint16 clef = 0;
        int asked = 0;
        int answered = -1;
        char16_t letter = 0; // 0 when a note was given
        auto operator<=>(const ConfusionKey &) const = default;
    };

    // The local day an answer counts for.
    static qint64 dayOf(const QDateTime &at);

    // newLesson: the first answer of its lesson and clef.
    void add(const AnswerEvent &answer, bool newLesson);
    void addDay(const DayKey &key, const Day &day);
    void addNote(const NoteKey &key, const Note &note);
    void addConfusion(const ConfusionKey &key, int times);
    void merge(const AnswerTally &other);

    const std::map<DayKey, Day> &days() const { return m_days; }
    const std::map<NoteKey, Note> &notes() const { return m_notes; }
    const std::map<ConfusionKey, int> &confusions() const { return m_confusions; }

    std::vector<AnswerHistory::ScorePoint> scores(AnswerHistory::Period period) const;
    std::vector<AnswerHistory::NoteStat> noteStats(qint16 clef) const;
    // Most frequent first; ties in note order.
    std::vector<AnswerHistory::Confusion> confusionList(int limit) const;

private:
    std::map<DayKey, Day> m_days;
    std::map<NoteKey, Note> m_notes;
    std::map<ConfusionKey, int> m_confusions;
};

} // namespace staverly

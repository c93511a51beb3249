// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerevent.h"

#include <QDateTime>
#include <vector>

namespace staverly::test {

// One answer as a test writes it: a local time, and how it was given
// follows from what was given.
struct AnswerRow
{
    const char *when; // local, "2024-03-05T09:00:00"
    qint64 lesson;
    qint16 clef;
    int asked;
    AnswerEvent::Outcome outcome;
    qint64 ms;
    int answered = -1;
    char letter = 0;
};

inline AnswerEvent answerOf(const QString &player, const AnswerRow &row)
{
    AnswerEvent answer;
    answer.player = player;
    answer.at = QDateTime::fromString(QString::fromLatin1(row.when), Qt::ISODate);
    answer.lesson = row.lesson;
    answer.clef = row.clef;
    answer.asked = row.asked;
    answer.outcome = row.outcome;
    answer.ms = row.ms;
    answer.answered = row.answered;
    if (row.letter)
        answer.letter = QChar::fromLatin1(row.letter);
    answer.via = row.letter ? AnswerEvent::Via::Letter
        : row.outcome == AnswerEvent::Outcome::TimeOut ? AnswerEvent::Via::Timer
                                                       : AnswerEvent::Via::Key;
    return answer;
}

inline std::vector<AnswerEvent> answersOf(const QString &player, std::initializer_list<AnswerRow> rows)
{
    std::vector<AnswerEvent> answers;
    for (const AnswerRow &row : rows)
        answers.push_back(answerOf(player, row));
    return answers;
}

} // namespace staverly::test

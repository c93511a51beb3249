// SPDX-License-Identifier: GPL-3.0-or-later
#include "answercsv.h"

#include "pitchname.h"

#include <QDateTime>

namespace staverly {

namespace {

const char *outcomeName(AnswerEvent::Outcome outcome)
{
    switch (outcome) {
    case AnswerEvent::Outcome::Right:
        return "right";
    case AnswerEvent::Outcome::Wrong:
        return "wrong";
    case AnswerEvent::Outcome::TimeOut:
        return "time-out";
    }
    return "";
}

const char *viaName(AnswerEvent::Via via)
{
    switch (via) {
    case AnswerEvent::Via::Key:
        return "key";
    case AnswerEvent::Via::Letter:
        return "letter";
    case AnswerEvent::Via::Midi:
        return "midi";
    case AnswerEvent::Via::Timer:
        return "timer";
    case AnswerEvent::Via::Mic:
        return "mic";
    }
    return "";
}

} // namespace

QByteArray AnswerCsv::header()
{
    return "time,player,lesson,clef,chromatic,asked,asked_midi,answered,outcome,via,ms\r\n";
}

QByteArray AnswerCsv::line(const AnswerEvent &answer)
{
    QString answered;
    if (answer.answered >= 0)
        answered = PitchName::of(answer.answered);
    else if (!answer.letter.isNull())
        answered = answer.letter;

    QByteArray line;
    line.reserve(96);
    // With its offset, however the time was kept.
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(answer.at.toMSecsSinceEpoch(), Qt::OffsetFromUTC,
                                                        answer.at.offsetFromUtc());
    line += at.toString(Qt::ISODateWithMs).toLatin1();
    line += ',';
    line += field(answer.player);
    line += ',';
    line += QByteArray::number(answer.lesson);
    line += answer.clef == 0 ? ",Treble," : ",Bass,";
    line += answer.chromatic ? "1," : "0,";
    line += PitchName::of(answer.asked).toLatin1();
    line += ',';
    line += QByteArray::number(answer.asked);
    line += ',';
    line += field(answered);
    line += ',';
    line += outcomeName(answer.outcome);
    line += ',';
    line += viaName(answer.via);
    line += ',';
    line += QByteArray::number(answer.ms);
    line += "\r\n";
    return line;
}

QByteArray AnswerCsv::field(const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    // A spreadsheet runs a cell that starts like a formula: the apostrophe
    // makes it text.
    if (!utf8.isEmpty() && QByteArrayView("=+-@\t\r").contains(utf8.front()))
        utf8.prepend('\'');
    if (utf8.contains(',') || utf8.contains('"') || utf8.contains('\r') || utf8.contains('\n'))
        return '"' + utf8.replace('"', "\"\"") + '"';
    return utf8;
}

} // namespace staverly

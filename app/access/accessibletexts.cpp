// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibletexts.h"

#include "notemodel.h"
#include "pitchname.h"

#include <QStringList>

namespace staverly {

QString AccessibleTexts::key(int midi)
{
    if (midi == NoteModel::MiddleC)
        return tr("Middle C, %1").arg(PitchName::spoken(midi));
    return PitchName::spoken(midi);
}

QString AccessibleTexts::counter(LessonView::Counter counter, qint16 value)
{
    switch (counter) {
    case LessonView::Counter::Yes:
        return tr("Right answers: %1").arg(value);
    case LessonView::Counter::No:
        return tr("Wrong answers: %1").arg(value);
    case LessonView::Counter::Score:
        return tr("Score: %1 percent").arg(value);
    case LessonView::Counter::Time:
        return tr("Time: %1 seconds").arg(value);
    }
    return {};
}

QString AccessibleTexts::slider(bool low, int midi)
{
    if (midi < 0)
        return low ? tr("Lowest note") : tr("Highest note");
    const QString name = PitchName::spoken(midi);
    return low ? tr("Lowest note: %1").arg(name) : tr("Highest note: %1").arg(name);
}

QString AccessibleTexts::staff(qint16 clef, const QString &tip)
{
    const QString staff = clef == 0 ? tr("Treble staff") : tr("Bass staff");
    if (tip.isEmpty())
        return staff;
    if (tip == QLatin1String("?"))
        return tr("%1, a note to name").arg(staff);
    return tr("%1, the note %2").arg(staff, QString(tip).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

QString AccessibleTexts::progress(int question, int questions)
{
    if (question < 1)
        return tr("No question yet");
    return tr("Question %1 of %2").arg(question).arg(questions);
}

QString AccessibleTexts::status(const MainFields &lesson)
{
    QStringList parts;
    parts << (lesson.FIRST_TIME ? progress(lesson.ASKS, lesson.QUESTIONS) : tr("No lesson running"));
    parts << counter(LessonView::Counter::Yes, lesson.YES) << counter(LessonView::Counter::No, lesson.NO)
          << counter(LessonView::Counter::Score, lesson.SCORE);
    if (lesson.USE_TIMER)
        parts << counter(LessonView::Counter::Time, lesson.MY_TIME);
    return parts.join(QStringLiteral(". "));
}

} // namespace staverly

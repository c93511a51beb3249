#include "accessibletexts.h"

#include "notemodel.h"
#include "pitchname.h"

namespace staverly {

QString AccessibleTexts::key(int midi)
{
    if (midi == NoteModel::MiddleC)
        return QStringLiteral("Middle C, ") + PitchName::spoken(midi);
    return PitchName::spoken(midi);
}

QString AccessibleTexts::counter(LessonView::Counter counter, qint16 value)
{
    switch (counter) {
    case LessonView::Counter::Yes:
        return QStringLiteral("Right answers: %1").arg(value);
    case LessonView::Counter::No:
        return QStringLiteral("Wrong answers: %1").arg(value);
    case LessonView::Counter::Score:
        return QStringLiteral("Score: %1 percent").arg(value);
    case LessonView::Counter::Time:
        return QStringLiteral("Time: %1 seconds").arg(value);
    }
    return {};
}

QString AccessibleTexts::slider(bool low, int midi)
{
    const QString end = low ? QStringLiteral("Lowest note") : QStringLiteral("Highest note");
    return midi < 0 ? end : end + QStringLiteral(": ") + PitchName::spoken(midi);
}

QString AccessibleTexts::staff(qint16 clef, const QString &tip)
{
    const QString staff = clef == 0 ? QStringLiteral("Treble staff") : QStringLiteral("Bass staff");
    if (tip.isEmpty())
        return staff;
    if (tip == QLatin1String("?"))
        return staff + QStringLiteral(", a note to name");
    return staff + QStringLiteral(", the note ") + QString(tip).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace staverly

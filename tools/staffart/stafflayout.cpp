// SPDX-License-Identifier: GPL-3.0-or-later
#include "stafflayout.h"

#include "pianokeys.h"

namespace staverly {

namespace {

int diatonic(int midi)
{
    return PianoKeys::whiteIndex(midi);
}

int bottomLineNote(Clef clef)
{
    return clef == Clef::Treble ? 64 : 43; // E4, G2
}

} // namespace

StaffLayout::StaffLayout(Clef clef)
    : m_clef(clef)
{
    // Centre the whole range of the clef, from the lowest note head to the
    // highest, in the picture.
    const int stepSum = step(lowestNote()) + step(highestNote());
    m_bottomLineY = Height / 2 + stepSum * Spacing / 4;
}

int StaffLayout::lowestNote() const
{
    return m_clef == Clef::Treble ? 48 : 24;
}

int StaffLayout::highestNote() const
{
    return lowestNote() + 47;
}

QString StaffLayout::fileName(int midi, int scale) const
{
    const QString ratio = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QStringLiteral("%1%2%3.gif").arg(m_clef == Clef::Treble ? 't' : 'b').arg(midi).arg(ratio);
}

bool StaffLayout::isSharp(int midi)
{
    switch (midi % 12) {
    case 1: case 3: case 6: case 8: case 10:
        return true;
    default:
        return false;
    }
}

int StaffLayout::step(int midi) const
{
    return diatonic(midi) - diatonic(bottomLineNote(m_clef));
}

QList<int> StaffLayout::ledgerSteps(int midi) const
{
    const int s = step(midi);
    QList<int> steps;
    for (int k = -2; k >= s; k -= 2)
        steps.append(k);
    for (int k = 10; k <= s; k += 2)
        steps.append(k);
    return steps;
}

int StaffLayout::stepY(int step) const
{
    return m_bottomLineY - step * Spacing / 2;
}

int StaffLayout::lineY(int line) const
{
    return stepY(2 * line);
}

} // namespace staverly

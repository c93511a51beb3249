// SPDX-License-Identifier: GPL-3.0-or-later
#include "pitchname.h"

#include "notenames.h"

namespace staverly {

namespace {

constexpr const char *Names[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

} // namespace

QString PitchName::of(int midi)
{
    if (midi < 0 || midi > 127)
        return {};
    return QString::fromLatin1(Names[midi % 12]) + QString::number(midi / 12 - 1);
}

QString PitchName::spoken(int midi)
{
    return NoteNames::current().spoken(midi);
}

} // namespace staverly

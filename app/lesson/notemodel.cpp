// SPDX-License-Identifier: GPL-3.0-or-later
#include "notemodel.h"

#include "pianokeys.h"

#include "notenames.h"

#include <QCoreApplication>
#include <QDir>

namespace staverly {

namespace {

constexpr std::array<int, 7> WhiteSteps{0, 2, 4, 5, 7, 9, 11};

void fillWhite(std::array<qint16, NoteModel::WhiteKeys> &table, int lowestC)
{
    for (int w = 0; w < NoteModel::WhiteKeys; ++w)
        table[w] = qint16(lowestC + 12 * (w / 7) + WhiteSteps[w % 7]);
}

} // namespace

void NoteModel::load_treble_white()
{
    fillWhite(treble_white, 48);
}

void NoteModel::load_bass_white()
{
    fillWhite(bass_white, 24);
}

void NoteModel::load_note_names()
{
    const NoteNames &names = NoteNames::current();
    for (std::size_t i = 0; i < note_names.size(); ++i)
        note_names[i] = names.pitchClass(int(i + LowestMidi));
    note_names[MiddleC - LowestMidi] = QCoreApplication::translate("NoteModel", "Middle %1").arg(names.white(0));
    for (std::size_t i = 0; i < white_letters.size(); ++i)
        white_letters[i] = names.white(int(i % 7));
}

qint16 NoteModel::get_white_treble(qint16 note_in)
{
    if (note_in < 1 || note_in > WhiteKeys)
        return 0;
    const int w = note_in - 1;
    return qint16(12 * (w / 7) + WhiteSteps[w % 7]);
}

bool NoteModel::isBlackKey(int keyIndex)
{
    return PianoKeys::isBlack(keyIndex);
}

int NoteModel::keyToMidi(int keyIndex, int cleff)
{
    return keyIndex + (cleff == 0 ? 48 : 24);
}

int NoteModel::midiToKey(int midi, int cleff)
{
    return midi - (cleff == 0 ? 48 : 24);
}

int NoteModel::middleCKey(int cleff)
{
    return midiToKey(MiddleC, cleff);
}

int NoteModel::whiteToMidi(int white, int cleff) const
{
    if (white < 1 || white > WhiteKeys)
        return -1;
    return cleff == 0 ? treble_white[white - 1] : bass_white[white - 1];
}

QString NoteModel::whiteLetter(int white) const
{
    if (white < 1 || white > WhiteKeys)
        return {};
    return white_letters[white - 1];
}

QString NoteModel::noteName(int midi) const
{
    if (midi < LowestMidi || midi > HighestMidi)
        return {};
    return note_names[midi - LowestMidi];
}

QString NoteModel::scientificName(int midi)
{
    const NoteNames &names = NoteNames::current();
    if (!isBlackKey(midi % 12))
        return names.scientific(midi);
    return QCoreApplication::translate("NoteNames", "%1 or %2").arg(names.scientific(midi), names.scientific(midi, true));
}

QString NoteModel::pictureFile(const QString &programFolder, int midi, int cleff)
{
    const QString name = QStringLiteral("%1%2.gif").arg(cleff == 0 ? 't' : 'b').arg(midi);
    return QDir(programFolder).filePath(QStringLiteral("images/") + name);
}

} // namespace staverly

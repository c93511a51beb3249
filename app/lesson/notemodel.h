// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

namespace staverly {

// The three coordinates of a note: MIDI number (24..95), white-key number
// (1..28 from the left of the on-screen keyboard) and key index (0..47,
// chromatic from C). The clef fixes the keyboard's span.
class NoteModel
{
public:
    static constexpr int WhiteKeys = 28;
    static constexpr int Keys = 48;
    static constexpr int LowestMidi = 24;
    static constexpr int HighestMidi = 95;
    static constexpr int MiddleC = 60;

    void load_treble_white();
    void load_bass_white();
    void load_note_names();

    // Key index of white key note_in; 0 for anything outside 1..28.
    static qint16 get_white_treble(qint16 note_in);

    static bool isBlackKey(int keyIndex);
    static int keyToMidi(int keyIndex, int cleff);
    static int midiToKey(int midi, int cleff);
    static int middleCKey(int cleff);

    // White-key lookups; -1 or an empty text outside 1..28.
    int whiteToMidi(int white, int cleff) const;
    QString whiteLetter(int white) const;
    // Empty outside 24..95.
    QString noteName(int midi) const;
    // Scientific pitch notation, for readers who do not know the lesson's
    // names: "C4" for middle C, "C#4 or Db4" for the key above it.
    static QString scientificName(int midi);

    // Program folder + "/images/t60.gif" (treble) or "/images/b60.gif" (bass).
    static QString pictureFile(const QString &programFolder, int midi, int cleff);

    std::array<qint16, WhiteKeys> treble_white{};
    std::array<qint16, WhiteKeys> bass_white{};
    std::array<QString, WhiteKeys> white_letters{};
    std::array<QString, HighestMidi - LowestMidi + 1> note_names{};
};

} // namespace staverly

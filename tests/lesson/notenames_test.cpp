// SPDX-License-Identifier: GPL-3.0-or-later
#include "notenames.h"

#include <gtest/gtest.h>

using namespace staverly;
using Style = NoteNames::Style;

namespace {

struct Naming
{
    Style style;
    const char *language;
    // C4 up to B4, one octave of the 72 notes; every octave repeats it.
    std::array<const char *, 12> scientific;
    std::array<const char *, 12> flats;
    const char *blackKey; // C#/Db as the lesson shows it
    const char *spoken;   // F#3
};

const Naming Namings[] = {
    {Style::Letters, "en", {"C4", "C#4", "D4", "D#4", "E4", "F4", "F#4", "G4", "G#4", "A4", "A#4", "B4"},
     {"C4", "Db4", "D4", "Eb4", "E4", "F4", "Gb4", "G4", "Ab4", "A4", "Bb4", "B4"}, "C# or Db", "F sharp 3"},
    {Style::German, "de", {"C4", "Cis4", "D4", "Dis4", "E4", "F4", "Fis4", "G4", "Gis4", "A4", "Ais4", "H4"},
     {"C4", "Des4", "D4", "Es4", "E4", "F4", "Ges4", "G4", "As4", "A4", "B4", "H4"}, "Cis or Des", "Fis 3"},
    {Style::Solfege, "fr", {"Do4", "Do♯4", "Ré4", "Ré♯4", "Mi4", "Fa4", "Fa♯4", "Sol4", "Sol♯4", "La4", "La♯4", "Si4"},
     {"Do4", "Ré♭4", "Ré4", "Mi♭4", "Mi4", "Fa4", "Sol♭4", "Sol4", "La♭4", "La4", "Si♭4", "Si4"}, "Do♯ or Ré♭",
     "Fa sharp 3"},
    {Style::Solfege, "it", {"Do4", "Do♯4", "Re4", "Re♯4", "Mi4", "Fa4", "Fa♯4", "Sol4", "Sol♯4", "La4", "La♯4", "Si4"},
     {"Do4", "Re♭4", "Re4", "Mi♭4", "Mi4", "Fa4", "Sol♭4", "Sol4", "La♭4", "La4", "Si♭4", "Si4"}, "Do♯ or Re♭",
     "Fa sharp 3"},
    {Style::Solfege, "pt_BR", {"Dó4", "Dó♯4", "Ré4", "Ré♯4", "Mi4", "Fá4", "Fá♯4", "Sol4", "Sol♯4", "Lá4", "Lá♯4", "Si4"},
     {"Dó4", "Ré♭4", "Ré4", "Mi♭4", "Mi4", "Fá4", "Sol♭4", "Sol4", "Lá♭4", "Lá4", "Si♭4", "Si4"}, "Dó♯ or Ré♭",
     "Fá sharp 3"},
};

} // namespace

TEST(NoteNames, EveryStyleNamesAllSeventyTwoNotes)
{
    for (const Naming &n : Namings) {
        const NoteNames names(n.style, QString::fromLatin1(n.language));
        SCOPED_TRACE(n.language);
        for (int midi = 24; midi <= 95; ++midi) {
            const QString octave = QString::number(midi / 12 - 1);
            const auto inOctave = [&](const char *c4) { return QString::fromUtf8(c4).chopped(1) + octave; };
            EXPECT_EQ(names.scientific(midi), inOctave(n.scientific[midi % 12])) << midi;
            EXPECT_EQ(names.scientific(midi, true), inOctave(n.flats[midi % 12])) << midi;
        }
        EXPECT_EQ(names.pitchClass(61), QString::fromUtf8(n.blackKey));
        EXPECT_EQ(names.spoken(54), QString::fromUtf8(n.spoken));
    }
}

TEST(NoteNames, TheLanguageChoosesTheStyleUnlessOneIsStored)
{
    const struct
    {
        const char *stored;
        const char *language;
        Style style;
    } cases[] = {{"", "en_GB", Style::Letters}, {"", "de_AT", Style::German},   {"", "fr_FR", Style::Solfege},
                 {"", "es_ES", Style::Solfege}, {"", "it_IT", Style::Solfege},  {"", "pt_BR", Style::Solfege},
                 {"letters", "de_DE", Style::Letters}, {"solfege", "en_US", Style::Solfege},
                 {"german", "fr_FR", Style::German}, {"nonsense", "de_DE", Style::German}};
    for (const auto &c : cases)
        EXPECT_EQ(NoteNames::chosen(QString::fromLatin1(c.stored), QString::fromLatin1(c.language)).style(), c.style)
            << c.stored << " " << c.language;
}

TEST(NoteNames, TypedKeysNameTheWhiteKeysAsTheStyleDoes)
{
    // C D E F G A B are 0..6; -1 a letter of no white key; nothing, no answer.
    const struct
    {
        Style style;
        const char *typed;
        std::array<int, 10> named;
    } cases[] = {
        {Style::Letters, "cdefgabh1x", {0, 1, 2, 3, 4, 5, 6, -1, -2, -2}},
        {Style::German, "cdefgahb1x", {0, 1, 2, 3, 4, 5, 6, -1, -2, -2}},
        {Style::Solfege, "1234567h8b", {0, 1, 2, 3, 4, 5, 6, -1, -2, 6}},
    };
    for (const auto &c : cases) {
        const NoteNames names(c.style, QStringLiteral("fr"));
        for (std::size_t i = 0; i < c.named.size(); ++i) {
            const std::optional<int> named = names.typedWhite(QLatin1Char(c.typed[i]));
            EXPECT_EQ(named.value_or(-2), c.named[i]) << NoteNames::key(c.style).toStdString() << " " << c.typed[i];
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "notemodel.h"

#include <gtest/gtest.h>

using namespace staverly;

namespace {

class NoteModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        model.load_note_names();
        model.load_treble_white();
        model.load_bass_white();
    }
    NoteModel model;
};

TEST_F(NoteModelTest, WhiteKeyTablesMatchTheKeyboardInBothClefs)
{
    const std::array<int, 28> treble{48, 50, 52, 53, 55, 57, 59, 60, 62, 64, 65, 67, 69, 71,
                                     72, 74, 76, 77, 79, 81, 83, 84, 86, 88, 89, 91, 93, 95};
    for (int w = 1; w <= 28; ++w) {
        EXPECT_EQ(model.treble_white[w - 1], treble[w - 1]) << w;
        EXPECT_EQ(model.bass_white[w - 1], treble[w - 1] - 24) << w;
        // White key w sits at the key index that sounds its note.
        EXPECT_EQ(NoteModel::keyToMidi(NoteModel::get_white_treble(qint16(w)), 0),
                  treble[w - 1]);
        EXPECT_FALSE(NoteModel::isBlackKey(NoteModel::get_white_treble(qint16(w))));
    }
    EXPECT_EQ(model.whiteToMidi(8, 0), 60);
    EXPECT_EQ(model.whiteToMidi(8, 1), 36);
    EXPECT_EQ(model.whiteToMidi(22, 0), 84);
    EXPECT_EQ(model.whiteToMidi(22, 1), 60);
    EXPECT_EQ(model.whiteLetter(8), "C");
    EXPECT_EQ(model.whiteLetter(28), "B");
}

TEST_F(NoteModelTest, WhiteToKeyIndexIsZeroOutsideTheKeyboard)
{
    EXPECT_EQ(NoteModel::get_white_treble(1), 0);
    EXPECT_EQ(NoteModel::get_white_treble(8), 12);
    EXPECT_EQ(NoteModel::get_white_treble(22), 36);
    EXPECT_EQ(NoteModel::get_white_treble(28), 47);
    for (qint16 w : {qint16(0), qint16(29), qint16(-1), qint16(-32768), qint16(32767)})
        EXPECT_EQ(NoteModel::get_white_treble(w), 0) << w;
    // Lookups outside the tables give nothing rather than reading past them.
    EXPECT_EQ(model.whiteToMidi(0, 0), -1);
    EXPECT_EQ(model.whiteLetter(0), QString());
    EXPECT_EQ(model.noteName(23), QString());
    EXPECT_EQ(model.noteName(96), QString());
}

TEST_F(NoteModelTest, NoteNamesWithMiddleCSpelledOut)
{
    EXPECT_EQ(model.noteName(24), "C");
    EXPECT_EQ(model.noteName(25), "C# or Db");
    EXPECT_EQ(model.noteName(36), "C");
    EXPECT_EQ(model.noteName(48), "C");
    EXPECT_EQ(model.noteName(59), "B");
    EXPECT_EQ(model.noteName(60), "Middle C");
    EXPECT_EQ(model.noteName(61), "C# or Db");
    EXPECT_EQ(model.noteName(70), "A# or Bb");
    EXPECT_EQ(model.noteName(72), "C");
    EXPECT_EQ(model.noteName(95), "B");
}

TEST_F(NoteModelTest, ScientificNamesCountOctavesFromC)
{
    const std::pair<int, const char *> names[]{
        {24, "C1"}, {35, "B1"}, {59, "B3"}, {60, "C4"}, {61, "C#4 or Db4"}, {69, "A4"}, {70, "A#4 or Bb4"}, {95, "B6"}};
    for (const auto &[midi, name] : names)
        EXPECT_EQ(NoteModel::scientificName(midi), name) << midi;
}

TEST_F(NoteModelTest, KeysBlackAndWhiteAndTheMiddleC)
{
    int black = 0;
    for (int k = 0; k < 48; ++k)
        black += NoteModel::isBlackKey(k);
    EXPECT_EQ(black, 20);
    EXPECT_EQ(NoteModel::keyToMidi(12, 0), 60);
    EXPECT_EQ(NoteModel::keyToMidi(12, 1), 36);
    EXPECT_EQ(NoteModel::middleCKey(0), 12);
    EXPECT_EQ(NoteModel::middleCKey(1), 36);
    EXPECT_EQ(NoteModel::midiToKey(95, 0), 47);
    EXPECT_EQ(NoteModel::midiToKey(24, 1), 0);
}

TEST_F(NoteModelTest, PictureFilesAreNamedByClefAndNumber)
{
    EXPECT_EQ(NoteModel::pictureFile("/opt/staverly", 60, 0), "/opt/staverly/images/t60.gif");
    EXPECT_EQ(NoteModel::pictureFile("/opt/staverly", 24, 1), "/opt/staverly/images/b24.gif");
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "noterange.h"

#include <gtest/gtest.h>

using namespace staverly;

// Thumbs are read in steps of 330 twips and placed in steps of 340; a move
// onto or past the other thumb steps back one key and is refused with a box.
TEST(NoteRange, WhereAThumbLandsAndWhatIsRefused)
{
    const struct
    {
        bool low;
        int position;
        qint16 other;
        qint16 note;
        bool refused;
    } moves[] = {
        {true, 0, 28, 1, false},       {true, 329, 28, 1, false},     {true, 330, 28, 2, false},
        {true, 6600, 28, 21, false},   {true, 9270, 28, 27, false},   {true, -500, 28, 1, false},
        {true, 340 * 14 + 10, 15, 14, true}, {false, 9270, 1, 28, false}, {false, 0, 1, 2, true},
        {false, 340 * 13 + 10, 14, 15, true}, {false, 340 * 20, 5, 21, false},
    };
    for (const auto &m : moves) {
        const NoteRange::Move move = m.low ? NoteRange::low(m.position, m.other) : NoteRange::high(m.position, m.other);
        EXPECT_EQ(move.note, m.note) << m.low << " " << m.position;
        EXPECT_EQ(move.refusal.isEmpty(), !m.refused) << m.low << " " << m.position;
    }
    EXPECT_EQ(NoteRange::low(340 * 14, 15).refusal, "The low note range must be 1 less then the high note!");
    EXPECT_EQ(NoteRange::high(0, 1).refusal, "The high note range must be 1 greater then the low note!");
}

TEST(NoteRange, ThumbPositionsAndKeyPresses)
{
    EXPECT_EQ(NoteRange::position(1), 0);
    EXPECT_EQ(NoteRange::position(28), 340 * 27);
    EXPECT_FALSE(NoteRange::position(0));
    EXPECT_FALSE(NoteRange::position(29));
    EXPECT_EQ(NoteRange::keyed(8, NoteRange::Key::Left), 340 * 6);
    EXPECT_EQ(NoteRange::keyed(8, NoteRange::Key::Right), 340 * 8);
    EXPECT_EQ(NoteRange::keyed(1, NoteRange::Key::Left), 0);
    EXPECT_EQ(NoteRange::keyed(28, NoteRange::Key::Right), 340 * 27);
    EXPECT_EQ(NoteRange::keyed(8, NoteRange::Key::Home), 0);
    EXPECT_EQ(NoteRange::keyed(8, NoteRange::Key::End), 340 * 27);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "recentanswers.h"

#include <gtest/gtest.h>

using namespace staverly;

TEST(RecentAnswers, WeightFromErrorsAndSlowness)
{
    const struct
    {
        double errorRate, noteMedian, clefMedian, weight;
    } cases[] = {
        {0, 1000, 1000, 1.0}, // a plain note
        {0, 500, 1000, 1.0}, // faster than usual earns nothing below plain
        {1, 1000, 1000, 3.1}, // always wrong, usual speed
        {1, 2000, 1000, 4.0}, // always wrong and twice as slow: the most
        {1, 9000, 1000, 4.0},
        {0, 2000, 1000, 1.9}, // slowness alone
        {0, 5000, 1000, 1.9},
        {0.5, 1500, 1000, 2.5},
        {0.25, 1000, 0, 1.525}, // every answer instant: no slowness
    };
    for (const auto &c : cases) {
        EXPECT_NEAR(RecentAnswers::weight(c.errorRate, c.noteMedian, c.clefMedian), c.weight, 1e-12)
            << c.errorRate << ' ' << c.noteMedian << ' ' << c.clefMedian;
    }
}

TEST(RecentAnswers, OnlyTheLastTwoHundredOfEachNoteCount)
{
    RecentAnswers recent;
    for (int i = 0; i < 200; ++i)
        recent.add(60, true, 1000);
    for (int i = 0; i < 200; ++i)
        recent.add(60, false, 1000);
    recent.add(62, true, 1000);
    EXPECT_EQ(recent.weights().size(), 2u);
    EXPECT_DOUBLE_EQ(recent.weights().at(60), 1.0);
    EXPECT_DOUBLE_EQ(recent.weights().at(62), 3.1);

    recent.add(60, true, 1000);
    EXPECT_NEAR(recent.weights().at(60), 1 + 3 * 0.7 / 200, 1e-12);
}

TEST(RecentAnswers, SlownessAgainstTheMedianOfTheWholeClef)
{
    RecentAnswers recent;
    // Nine notes answered in a second; one in three, right each time.
    for (int note = 60; note < 69; ++note)
        recent.add(note, false, 1000);
    for (int i = 0; i < 3; ++i)
        recent.add(72, false, 3000);
    const auto &weights = recent.weights();
    EXPECT_EQ(weights.size(), 10u);
    EXPECT_DOUBLE_EQ(weights.at(60), 1.0);
    EXPECT_DOUBLE_EQ(weights.at(72), 1.9);
}

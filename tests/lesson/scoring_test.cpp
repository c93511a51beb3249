// SPDX-License-Identifier: GPL-3.0-or-later
#include "clockedrandom.h"
#include "feedbackwords.h"
#include "int16.h"

#include <gtest/gtest.h>
#include <set>

using namespace staverly;

TEST(Scoring, PercentRoundsHalvesToEven)
{
    EXPECT_EQ(percentScore(1, 8), 12);
    EXPECT_EQ(percentScore(3, 8), 38);
    EXPECT_EQ(percentScore(1, 4), 25);
    EXPECT_EQ(percentScore(7, 7), 100);
    EXPECT_EQ(percentScore(0, 0), 0);
    EXPECT_EQ(percentScore(32767, 32767), 100);
}

TEST(Scoring, CountersStopAtTheLargest16BitValue)
{
    EXPECT_EQ(incremented(0), 1);
    EXPECT_EQ(incremented(32766), 32767);
    EXPECT_EQ(incremented(32767), 32767);
    EXPECT_EQ(incremented(-1), 0);
}

TEST(Scoring, TwentyWordsEachWithComeOnTwice)
{
    FeedbackWords words;
    words.load();
    EXPECT_EQ(words.praise_words.front(), "Wonderful");
    EXPECT_EQ(words.praise_words.back(), "Great!");
    EXPECT_EQ(words.failure_words[7], "-1");
    EXPECT_EQ(words.failure_words[9], "Come on!");
    EXPECT_EQ(words.failure_words[15], "Come on!");
    EXPECT_EQ(words.failure_words.back(), "!!!!!");
    for (const QString &w : words.praise_words)
        EXPECT_FALSE(w.isEmpty());
}

TEST(ClockedRandom, StaysInRangeAndNeverRepeatsAcrossStirs)
{
    ClockedRandom random(42);
    std::set<double> seen;
    for (int i = 0; i < 10000; ++i) {
        random.stir();
        const double r = random.uniform();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        seen.insert(r);
    }
    // Stirring within one clock tick must not restart the sequence.
    EXPECT_EQ(seen.size(), 10000u);

    // Each of 20 words is drawn about equally often.
    std::array<int, 20> counts{};
    for (int i = 0; i < 20000; ++i) {
        random.stir();
        ++counts[std::size_t(random.uniform() * 20)];
    }
    for (int c : counts) {
        EXPECT_GT(c, 800);
        EXPECT_LT(c, 1200);
    }
}

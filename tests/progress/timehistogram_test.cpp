// SPDX-License-Identifier: GPL-3.0-or-later
#include "timehistogram.h"

#include <gtest/gtest.h>
#include <vector>

using namespace staverly;

namespace {

TimeHistogram of(const std::vector<qint64> &times)
{
    TimeHistogram histogram;
    for (qint64 ms : times)
        histogram.add(ms);
    return histogram;
}

} // namespace

TEST(TimeHistogram, MedianToTheTenMillisecondsBelow)
{
    const struct
    {
        std::vector<qint64> times;
        double median;
    } cases[] = {
        {{}, 0},
        {{1234}, 1230},
        {{900, 100, 500}, 500},
        {{100, 200, 300, 400}, 250},
        {{1000, 1009, 5000}, 1000},
        {{0, 0, 7}, 0},
        {{-50, 20}, 10}, // a clock set back counts as instant
        {{3'600'000, 3'600'000, 10}, 655'350}, // over 11 minutes share the last bucket
        {{250, 250, 250, 90'000}, 250},
    };
    for (const auto &c : cases) {
        const TimeHistogram histogram = of(c.times);
        EXPECT_EQ(histogram.medianMs(), c.median) << ::testing::PrintToString(c.times);
        EXPECT_EQ(histogram.count(), c.times.size());
    }
}

TEST(TimeHistogram, MergedAndStoredEqualsAllAddedAtOnce)
{
    const std::vector<qint64> first{1200, 800, 800, 15000, 40};
    const std::vector<qint64> second{800, 2000, 45, 70'000'000};
    TimeHistogram merged = of(first);
    merged.merge(of(second));

    std::vector<qint64> all = first;
    all.insert(all.end(), second.begin(), second.end());
    EXPECT_EQ(merged, of(all));
    EXPECT_EQ(TimeHistogram::fromBlob(merged.toBlob()), merged);
    EXPECT_EQ(merged.medianMs(), 800);
    EXPECT_TRUE(TimeHistogram::fromBlob({}).isEmpty());
}

TEST(TimeHistogram, DamagedBlobsAreReadAsFarAsTheyGo)
{
    const TimeHistogram whole = of({100, 200, 300});
    QByteArray blob = whole.toBlob();

    // Cut within the last pair: the first two stay.
    EXPECT_EQ(TimeHistogram::fromBlob(blob.left(blob.size() - 1)), of({100, 200}));
    // Pairs out of order: reading stops there.
    QByteArray swapped = blob.mid(6, 6) + blob.left(6) + blob.mid(12);
    EXPECT_EQ(TimeHistogram::fromBlob(swapped), of({200}));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <gtest/gtest.h>

using namespace staverly::host;

namespace {

TEST(Twips, FifteenToALogicalPixel)
{
    struct Row
    {
        double twips;
        int pixels;
    };
    const Row rows[] = {
        {9600, 640}, {90, 6}, {1580, 105}, {850, 57}, {-15, -1},
        // Halves go to the even pixel.
        {337.5, 22}, {352.5, 24}, {7.5, 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(pixelsFromTwips(row.twips), row.pixels) << row.twips << " twips";
}

TEST(Twips, PixelsBackToTwips)
{
    EXPECT_DOUBLE_EQ(twipsFromPixels(640), 9600.0);
    EXPECT_DOUBLE_EQ(twipsFromPixels(0.5), 7.5);
    EXPECT_DOUBLE_EQ(twipsFromPixels(-1), -15.0);
}

} // namespace

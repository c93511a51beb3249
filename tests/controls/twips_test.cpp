#include "twips.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace staverly::host;

namespace {

TEST(Twips, FifteenAPixelAt96Dpi)
{
    EXPECT_DOUBLE_EQ(twipsPerPixel(96.0), 15.0);
    EXPECT_DOUBLE_EQ(twipsPerPixel(120.0), 12.0);
    EXPECT_DOUBLE_EQ(twipsPerPixel(144.0), 10.0);

    QWidget widget;
    EXPECT_DOUBLE_EQ(twipsPerPixel(&widget), 1440.0 / widget.logicalDpiX());
}

TEST(Twips, BothDirections)
{
    EXPECT_EQ(pixelsFromTwips(9600, 15.0), 640);
    EXPECT_EQ(pixelsFromTwips(90, 15.0), 6);
    EXPECT_EQ(pixelsFromTwips(1580, 15.0), 105);
    EXPECT_EQ(pixelsFromTwips(850, 15.0), 57);
    EXPECT_EQ(pixelsFromTwips(-15, 15.0), -1);
    EXPECT_DOUBLE_EQ(twipsFromPixels(640, 15.0), 9600.0);
    EXPECT_DOUBLE_EQ(twipsFromPixels(0.5, 15.0), 7.5);
    EXPECT_DOUBLE_EQ(twipsFromPixels(105, 12.0), 1260.0);
}

TEST(Twips, HalfPixelsRoundToEven)
{
    EXPECT_EQ(pixelsFromTwips(337.5, 15.0), 22);
    EXPECT_EQ(pixelsFromTwips(352.5, 15.0), 24);
    EXPECT_EQ(pixelsFromTwips(7.5, 15.0), 0);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostcolor.h"
#include "usercontrol1.h"

#include <QImage>
#include <QPalette>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

using staverly::lumetra::UserControl1;

namespace {

struct LevelRow
{
    int low;
    int high;
    float width;
};

const QList<LevelRow> LevelTable{
    {120, 127, 1580}, {110, 119, 1460}, {100, 109, 1330}, {90, 99, 1210}, {80, 89, 1090},
    {70, 79, 970},    {60, 69, 850},    {50, 59, 730},    {40, 49, 610},  {30, 39, 490},
    {20, 29, 370},    {10, 19, 250},    {1, 9, 130},      {0, 0, 0},
};

const QColor HostBackground(255, 0, 255);

class LumetraMeter : public ::testing::Test
{
protected:
    QWidget window;
    UserControl1 meter{&window};

    LumetraMeter()
    {
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, HostBackground);
        window.setPalette(palette);
        window.resize(300, 60);
        meter.move(30, 10);
    }

    void show()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    static int px(double twips) { return int(std::lrint(twips / 15.0)); }
};

TEST_F(LumetraMeter, StartsAtFullScale)
{
    UserControl1 fresh;
    EXPECT_EQ(fresh.value(), 1580.0f);
    EXPECT_EQ(fresh.heightTwips(), 200.0f);
    EXPECT_EQ(fresh.size(), QSize(105, 13));

    EXPECT_EQ(meter.size(), QSize(105, 13));
    EXPECT_EQ(meter.property("value"), QVariant::fromValue(1580.0f));
}

TEST_F(LumetraMeter, LevelTableAtEveryBoundary)
{
    show();
    for (const LevelRow &row : LevelTable) {
        for (const int level : {row.low, row.high}) {
            meter.setValue(level);
            EXPECT_EQ(meter.value(), row.width) << "level " << level;
            EXPECT_EQ(meter.width(), px(row.width)) << "level " << level;
            EXPECT_EQ(meter.height(), 13);
            EXPECT_EQ(meter.pos(), QPoint(30, 10)) << "the left edge stays put";
        }
    }
}

TEST_F(LumetraMeter, ValuesOutsideTheTableKeepTheWidth)
{
    meter.setValue(65);
    ASSERT_EQ(meter.value(), 850.0f);
    for (const QVariant &outside : {QVariant(128), QVariant(-5), QVariant(-1), QVariant(32767),
                                    QVariant(119.5), QVariant(0.5), QVariant(QStringLiteral("loud")),
                                    QVariant()}) {
        meter.setValue(outside);
        EXPECT_EQ(meter.value(), 850.0f) << outside.toString().toStdString();
    }
    meter.setValue(QStringLiteral("1"));
    EXPECT_EQ(meter.value(), 130.0f);
}

TEST_F(LumetraMeter, LateBoundLevelTakesAnyNumberType)
{
    ASSERT_TRUE(meter.setProperty("value", QVariant::fromValue<qint16>(9)));
    EXPECT_EQ(meter.value(), 130.0f);
    ASSERT_TRUE(meter.setProperty("value", 100));
    EXPECT_EQ(meter.property("value").toFloat(), 1330.0f);
    EXPECT_EQ(meter.property("value").metaType(), QMetaType::fromType<float>());
}

TEST_F(LumetraMeter, HostResizeBringsBackFullScaleAndHeight)
{
    show();
    meter.setValue(65);
    ASSERT_EQ(meter.width(), 57);

    meter.resize(57, 40);
    EXPECT_EQ(meter.size(), QSize(105, 13));
    EXPECT_EQ(meter.value(), 1580.0f);

    meter.setValue(1);
    meter.resize(200, 13);
    EXPECT_EQ(meter.size(), QSize(105, 13));
    EXPECT_EQ(meter.value(), 1580.0f);

    meter.setValue(0);
    EXPECT_EQ(meter.size(), QSize(0, 13)) << "a level change keeps its width";
    meter.setGeometry(40, 20, 10, 10);
    EXPECT_EQ(meter.geometry(), QRect(40, 20, 105, 13));
}

TEST_F(LumetraMeter, LevelSetWhileHiddenSurvivesBeingShown)
{
    meter.setValue(65);
    show();
    EXPECT_EQ(meter.value(), 850.0f);
    EXPECT_EQ(meter.width(), 57);
}

TEST_F(LumetraMeter, RenderedSegmentsMatchTheLevel)
{
    show();
    const QColor separator = staverly::host::toQColor(staverly::host::WindowBackground, meter.palette());
    for (const int level : {127, 0, 1, 9, 10, 65, 119, 127}) {
        meter.setValue(level);
        const float width = meter.value();
        const QImage image = window.grab().toImage();
        const QPoint origin = meter.pos();
        const int middle = origin.y() + px(100);

        for (int i = 0; i < UserControl1::SegmentCount; ++i) {
            const double centre = 120.0 * i + 60.0;
            if (centre >= width)
                break;
            const QColor fill = staverly::host::toQColor(UserControl1::SegmentColors[i]);
            EXPECT_EQ(image.pixelColor(origin.x() + px(centre), middle), fill)
                << "level " << level << " segment " << i;
            if (i > 0) {
                EXPECT_EQ(image.pixelColor(origin.x() + px(120.0 * i), middle), separator)
                    << "level " << level << " left of segment " << i;
            }
        }
        // Nothing of the meter beyond its width.
        const int right = origin.x() + px(width);
        for (int x = right; x < right + 40; ++x)
            ASSERT_EQ(image.pixelColor(x, middle), HostBackground) << "level " << level << " x " << x;
        ASSERT_EQ(image.pixelColor(origin.x() - 1, middle), HostBackground);
    }
}

TEST_F(LumetraMeter, LaterSegmentsLieOnTheOutlineOfTheOneBefore)
{
    // Each segment is 9 pixels wide at a pitch of 8, so its right outline is
    // the next one's left outline; the last one's is the meter's last column.
    const QImage image = meter.grab().toImage();
    ASSERT_EQ(image.size(), QSize(105, 13));
    const QColor separator = staverly::host::toQColor(staverly::host::WindowBackground, meter.palette());
    const QColor crimson = staverly::host::toQColor(0x002D12AB);
    const QColor darkBlue = staverly::host::toQColor(0x00C00000);
    EXPECT_EQ(image.pixelColor(95, 6), crimson);
    EXPECT_EQ(image.pixelColor(96, 6), separator);
    EXPECT_EQ(image.pixelColor(97, 6), darkBlue);
    EXPECT_EQ(image.pixelColor(103, 6), darkBlue);
    EXPECT_EQ(image.pixelColor(104, 6), separator);
    EXPECT_EQ(image.pixelColor(100, 0), separator);
    EXPECT_EQ(image.pixelColor(100, 12), separator);
}

// The cases below hold on any screen: tests/controls/CMakeLists.txt runs them
// again at other logical dpis and device pixel ratios. A logical pixel is 15
// twips on every one of them, as it is for the window that hosts the meter.
using LumetraMeterOnAnyScreen = LumetraMeter;

TEST_F(LumetraMeterOnAnyScreen, LevelsSizeTheMeterAtFifteenTwipsAPixel)
{
    struct Size
    {
        int level;
        int width;
    };
    // 1330 and 130 twips are 88.67 and 8.67 pixels.
    const Size sizes[] = {{127, 105}, {100, 89}, {65, 57}, {9, 9}, {0, 0}};
    for (const Size &s : sizes) {
        meter.setValue(s.level);
        EXPECT_EQ(meter.size(), QSize(s.width, 13)) << "level " << s.level;
    }
    UserControl1 fresh;
    EXPECT_EQ(fresh.size(), QSize(105, 13));
}

TEST_F(LumetraMeterOnAnyScreen, SegmentsLieEightPixelsApart)
{
    const QImage image = meter.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    for (int i = 0; i < UserControl1::SegmentCount; ++i) {
        // Segment i's middle, 120 i + 60 twips, is pixel 8 i + 4.
        const QPoint middle(int((8 * i + 4.5) * ratio), int(6.5 * ratio));
        EXPECT_EQ(image.pixelColor(middle), staverly::host::toQColor(UserControl1::SegmentColors[i]))
            << "segment " << i;
    }
}

} // namespace

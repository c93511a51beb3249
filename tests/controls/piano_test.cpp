// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostcolor.h"
#include "overflowerror.h"
#include "propertybag.h"
#include "typemismatcherror.h"
#include "usercontrol1.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <iterator>

using staverly::host::PropertyBag;
using staverly::piano::UserControl1;

namespace {

class PianoSlider : public ::testing::Test
{
protected:
    // The main window's slider: 9600 twips wide, so the track runs 0..9270.
    static constexpr float Length = 9270.0f;

    QWidget window;
    UserControl1 slider{&window};
    QList<qint16> changes;

    PianoSlider()
    {
        slider.resize(640, 6);
        QObject::connect(&slider, &UserControl1::changed, [this](qint16 &loc) { changes.append(loc); });
    }

    void show()
    {
        window.resize(1000, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void move(qreal x, Qt::MouseButtons buttons)
    {
        const QPointF position(x, 3);
        QMouseEvent event(QEvent::MouseMove, position, slider.mapToGlobal(position), Qt::NoButton,
                          buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&slider, &event);
    }

    Qt::CursorShape pointer() const { return slider.cursor().shape(); }
};

TEST_F(PianoSlider, StartsWithTheDesignGeometry)
{
    UserControl1 fresh;
    EXPECT_EQ(fresh.height(), 6);

    EXPECT_EQ(slider.height(), 6);
    EXPECT_EQ(slider.thumb().left, 0.0f);
    EXPECT_EQ(slider.thumb().top, 0.0f);
    EXPECT_EQ(slider.thumb().width, 330.0f);
    EXPECT_EQ(slider.thumb().height, 90.0f);
    EXPECT_EQ(slider.thumb().borderColor, 0x00404040u);
    EXPECT_EQ(slider.value(), 0);
    EXPECT_EQ(slider.thumb_width(), 330);
    EXPECT_EQ(slider.sliderColor(), 255u);
    EXPECT_EQ(slider.bgcolor(), 0x8000000Fu);
    EXPECT_TRUE(slider.hasMouseTracking());
    EXPECT_EQ(slider.focusPolicy(), Qt::NoFocus);
}

TEST_F(PianoSlider, LeftDragFollowsThePointerToBothEndsOfTheTrack)
{
    ASSERT_EQ(slider.widthTwips(), 9600.0f);

    move(0, Qt::LeftButton);
    EXPECT_EQ(slider.thumb().left, 0.0f);
    EXPECT_EQ(changes, QList<qint16>{0});
    EXPECT_EQ(pointer(), Qt::SizeHorCursor);

    move(618, Qt::LeftButton); // 9270 twips, the end of the track
    EXPECT_EQ(slider.thumb().left, Length);
    EXPECT_EQ(slider.value(), 9270);
    EXPECT_EQ(changes, (QList<qint16>{0, 9270}));

    move(-1, Qt::LeftButton);
    EXPECT_EQ(slider.thumb().left, Length);
    EXPECT_EQ(pointer(), Qt::ArrowCursor);
    move(619, Qt::LeftButton);
    EXPECT_EQ(slider.thumb().left, Length);
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(pointer(), Qt::ArrowCursor);
}

TEST_F(PianoSlider, TrackEndsAreInclusiveToTheTwip)
{
    slider.mouseMoveTwips(Qt::LeftButton, Qt::NoModifier, 500.0f);
    slider.mouseMoveTwips(Qt::LeftButton, Qt::NoModifier, -1.0f);
    EXPECT_EQ(slider.thumb().left, 500.0f);
    EXPECT_EQ(pointer(), Qt::ArrowCursor);
    slider.mouseMoveTwips(Qt::LeftButton, Qt::NoModifier, Length + 1.0f);
    EXPECT_EQ(slider.thumb().left, 500.0f);
    EXPECT_EQ(changes, QList<qint16>{500});

    slider.mouseMoveTwips(Qt::LeftButton, Qt::ShiftModifier, Length);
    EXPECT_EQ(slider.thumb().left, Length);
    EXPECT_EQ(pointer(), Qt::SizeHorCursor);
    slider.mouseMoveTwips(Qt::LeftButton, Qt::NoModifier, 0.0f);
    EXPECT_EQ(slider.thumb().left, 0.0f);
    EXPECT_EQ(changes, (QList<qint16>{500, 9270, 0}));
}

TEST_F(PianoSlider, HalfTwipsRoundToEvenThroughRealMoves)
{
    // Half a pixel is 7.5 twips.
    move(6.5, Qt::LeftButton);
    EXPECT_EQ(slider.thumb().left, 97.5f);
    EXPECT_EQ(slider.value(), 98);
    move(7.5, Qt::LeftButton);
    EXPECT_EQ(slider.thumb().left, 112.5f);
    EXPECT_EQ(slider.value(), 112);
    EXPECT_EQ(changes, (QList<qint16>{98, 112}));
}

TEST_F(PianoSlider, HalfTwipsRoundToEvenAtTheScreensScale)
{
    slider.mouseMoveTwips(Qt::LeftButton, Qt::NoModifier, 100.5f);
    EXPECT_EQ(slider.value(), 100);
    slider.mouseMoveTwips(Qt::LeftButton, Qt::NoModifier, 101.5f);
    EXPECT_EQ(slider.value(), 102);
    slider.mouseMoveTwips(Qt::LeftButton, Qt::NoModifier, 9269.5f);
    EXPECT_EQ(slider.value(), 9270);
    EXPECT_EQ(changes, (QList<qint16>{100, 102, 9270}));
}

TEST_F(PianoSlider, OnlyTheLeftButtonAloneDrags)
{
    move(100, Qt::LeftButton);
    ASSERT_EQ(pointer(), Qt::SizeHorCursor);
    const QList<Qt::MouseButtons> notDrags{
        Qt::NoButton,
        Qt::RightButton,
        Qt::MiddleButton,
        Qt::LeftButton | Qt::RightButton,
        Qt::LeftButton | Qt::MiddleButton,
        Qt::LeftButton | Qt::BackButton,
    };
    for (const Qt::MouseButtons buttons : notDrags) {
        move(100, Qt::LeftButton);
        move(300, buttons);
        EXPECT_EQ(slider.thumb().left, 1500.0f) << buttons.toInt();
        EXPECT_EQ(pointer(), Qt::ArrowCursor) << buttons.toInt();
    }
    EXPECT_EQ(changes.size(), 1 + notDrags.size());
    EXPECT_EQ(changes.last(), 1500);
}

TEST_F(PianoSlider, FastDragPastTheEndStopsAtTheLastReportedMove)
{
    move(400, Qt::LeftButton);
    move(600, Qt::LeftButton);
    move(700, Qt::LeftButton);
    EXPECT_EQ(slider.value(), 9000);
    EXPECT_EQ(changes.last(), 9000);
}

TEST_F(PianoSlider, PressAndReleaseWithoutMovingDoNothing)
{
    show();
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(300, 3));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(300, 3));
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(400, 3));
    QTest::mouseDClick(&slider, Qt::LeftButton, {}, QPoint(400, 3));
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.thumb().left, 0.0f);
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(PianoSlider, ChangedRunsInsideTheMoveAndLocIsNeverReadBack)
{
    QList<qint16> valueDuringHandler;
    QObject::connect(&slider, &UserControl1::changed, [&](qint16 &loc) {
        valueDuringHandler.append(slider.value());
        loc = 1234;
    });

    move(200, Qt::LeftButton);

    EXPECT_EQ(valueDuringHandler, QList<qint16>{3000});
    EXPECT_EQ(slider.value(), 3000);
    EXPECT_EQ(slider.thumb().left, 3000.0f);
}

TEST_F(PianoSlider, PropertySetsNotifyTheHostButNeverRaiseChanged)
{
    QSignalSpy notified(&slider, &UserControl1::propertyChanged);

    slider.setValue(20000);
    EXPECT_EQ(slider.value(), 20000);
    EXPECT_EQ(slider.thumb().left, 20000.0f);
    slider.setValue(-500);
    EXPECT_EQ(slider.value(), -500);
    slider.setSliderColor(0x00FF0000);
    slider.setThumb_width(500);
    slider.setBgcolor(0x80000005);
    ASSERT_TRUE(slider.setProperty("value", 340));

    EXPECT_EQ(slider.sliderColor(), 0x00FF0000u);
    EXPECT_EQ(slider.thumb_width(), 500);
    EXPECT_EQ(slider.bgcolor(), 0x80000005u);
    EXPECT_EQ(slider.value(), 340);
    EXPECT_TRUE(changes.isEmpty());
    QStringList names;
    for (const QList<QVariant> &arguments : notified)
        names.append(arguments.at(0).toString());
    EXPECT_EQ(names, (QStringList{"value", "value", "sliderColor", "thumb_width", "bgcolor", "value"}));
}

TEST_F(PianoSlider, ThumbWiderThanTheControlStopsAllDragging)
{
    slider.setThumb_width(10000);
    EXPECT_EQ(slider.thumb_width(), 10000);
    move(0, Qt::LeftButton);
    slider.mouseMoveTwips(Qt::LeftButton, Qt::NoModifier, 0.0f);
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_EQ(pointer(), Qt::ArrowCursor);

    slider.setThumb_width(9600);
    move(0, Qt::LeftButton);
    EXPECT_EQ(changes, QList<qint16>{0}) << "a zero-length track still has its one position";
}

TEST_F(PianoSlider, HeightStaysNinetyTwipsWhateverTheHostAsks)
{
    show();
    slider.resize(800, 50);
    EXPECT_EQ(slider.size(), QSize(800, 6));
    slider.setGeometry(10, 10, 700, 200);
    EXPECT_EQ(slider.size(), QSize(700, 6));
    // Even a host that lifts the size constraints gets 90 twips back.
    slider.setMinimumHeight(0);
    slider.setMaximumHeight(QWIDGETSIZE_MAX);
    slider.resize(700, 40);
    EXPECT_EQ(slider.size(), QSize(700, 6));
}

TEST_F(PianoSlider, LoadsTheMainWindowsLowerCaseDesign)
{
    PropertyBag high;
    high.write("value", QVariant::fromValue(5000.0f));
    high.write("bgcolor", 0x80000005u);
    slider.readProperties(high);
    EXPECT_EQ(slider.value(), 5000);
    EXPECT_EQ(slider.sliderColor(), 255u);
    EXPECT_EQ(slider.bgcolor(), 0x80000005u);

    UserControl1 low;
    PropertyBag stored;
    stored.write("slidercolor", 0x00FF0000u);
    low.readProperties(stored);
    EXPECT_EQ(low.value(), 0);
    EXPECT_EQ(low.sliderColor(), 0x00FF0000u) << "a case-sensitive host would show it red";
    EXPECT_EQ(low.bgcolor(), 0x8000000Fu);
}

TEST_F(PianoSlider, MissingKeysTakeTheirDefaultsInOrder)
{
    slider.setValue(777);
    slider.setSliderColor(0x00FF0000);
    slider.setBgcolor(0x80000005);
    QSignalSpy notified(&slider, &UserControl1::propertyChanged);

    slider.readProperties(PropertyBag());

    EXPECT_EQ(slider.value(), 0);
    EXPECT_EQ(slider.sliderColor(), 255u);
    EXPECT_EQ(slider.bgcolor(), 0x8000000Fu);
    ASSERT_EQ(notified.size(), 3);
    EXPECT_EQ(notified[0][0].toString(), "value");
    EXPECT_EQ(notified[1][0].toString(), "sliderColor");
    EXPECT_EQ(notified[2][0].toString(), "bgcolor");
}

TEST_F(PianoSlider, SavesTheUnroundedPositionAndLoadsItBack)
{
    slider.mouseMoveTwips(Qt::LeftButton, Qt::NoModifier, 5000.5f);
    slider.setSliderColor(0x00FF0000);
    PropertyBag bag;
    slider.writeProperties(bag);

    EXPECT_EQ(bag.keys(), (QStringList{"Value", "SliderColor", "bgcolor"}));
    const QVariant stored = bag.read("value", {});
    EXPECT_EQ(stored.metaType(), QMetaType::fromType<float>());
    EXPECT_EQ(stored.toFloat(), 5000.5f);
    EXPECT_EQ(bag.defaultValue("Value"), QVariant::fromValue<qint16>(0));
    EXPECT_EQ(bag.read("slidercolor", {}).toUInt(), 0x00FF0000u);
    EXPECT_EQ(bag.defaultValue("SliderColor").toUInt(), 255u);
    EXPECT_EQ(bag.read("bgcolor", {}).toUInt(), 0x8000000Fu);
    EXPECT_EQ(bag.defaultValue("bgcolor").toUInt(), 0x8000000Fu);

    UserControl1 copy;
    copy.readProperties(bag);
    EXPECT_EQ(copy.value(), 5000);
    EXPECT_EQ(copy.thumb().left, 5000.0f) << "loading goes through the 16-bit value";
    EXPECT_EQ(copy.sliderColor(), 0x00FF0000u);

    slider.setValue(5000);
    slider.writeProperties(bag);
    EXPECT_EQ(bag.read("Value", {}), QVariant::fromValue(5000.0f));
}

TEST_F(PianoSlider, StoredValueBeyondSixteenBitsFailsTheLoad)
{
    slider.setValue(123);
    PropertyBag bag;
    bag.write("Value", 40000);
    bag.write("sliderColor", 0x00FF0000u);
    EXPECT_THROW(slider.readProperties(bag), staverly::host::OverflowError);
    EXPECT_EQ(slider.value(), 123);
    EXPECT_EQ(slider.sliderColor(), 255u) << "the load stops at its first step";

    bag.write("Value", QVariant::fromValue(32767.5f));
    EXPECT_THROW(slider.readProperties(bag), staverly::host::OverflowError);
    bag.write("Value", QStringLiteral("far"));
    EXPECT_THROW(slider.readProperties(bag), staverly::host::TypeMismatchError);
    bag.write("Value", QVariant::fromValue(-32768.5f));
    slider.readProperties(bag);
    EXPECT_EQ(slider.value(), -32768);
}

TEST_F(PianoSlider, PaintsTheThumbOverTheTrack)
{
    slider.setValue(4000);
    slider.setSliderColor(0x00FF0000);
    slider.setBgcolor(0x80000005);
    const QImage image = slider.grab().toImage();
    ASSERT_EQ(image.size(), QSize(640, 6));

    // 4000..4330 twips are pixels 267..289 (266.67 and 288.67 rounded).
    const QColor background = staverly::host::toQColor(0x80000005, slider.palette());
    EXPECT_EQ(image.pixelColor(266, 3), background);
    EXPECT_EQ(image.pixelColor(267, 3), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(image.pixelColor(278, 0), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(image.pixelColor(278, 3), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(288, 3), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(image.pixelColor(289, 3), background);
    EXPECT_EQ(image.pixelColor(0, 3), background);
    EXPECT_EQ(image.pixelColor(639, 3), background);
}

// The cases below hold on any screen: tests/controls/CMakeLists.txt runs them
// again at other logical dpis and device pixel ratios. A logical pixel is 15
// twips on every one of them, as it is for the window that hosts the slider.
class PianoSliderOnAnyScreen : public PianoSlider
{
protected:
    // The middle of logical pixel (x, y), whatever the device pixel ratio.
    static QColor colourAt(const QImage &image, int x, int y)
    {
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(int((x + 0.5) * ratio), int((y + 0.5) * ratio));
    }
};

TEST_F(PianoSliderOnAnyScreen, IsNinetyTwipsHighAndAsWideAsTheWindowsKeyboard)
{
    UserControl1 fresh;
    EXPECT_EQ(fresh.height(), 6);
    slider.setGeometry(0, 245, 640, 90);
    EXPECT_EQ(slider.size(), QSize(640, 6));
    EXPECT_EQ(slider.widthTwips(), 9600.0f);
}

TEST_F(PianoSliderOnAnyScreen, DragPositionsAreFifteenTwipsAPixel)
{
    struct Move
    {
        qreal x;
        qint16 position;
    };
    // 7350 twips was the end of the track at 120 dpi; 9180 is white key 28's place.
    const Move moves[] = {{0, 0}, {23, 345}, {490, 7350}, {512, 7680}, {612, 9180}, {618, 9270}};
    for (const Move &m : moves) {
        move(m.x, Qt::LeftButton);
        EXPECT_EQ(slider.value(), m.position) << "pixel " << m.x;
        EXPECT_EQ(changes.last(), m.position) << "pixel " << m.x;
    }
    move(619, Qt::LeftButton);
    EXPECT_EQ(slider.value(), 9270) << "past the end of the track";
    EXPECT_EQ(changes.size(), qsizetype(std::size(moves)));
}

TEST_F(PianoSliderOnAnyScreen, ThumbIsDrawnWhereItsTwipsFall)
{
    struct Place
    {
        qint16 value;
        int left;  // first pixel of the thumb
        int right; // first pixel past it
    };
    // 4420..4750 twips are 294.67..316.67 pixels.
    const Place places[] = {{0, 0, 22}, {4420, 295, 317}, {7680, 512, 534}, {9180, 612, 634}};
    slider.setBgcolor(0x00FFFFFF);
    for (const Place &p : places) {
        slider.setValue(p.value);
        const QImage image = slider.grab().toImage();
        const QColor white(Qt::white);
        if (p.left > 0) {
            EXPECT_EQ(colourAt(image, p.left - 1, 3), white) << "value " << p.value;
        }
        EXPECT_NE(colourAt(image, p.left, 3), white) << "value " << p.value;
        EXPECT_EQ(colourAt(image, (p.left + p.right) / 2, 3), QColor(Qt::red)) << "value " << p.value;
        EXPECT_NE(colourAt(image, p.right - 1, 3), white) << "value " << p.value;
        EXPECT_EQ(colourAt(image, p.right, 3), white) << "value " << p.value;
    }
}

} // namespace

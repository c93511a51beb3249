// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"
#include "random.h"
#include "scripteddesktop.h"
#include "scriptedrandom.h"
#include "wipepicture.h"
#include "wipesurface.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

struct Fill
{
    qint64 x1, y1, x2, y2;
    bool operator==(const Fill &) const = default;
};

class RecordingSurface : public WipeSurface
{
public:
    RecordingSurface(int w, int h) : m_w(w), m_h(h) {}
    int scaleWidth() const override { return m_w; }
    int scaleHeight() const override { return m_h; }
    QColor backColor() const override { return Qt::white; }
    QColor foreColor() const override { return m_fore; }
    void setForeColor(const QColor &c) override { m_fore = c; }
    void fillBox(qint64 x1, qint64 y1, qint64 x2, qint64 y2) override
    {
        fills.push_back({x1, y1, x2, y2});
        colours.push_back(m_fore);
    }
    void showNow() override { ++shown; }

    std::vector<Fill> fills;
    std::vector<QColor> colours;
    int shown = 0;

private:
    int m_w, m_h;
    QColor m_fore = Qt::black;
};

using SequenceRandom = test::ScriptedRandom;

TEST(WipePicture, ColumnSweepOnTheDocumentedGrid)
{
    RecordingSurface box(2000, 1000);
    test::ScriptedDesktop desktop;
    SequenceRandom random;
    qint16 mode = 2, steps = 70;
    wipe_picture(box, mode, steps, desktop, random);

    ASSERT_EQ(box.fills.size(), 71u * 71u);
    // w = 28.57 -> 29, h = 14.29 -> 14; left to right, top to bottom in each column.
    EXPECT_EQ(box.fills.front(), (Fill{0, 0, 29, 14}));
    EXPECT_EQ(box.fills[1], (Fill{0, 14, 29, 28}));
    EXPECT_EQ(box.fills[71], (Fill{29, 0, 58, 14}));
    EXPECT_EQ(box.fills.back(), (Fill{70 * 29, 70 * 14, 71 * 29, 71 * 14}));
    // The grid ends at 994: the bottom 6 units stay unwiped.
    EXPECT_EQ(box.fills.back().y2, 994);
    // Every cell and every column lets events run; the fills use the background.
    EXPECT_EQ(desktop.processEventsCalls, 71 * 71 + 71);
    for (const QColor &c : box.colours)
        ASSERT_EQ(c, QColor(Qt::white));
    EXPECT_EQ(box.foreColor(), QColor(Qt::black));
}

TEST(WipePicture, StepsAreClampedAndWrittenBack)
{
    RecordingSurface box(1000, 1000);
    test::ScriptedDesktop desktop;
    SequenceRandom random;
    qint16 mode = 0, steps = 3;
    wipe_picture(box, mode, steps, desktop, random);
    EXPECT_EQ(steps, 5);
    EXPECT_EQ(box.fills.size(), 36u);
    steps = 150;
    box.fills.clear();
    wipe_picture(box, mode, steps, desktop, random);
    EXPECT_EQ(steps, 100);
    EXPECT_EQ(box.fills.size(), 101u * 101u);
}

TEST(WipePicture, UpwardAndLeftwardSweepsStartOutsideTheBox)
{
    RecordingSurface box(500, 500);
    test::ScriptedDesktop desktop;
    SequenceRandom random;
    qint16 mode = 1, steps = 5;
    wipe_picture(box, mode, steps, desktop, random);
    EXPECT_EQ(box.fills.front(), (Fill{-100, 400, 0, 500}));
    EXPECT_EQ(box.fills.back(), (Fill{400, -100, 500, 0}));
    box.fills.clear();
    mode = 3;
    wipe_picture(box, mode, steps, desktop, random);
    EXPECT_EQ(box.fills.front(), (Fill{400, 0, 500, 100}));
    EXPECT_EQ(box.fills[6], (Fill{300, 0, 400, 100}));
    EXPECT_EQ(box.fills.back(), (Fill{-100, 500, 0, 600}));
}

TEST(WipePicture, CentreSquareGrowsInTwentyMillisecondSteps)
{
    RecordingSurface box(700, 700);
    test::ScriptedDesktop desktop;
    SequenceRandom random;
    qint16 mode = 5, steps = 5;
    wipe_picture(box, mode, steps, desktop, random);
    // 2.5 rounds to 2: k = 2, 1, 0.
    ASSERT_EQ(box.fills.size(), 3u);
    EXPECT_EQ(box.fills[0], (Fill{280, 280, 560, 560}));
    EXPECT_EQ(box.fills[2], (Fill{0, 0, 840, 840}));
    EXPECT_EQ(desktop.sleeps, (std::vector<int>{20, 20, 20}));
    EXPECT_EQ(desktop.processEventsCalls, 0);
    EXPECT_EQ(box.shown, 3);

    box.fills.clear();
    steps = 7;
    wipe_picture(box, mode, steps, desktop, random);
    // 3.5 rounds to 4, whose box has both corners at (4w, 4h).
    ASSERT_EQ(box.fills.size(), 5u);
    EXPECT_EQ(box.fills[0], (Fill{400, 400, 400, 400}));
}

TEST(WipePicture, DissolveCountsMissesThenFillsTheWholeBox)
{
    RecordingSurface box(500, 500);
    test::ScriptedDesktop desktop;
    // Cells (0,0) then (4,3), then nothing but repeats of (0,0).
    std::deque<double> draws{0.0, 0.0, 0.9, 0.7};
    for (int i = 0; i < 100; ++i)
        draws.push_back(0.1);
    SequenceRandom random(draws);
    qint16 mode = 4, steps = 5;
    wipe_picture(box, mode, steps, desktop, random);
    ASSERT_EQ(box.fills.size(), 3u);
    EXPECT_EQ(box.fills[0], (Fill{0, 0, 100, 100}));
    EXPECT_EQ(box.fills[1], (Fill{400, 300, 500, 400}));
    EXPECT_EQ(box.fills[2], (Fill{0, 0, 500, 500}));
}

TEST(WipePicture, UnknownModeDrawsNothingAndRestoresTheColour)
{
    RecordingSurface box(500, 500);
    test::ScriptedDesktop desktop;
    SequenceRandom random;
    for (qint16 m : {qint16(6), qint16(-1)}) {
        qint16 mode = m, steps = 10;
        wipe_picture(box, mode, steps, desktop, random);
    }
    EXPECT_TRUE(box.fills.empty());
    EXPECT_EQ(box.foreColor(), QColor(Qt::black));
}

TEST(PictureBox, MissingPictureShowsANoticeNamingTheFile)
{
    PictureBox picture;
    picture.resize(460, 240);
    QTemporaryDir dir;
    const QString path = dir.filePath("images/t60.gif");
    EXPECT_FALSE(picture.loadPicture(path));
    EXPECT_FALSE(picture.pictureError().isEmpty());
    // Something is drawn: not a blank staff.
    const QImage &canvas = picture.canvas();
    int inked = 0;
    for (int y = 0; y < canvas.height(); y += 2)
        for (int x = 0; x < canvas.width(); x += 2)
            inked += canvas.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_GT(inked, 100);
}

TEST(PictureBox, WipeCoversTheCanvasInTheBackground)
{
    PictureBox picture;
    picture.resize(100, 60);
    picture.setBackColor(Qt::white);
    picture.setForeColor(Qt::black);
    picture.fillBox(0, 0, 100 * 15, 60 * 15);
    ASSERT_EQ(picture.canvas().pixelColor(50, 30), QColor(Qt::black));
    test::ScriptedDesktop desktop;
    SequenceRandom random;
    qint16 mode = 2, steps = 10;
    wipe_picture(picture, mode, steps, desktop, random);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(picture.canvas().pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

} // namespace

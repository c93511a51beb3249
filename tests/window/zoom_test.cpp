// SPDX-License-Identifier: GPL-3.0-or-later
// View > Zoom: the size chosen is kept for the next start.
#include "mainwindowfixture.h"

#include "windowzoom.h"

#include <QAction>
#include <QMenu>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;

namespace {

class Zoom : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }
    QAction *item(int percent)
    {
        return w().zoomMenu->findChild<QAction *>(QStringLiteral("zoom%1Item").arg(percent));
    }
};

TEST_F(Zoom, AChoiceIsStoredForTheNextStartAndToldSo)
{
    start();
    ASSERT_TRUE(item(150));
    desktop.answer(Answer::Ok, [](const auto &box) {
        EXPECT_EQ(box.title, "Zoom");
        EXPECT_EQ(box.text, "Staverly shows its window at 150 % from its next start.");
    });
    item(150)->trigger();
    EXPECT_EQ(stored(keys::Zoom), "150");
    EXPECT_EQ(WindowZoom::stored(settings.applicationName()), 150);
    desktop.answer(Answer::Ok, [](const auto &box) { EXPECT_EQ(box.text, "Staverly stays at 100 %."); });
    item(100)->trigger();
    EXPECT_EQ(stored(keys::Zoom), "100");
    item(100)->trigger(); // the size in force again: nothing to tell
    EXPECT_TRUE(desktop.scriptDone());

    // A size that is no choice, or no number, starts at 100 %.
    for (const char *text : {"125", "big", ""}) {
        store(keys::Zoom, text);
        EXPECT_EQ(WindowZoom::stored(settings.applicationName()), 100) << text;
    }
}

TEST(WindowZoomFits, OnlySizesTheScreenCanShow)
{
    const QSize window(640, 480), laptop(1366, 728), fourK(3840, 2080);
    EXPECT_TRUE(WindowZoom::fits(200, 100, window, laptop) == false);
    EXPECT_TRUE(WindowZoom::fits(150, 100, window, laptop));
    EXPECT_TRUE(WindowZoom::fits(200, 100, window, fourK));
    // At 200 % already the window is twice as large: 100 % always fits.
    EXPECT_TRUE(WindowZoom::fits(100, 200, QSize(1280, 960), laptop));
}

} // namespace

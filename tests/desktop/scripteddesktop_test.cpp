// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripteddesktop.h"

#include <QWidget>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace staverly;
using test::ScriptedDesktop;

namespace {

// What a caller typically does with the seam: ask, then act on the answer.
bool confirmQuit(Desktop &desktop, QWidget *window)
{
    return desktop.messageBox(window, QStringLiteral("Are you sure you want to Quit?"),
                              Desktop::Buttons::YesNo, Desktop::Icon::Question,
                              QStringLiteral("Exit Notification"))
           == Desktop::Answer::Yes;
}

} // namespace

TEST(ScriptedDesktop, AnswersMessageBoxesInOrderAndRecordsThem)
{
    ScriptedDesktop desktop;
    QWidget window;
    desktop.answer(Desktop::Answer::No, [](const ScriptedDesktop::Box &box) {
        EXPECT_EQ(box.title, "Exit Notification");
        EXPECT_EQ(box.icon, Desktop::Icon::Question);
        EXPECT_EQ(box.buttons, Desktop::Buttons::YesNo);
    });
    desktop.answer(Desktop::Answer::Yes);
    EXPECT_FALSE(confirmQuit(desktop, &window));
    EXPECT_TRUE(confirmQuit(desktop, &window));
    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes[1].text, "Are you sure you want to Quit?");
    EXPECT_TRUE(desktop.scriptDone());
}

TEST(ScriptedDesktop, UnscriptedBoxFailsTheTestInsteadOfHanging)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDesktop desktop;
            desktop.messageBox(nullptr, "Surprise", Desktop::Buttons::Ok,
                               Desktop::Icon::None, "Staverly");
        },
        "unexpected message box");
}

TEST(ScriptedDesktop, SleepsTakeNoTimeButAreCounted)
{
    ScriptedDesktop desktop;
    int hooked = 0;
    desktop.onProcessEvents([&] { ++hooked; });
    desktop.sleep(500);
    desktop.sleep(250);
    desktop.processEvents();
    EXPECT_EQ(desktop.sleptMs, 750);
    EXPECT_EQ(desktop.sleeps, (std::vector<int>{500, 250}));
    EXPECT_EQ(hooked, 1);
}

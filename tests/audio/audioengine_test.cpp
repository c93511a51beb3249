// SPDX-License-Identifier: GPL-3.0-or-later
#include "audioengine.h"

#include <gtest/gtest.h>

using namespace staverly;

// On a computer with no sound at all each lesson sound would try every
// driver again, a pause after every wrong answer: for a while after a
// failure the same drivers fail at once, with the same reason.
TEST(AudioEngineStart, DriversThatFailedAreNotTriedAgainAtOnce)
{
    AudioEngine engine;
    const QStringList none{QStringLiteral("no-such-driver")};
    EXPECT_FALSE(engine.start(none));
    const QString reason = engine.error();
    EXPECT_TRUE(reason.contains("no-such-driver")) << reason.toStdString();
    for (int sound = 0; sound < 5; ++sound)
        EXPECT_FALSE(engine.start(none));
    EXPECT_EQ(engine.openAttempts(), 1);
    EXPECT_EQ(engine.error(), reason);
    // Other drivers are tried.
    EXPECT_FALSE(engine.start({QStringLiteral("another-driver")}));
    EXPECT_EQ(engine.openAttempts(), 2);
}

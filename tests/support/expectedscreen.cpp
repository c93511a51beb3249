// SPDX-License-Identifier: GPL-3.0-or-later
#include "expectedscreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace staverly::test {

void ExpectedScreen::SetUp()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    if (qEnvironmentVariableIsSet("STAVERLY_TEST_DPI")) {
        ASSERT_EQ(qRound(screen->logicalDotsPerInchX()), qEnvironmentVariableIntValue("STAVERLY_TEST_DPI"))
            << "the platform did not take the logical dpi this run is for";
    }
    if (qEnvironmentVariableIsSet("STAVERLY_TEST_PIXEL_RATIO")) {
        ASSERT_DOUBLE_EQ(screen->devicePixelRatio(), qEnvironmentVariable("STAVERLY_TEST_PIXEL_RATIO").toDouble())
            << "the platform did not take the device pixel ratio this run is for";
    }
}

} // namespace staverly::test

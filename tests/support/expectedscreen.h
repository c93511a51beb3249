// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

namespace staverly::test {

// A run started for one screen (staverly_add_screen_run) first checks that
// Qt gave it that screen, so that it cannot pass on the plain 96-dpi one.
// STAVERLY_TEST_DPI names the logical dpi, STAVERLY_TEST_PIXEL_RATIO the
// device pixel ratio; a run without them takes any screen.
class ExpectedScreen : public ::testing::Environment
{
public:
    void SetUp() override;
};

} // namespace staverly::test

#pragma once

#include "jackserver.h"

#include <QtGlobal>
#include <gtest/gtest.h>

namespace staverly {

// Tests that talk to a JACK server. In CI (CI=true) a missing server is a
// failure: scripts/test starts one. A developer without one is told how.
class JackRequirement : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (JackServer::running())
            return;
        if (qgetenv("CI") == "true")
            FAIL() << "No JACK server answers; scripts/test starts one with scripts/jack start and "
                      "exports its name as JACK_DEFAULT_SERVER.";
        GTEST_SKIP() << "No JACK server is running; start one with scripts/jack start and "
                        "export JACK_DEFAULT_SERVER=$(scripts/jack name).";
    }
};

} // namespace staverly

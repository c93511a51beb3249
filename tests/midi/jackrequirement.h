// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jackserver.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace staverly {

// Tests that talk to a JACK server. In CI (CI=true) a missing server is a
// failure: scripts/test starts one. A developer without one is told how.
class JackRequirement : public ::testing::Test
{
public:
    // Whether the shared server answers. One that scripts/test named is
    // given time: on a busy machine a client may take seconds to open.
    static bool answers()
    {
        if (JackServer::running())
            return true;
        if (qEnvironmentVariableIsEmpty("JACK_DEFAULT_SERVER"))
            return false;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 20000) {
            QThread::msleep(250);
            if (JackServer::running())
                return true;
        }
        return false;
    }

protected:
    void SetUp() override
    {
        if (answers())
            return;
        if (qgetenv("CI") == "true")
            FAIL() << "No JACK server answers; scripts/test starts one with scripts/jack start and "
                      "exports its name as JACK_DEFAULT_SERVER.";
        GTEST_SKIP() << "No JACK server is running; start one with scripts/jack start and "
                        "export JACK_DEFAULT_SERVER=$(scripts/jack name).";
    }
};

} // namespace staverly

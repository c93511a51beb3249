// SPDX-License-Identifier: GPL-3.0-or-later
#include "expectedscreen.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>

int main(int argc, char **argv)
{
    // No test reaches a real user's files: the data and settings folders
    // are the run's own.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    // Test discovery runs the binaries without CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new staverly::test::ExpectedScreen);
    return RUN_ALL_TESTS();
}

#include "expectedscreen.h"

#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char **argv)
{
    // Test discovery runs the binaries without CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new staverly::test::ExpectedScreen);
    return RUN_ALL_TESTS();
}

#include <QCoreApplication>
#include <gmock/gmock.h>

// For the tests of libraries without widgets: no display, no GUI at all.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}

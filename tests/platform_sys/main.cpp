#include <QCoreApplication>
#include <gtest/gtest.h>

// The platform layer needs an event loop for its messages and socket events,
// but no display.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

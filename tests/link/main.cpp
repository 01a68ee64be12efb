#include <QCoreApplication>
#include <gtest/gtest.h>

// The links need an event loop for their messages, timers and socket events,
// but no display.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

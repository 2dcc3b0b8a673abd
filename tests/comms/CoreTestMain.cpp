#include <QCoreApplication>

#include <gtest/gtest.h>

// The port component needs an event loop on the main thread, nothing more.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

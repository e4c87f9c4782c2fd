#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Windows are tested on the offscreen platform, also when the test runner lists them.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

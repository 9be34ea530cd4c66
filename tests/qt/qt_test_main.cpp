// The Qt tests run with a QApplication for the whole program, on the offscreen platform unless
// a display is asked for.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication программа(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The test main of the desktop program's tests: one QApplication for the whole run, set up as
// the program sets up its own.
#include "app/application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Never on the developer's screen: ctest sets the offscreen platform, and so does this
    // when the build lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    velmora::initialiseApplication();
    return RUN_ALL_TESTS();
}

// The installer's tests run inside one application object, as its dialogs and processes do.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    // Headless unless a display is asked for, also when ctest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

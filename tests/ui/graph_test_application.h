#ifndef LUMOX_TESTS_UI_GRAPH_TEST_APPLICATION_H
#define LUMOX_TESTS_UI_GRAPH_TEST_APPLICATION_H

#include <QApplication>

namespace lumox::test {

// Drawing text needs a GUI application: made once, on the platform the tests run on
// (offscreen), unless one is running already.
inline void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

}  // namespace lumox::test

#endif

#ifndef LUMOX_TESTS_UI_GRAPH_TEST_APPLICATION_H
#define LUMOX_TESTS_UI_GRAPH_TEST_APPLICATION_H

#include <QApplication>
#include <clocale>

namespace lumox::test {

// Drawing text needs a GUI application: made once, on the platform the tests run on
// (offscreen), unless one is running already.
inline void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals (input devices made by the widget tests)
    // may already be gone, and destroying the application after them crashes.
    new QApplication(argc, argv);
    // As in the program: Qt took the locale from the environment; reports print '.'.
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace lumox::test

#endif

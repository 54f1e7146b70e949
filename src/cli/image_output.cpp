#include "cli/image_output.h"

#include <QGuiApplication>
#include <clocale>
#include <memory>

#include "render/graph_export.h"

namespace lumox::cli {
namespace {

std::unique_ptr<QGuiApplication>& Application() {
    static std::unique_ptr<QGuiApplication> application;
    return application;
}

// Standard error carries only the program's own "lumox: TEXT" lines: Qt's notes about
// its environment are not for the script reading them.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) qFatal("%s", qPrintable(message));
}

}  // namespace

bool WriteGraphImage(CLumoxDoc& doc, const std::string& path, Diagnostics& said) {
    // Fonts need a GUI application; the batch front end makes one, off screen, on first use.
    if (QCoreApplication::instance() == nullptr) {
        // Pictures need no display: a platform inherited from the desktop (xcb without a
        // display) would abort the program.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQt);
        static int argc = 1;
        static char name[] = "lumox-cli";
        static char* argv[] = {name, nullptr};
        Application() = std::make_unique<QGuiApplication>(argc, argv);
        // Qt takes the desktop's locale; numbers in reports keep their decimal point.
        std::setlocale(LC_NUMERIC, "C");
    }
    return ExportGraphPage(doc, path, said);
}

void CloseGraphics() { Application().reset(); }

}  // namespace lumox::cli

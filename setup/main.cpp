// lumox-setup: installs the program from the folder this installer is in.
#include <QApplication>
#include <cstdio>
#include <string_view>

#include "setup/installer.h"
#include "setup/qt_installer_ui.h"
#include "setup/target_check.h"
#include "setup/xdg_menu_client.h"

namespace {

constexpr char kUsage[] =
    "Usage: lumox-setup\n"
    "\n"
    "Copies Lumox from the folder this program is in into a folder of your own and adds\n"
    "a Lumox submenu to the desktop's application menu.\n"
    "\n"
    "Options:\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::puts("lumox-setup " LUMOX_VERSION);
            return 0;
        }
    }
    QApplication application(argc, argv);
    lumox::setup::QtInstallerUi ui;
    lumox::setup::XdgMenuClient menu;
    lumox::setup::InstallerContext context;
    context.sourceDir = QCoreApplication::applicationDirPath().toStdString();
    context.defaultTarget = lumox::setup::DefaultTarget();
    context.freeSpace = lumox::setup::StatvfsFreeKilobytes;
    context.menu = &menu;
    return lumox::setup::RunInstaller(ui, context);
}

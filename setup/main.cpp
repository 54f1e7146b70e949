// lumox-setup: installs the program from the folder this installer is in.
#include <QApplication>

#include "setup/installer.h"
#include "setup/qt_installer_ui.h"
#include "setup/target_check.h"
#include "setup/xdg_menu_client.h"

int main(int argc, char* argv[]) {
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

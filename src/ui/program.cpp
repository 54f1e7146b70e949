#include "ui/program.h"

#include <QApplication>
#include <QSettings>
#include <clocale>

#include "platform/prompt.h"
#include "ui/lumox_app.h"
#include "ui/message_box_prompt.h"
#include "ui/ui_dialogs.h"

namespace lumox {

int RunProgram(int argc, char* argv[], const std::function<void(CLumoxApp&)>& started) {
    QApplication application(argc, argv);
    // Qt takes the locale from the environment; the reports print '.' decimals.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Lumox"));
    QApplication::setApplicationName(QStringLiteral("Lumox"));

    MessageBoxPrompt prompt;
    ScopedPrompt installed(prompt);
    QSettings settings;
    QtDialogs dialogs;
    CLumoxApp app(settings, dialogs);
    if (!app.InitInstance()) return 1;

    // A data file named on the command line opens at start, by its bytes: Qt's own
    // arguments would spell a name that is not UTF-8 otherwise. QApplication has taken
    // its own options out of argv.
    if (argc > 1) app.OpenDataPath(argv[1]);
    if (started) started(app);
    return QApplication::exec();
}

}  // namespace lumox

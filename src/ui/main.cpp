// lumox: the equation-fitting program.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <string_view>

#include "platform/prompt.h"
#include "ui/command_ids.h"
#include "ui/lumox_app.h"
#include "ui/main_frame.h"
#include "ui/message_box_prompt.h"
#include "ui/ui_dialogs.h"

namespace {

constexpr char kUsage[] =
    "Usage: lumox [DATAFILE]\n"
    "\n"
    "Starts Lumox, the equation-fitting program; a DATAFILE given is opened at start\n"
    "(text, or dBase by the .dbf extension). The options of the Qt toolkit (-platform,\n"
    "-display ...) are accepted too.\n"
    "\n"
    "Options:\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n";

// With LUMOX_STARTUP_PROBE set, the program records the INPUT DATA of the file it opened
// and quits as soon as that has been painted: a start-up timing from the outside.
class StartupProbe : public QObject {
public:
    explicit StartupProbe(lumox::CLumoxApp& app) {
        app.Router().Execute(lumox::cmd::kRecordInputData);
        QMdiSubWindow* child = app.MainFrame()->MdiArea().currentSubWindow();
        target_ = child ? child->widget() : app.MainFrame();
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_ && watched->isWidgetType() &&
            (watched == target_ || target_->isAncestorOf(static_cast<QWidget*>(watched)))) {
            done_ = true;
            // exit, not quit: quit would close the windows, asking about the Results.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* target_ = nullptr;
    bool done_ = false;
};

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
            std::puts("lumox 3.0");
            return 0;
        }
    }
    QApplication application(argc, argv);
    // Qt takes the locale from the environment; the reports print '.' decimals.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Lumox"));
    QApplication::setApplicationName(QStringLiteral("Lumox"));

    lumox::MessageBoxPrompt prompt;
    lumox::ScopedPrompt installed(prompt);
    QSettings settings;
    lumox::QtDialogs dialogs;
    lumox::CLumoxApp app(settings, dialogs);
    if (!app.InitInstance()) return 1;

    // A data file named on the command line opens at start.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) app.OpenDataFile(arguments.at(1));
    std::unique_ptr<StartupProbe> probe;
    if (qEnvironmentVariableIsSet("LUMOX_STARTUP_PROBE"))
        probe = std::make_unique<StartupProbe>(app);
    return QApplication::exec();
}

// lumox: the equation-fitting program.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTimer>
#include <clocale>

#include "platform/prompt.h"
#include "ui/command_ids.h"
#include "ui/lumox_app.h"
#include "ui/main_frame.h"
#include "ui/message_box_prompt.h"
#include "ui/ui_dialogs.h"

namespace {

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

// The program with a start-up probe: it records the INPUT DATA of the file it opened and
// quits as soon as that has been painted, so bench/startup.sh can time the start-up from
// outside. Not a benchmark of its own: it has a main and no benchmark cases.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "ui/command_ids.h"
#include "ui/lumox_app.h"
#include "ui/main_frame.h"
#include "ui/program.h"

namespace {

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
    std::unique_ptr<StartupProbe> probe;
    return lumox::RunProgram(argc, argv, [&probe](lumox::CLumoxApp& app) {
        probe = std::make_unique<StartupProbe>(app);
    });
}

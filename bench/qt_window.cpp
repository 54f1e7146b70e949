// The window's commands at the largest data set the program accepts, 6553 observations of
// 10 variables (65535 values), each driven through the real main window offscreen as the
// menu runs it, its dialogs worked as a person works them: opening the file, Record Input
// Data, a multiple fit recorded with all five reports (too large for the Results window,
// so saved to a file), the best-model search, a four-graph page painted, Edit Data opened
// and painted, Edit Data's OK with its save and reread, and a long line pasted into the
// Results window, and the same line appended as a recording appends. Times are the
// process's processor time per command.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "platform/format.h"
#include "platform/prompt.h"
#include "ui/command_ids.h"
#include "ui/document_windows.h"
#include "ui/edit_data_dialog.h"
#include "ui/eq_view.h"
#include "ui/graf_view.h"
#include "ui/grid_ctrl.h"
#include "ui/graph_select_dlg.h"
#include "ui/lumox_app.h"
#include "ui/lumox_view.h"
#include "ui/main_frame.h"
#include "ui/record_reports_dialog.h"
#include "ui/simple_regression_dialog.h"
#include "ui/ui_dialogs.h"

namespace lumox {
namespace {

// Every question answered Yes (save the report that is too large, save over the data
// file), every message counted.
class YesPrompt final : public Prompt {
public:
    void Show(const std::string&, Icon) override { ++messages; }
    Answer AskYesNo(const std::string&) override { return Answer::Yes; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Yes; }
    void Beep() override {}
    int messages = 0;
};

// The common dialogs answer with the data file and the report file; a program dialog is
// shown and worked by the next script.
class ScriptedDialogs final : public UiDialogs {
public:
    std::optional<QString> GetOpenFileName(QWidget*) override { return dataPath; }
    std::optional<QString> GetSaveFileName(QWidget*, const QString&) override { return savePath; }
    std::optional<QString> GetSheetName(QWidget*, const QStringList& names) override {
        return names.front();
    }
    bool ExecPrintDialog(QWidget*, QPrinter&, bool) override { return false; }
    bool ExecPrintSetup(QWidget*, QPrinter&) override { return false; }
    void ExecPrintPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override {}
    void ExecAbout(QWidget*) override {}
    int ExecDialog(QDialog& dialog) override {
        if (scripts.empty()) return QDialog::Rejected;
        const std::function<void(QDialog&)> script = std::move(scripts.front());
        scripts.pop_front();
        dialog.show();
        script(dialog);
        dialog.hide();
        return dialog.result();
    }

    QString dataPath;
    QString savePath;
    std::deque<std::function<void(QDialog&)>> scripts;
};

// A key pressed and released on widget, as the keyboard sends it.
void Key(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

template <typename Dialog>
void Script(ScriptedDialogs& dialogs, std::function<void(Dialog&)> script) {
    dialogs.scripts.push_back([script](QDialog& dialog) { script(static_cast<Dialog&>(dialog)); });
}

// The program with its main window, over a profile and files in a temporary folder.
class Window {
public:
    Window() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_qt_window";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr) new QApplication(argc, argv);
        dialogs.dataPath = folder.filePath("large.dat");
        dialogs.savePath = folder.filePath("results.txt");
        WriteData(dialogs.dataPath.toStdString());
        settings = std::make_unique<QSettings>(folder.filePath("lumox.ini"), QSettings::IniFormat);
        app = std::make_unique<CLumoxApp>(*settings, dialogs);
        app->InitInstance();
    }

    // 6553 observations of Y and nine variables, six significant digits, as a person's
    // file holds them.
    static void WriteData(const std::string& path) {
        std::ofstream file(path, std::ios::binary);
        file << "Y A B C D E F G H I\r\n";
        uint64_t seed = 88172645463325252ull;
        auto uniform = [&seed] {
            seed ^= seed << 13;
            seed ^= seed >> 7;
            seed ^= seed << 17;
            return static_cast<double>(seed % 1000000) / 10000.0;
        };
        for (int i = 0; i < 6553; ++i) {
            std::string line;
            double y = 12.0 + uniform() - 50.0;
            for (int j = 1; j <= 9; ++j) {
                const double x = uniform();
                y += x * j * 0.5;
                line += Format(" %.6g", x);
            }
            file << Format("%.6g", y) << line << "\r\n";
        }
    }

    void Run(int id) {
        app->MainFrame()->UpdateCommandUI();
        app->MainFrame()->Action(id)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    void Open() { Run(cmd::kOpenData); }
    // Closes the document, keeping no Results.
    void Close() {
        prompt.messages = 0;
        if (app->Document() != nullptr) Run(cmd::kClose);
    }
    void Reopen() {
        Close();
        Open();
    }
    CLumoxDoc& Doc() { return app->Document()->Doc(); }
    template <typename View>
    View* Find(ViewKind kind) {
        return dynamic_cast<View*>(app->Document()->FindView(kind));
    }

    QTemporaryDir folder;
    YesPrompt prompt;
    ScopedPrompt installed{prompt};
    ScriptedDialogs dialogs;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<CLumoxApp> app;
};

Window& TheWindow() {
    static Window window;
    return window;
}

void OpenFile(benchmark::State& state) {
    Window& w = TheWindow();
    for (auto _ : state) {
        state.PauseTiming();
        w.Close();
        state.ResumeTiming();
        w.Open();
    }
}

void RecordInputData(benchmark::State& state) {
    Window& w = TheWindow();
    w.Reopen();
    for (auto _ : state) w.Run(cmd::kRecordInputData);
}

// y on the nine others typed in the Build Equation window, Calculate, then Record with
// every report of a multiple fit.
void MultipleFitAllReports(benchmark::State& state) {
    Window& w = TheWindow();
    w.Reopen();
    w.Run(cmd::kRegressionWorkbench);
    CEqView* view = w.Find<CEqView>(ViewKind::BuildEquation);
    for (auto _ : state) {
        view->EquationTextField()->setText("Y = 1 + A + B + C + D + E + F + G + H + I");
        Key(view->EquationTextField(), Qt::Key_Return);
        view->OnCalculate();
        Script<RecordReportsDialog>(w.dialogs, [](RecordReportsDialog& dialog) {
            for (QCheckBox* box : {dialog.equation, dialog.anova, dialog.correlation,
                                   dialog.residuals, dialog.intervals}) {
                box->setChecked(true);
            }
            dialog.recordButton->click();
        });
        view->OnRecord();
    }
}

void BestModelSearch(benchmark::State& state) {
    Window& w = TheWindow();
    w.Reopen();
    for (auto _ : state) {
        Script<SimpleRegressionDialog>(w.dialogs, [](SimpleRegressionDialog& dialog) {
            dialog.variables->setCurrentRow(1);
            dialog.takeX->click();
            dialog.variables->setCurrentRow(0);
            dialog.takeY->click();
            dialog.bestRSquareButton->click();
            dialog.reject();
        });
        w.Run(cmd::kSimpleRegression);
    }
}

// Four graphs of Y against A to D, the page painted.
void FourGraphPage(benchmark::State& state) {
    Window& w = TheWindow();
    w.Reopen();
    for (auto _ : state) {
        Script<CGraphSelectDlg>(w.dialogs, [](CGraphSelectDlg& dialog) {
            for (int k = 0; k < 4; ++k) {
                dialog.Variables()->setCurrentRow(k + 1);
                dialog.Controls(k).xBox->click();
                dialog.Variables()->setCurrentRow(0);
                dialog.Controls(k).yBox->click();
            }
            dialog.accept();
        });
        w.Run(cmd::kScatterFour);
        benchmark::DoNotOptimize(w.Find<CGrafView>(ViewKind::Graph)->viewport()->grab());
    }
}

void OpenEditData(benchmark::State& state) {
    Window& w = TheWindow();
    w.Reopen();
    for (auto _ : state) {
        Script<CEditDataDialog>(w.dialogs, [](CEditDataDialog& dialog) {
            benchmark::DoNotOptimize(dialog.Grid().viewport()->grab());
            dialog.reject();
        });
        w.Run(cmd::kInputData);
    }
}

// One value changed in Edit Data, then OK: the data saved over the file and read back.
void EditDataSaveAndReread(benchmark::State& state) {
    Window& w = TheWindow();
    w.Reopen();
    int edits = 0;
    for (auto _ : state) {
        Script<CEditDataDialog>(w.dialogs, [&edits](CEditDataDialog& dialog) {
            dialog.Grid().setFocus();
            Key(&dialog.Grid(), Qt::Key_Down);
            const int digit = ++edits % 9 + 1;
            Key(&dialog.Grid(), Qt::Key_0 + digit, QString::number(digit));
            Key(&dialog.Grid(), Qt::Key_Return);
            dialog.OkButton().click();
        });
        w.Run(cmd::kInputData);
    }
    state.counters["messages"] = w.prompt.messages;
}

// A line of 51000 characters pasted at the end of the Results text.
void PasteLongLine(benchmark::State& state) {
    Window& w = TheWindow();
    w.Reopen();
    CLumoxView* results = w.Find<CLumoxView>(ViewKind::Results);
    QApplication::clipboard()->setText(QString(51000, QLatin1Char('7')));
    for (auto _ : state) {
        state.PauseTiming();
        results->SetText("");
        results->moveCursor(QTextCursor::End);
        state.ResumeTiming();
        results->paste();
        benchmark::DoNotOptimize(results->viewport()->grab());
    }
}

// The same line appended as a recording appends its reports.
void AppendLongLine(benchmark::State& state) {
    Window& w = TheWindow();
    w.Reopen();
    CLumoxView* results = w.Find<CLumoxView>(ViewKind::Results);
    const std::string line = std::string(51000, '7') + "\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        results->SetText("");
        state.ResumeTiming();
        results->AppendText(line);
        benchmark::DoNotOptimize(results->viewport()->grab());
    }
}

BENCHMARK(OpenFile)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(RecordInputData)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(MultipleFitAllReports)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BestModelSearch)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(FourGraphPage)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(OpenEditData)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(EditDataSaveAndReread)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(PasteLongLine)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(AppendLongLine)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
}  // namespace lumox

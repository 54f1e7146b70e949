#include "ui/document_windows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QProgressDialog>
#include <memory>
#include <utility>

#include "ui/command_ids.h"
#include "ui/edit_data_dialog.h"
#include "ui/equation_memory.h"
#include "ui/graph_commands.h"
#include "ui/lumox_app.h"
#include "ui/lumox_view.h"
#include "ui/main_frame.h"
#include "ui/mdig_child_wnd.h"
#include "ui/path_text.h"
#include "ui/statistics_commands.h"
#include "ui/ui_dialogs.h"

namespace lumox {

DocumentWindows::DocumentWindows(CLumoxApp& app) : app_(app) {
    doc_.SetHost(this);
    OnCommand(cmd::kClose, [this] { OnFileClose(); });
    OnCommand(cmd::kSaveResults, [this] { doc_.OnFileSaveResults(); });
    OnCommand(cmd::kSaveResultsAs, [this] { doc_.OnFileSaveResultsAs(); });
    OnCommand(cmd::kRecordInputData, [this] { doc_.OnRecordInputData(); });
    OnCommand(cmd::kInputData, [this] { doc_.OnInputData(); });
    OnCommand(cmd::kDescriptiveStatistics, [this] { OnDescriptiveStatistics(*this); });
    OnCommand(cmd::kSimpleRegression, [this] { OnSimpleRegression(*this); });
    OnCommand(cmd::kPointEstimate, [this] { OnPointEstimate(*this); });
    OnCommand(cmd::kRegressionReports, [this] { OnRegressionReports(*this); });
    OnCommand(cmd::kHistogram, [this] { OnHistogram(*this); });
    OnCommand(cmd::kScatterOne, [this] { OnScatter(*this, 1); });
    OnCommand(cmd::kScatterTwo, [this] { OnScatter(*this, 2); });
    OnCommand(cmd::kScatterFour, [this] { OnScatter(*this, 4); });
    OnCommand(cmd::kGraphOptions, [this] { OnGraphOptions(*this); });
    // Regression Workbench: the Build Equation window, then every view redrawn.
    OnCommand(cmd::kRegressionWorkbench, [this] {
        ShowView(ViewKind::BuildEquation);
        UpdateAllViews();
    });
}

DocumentWindows::~DocumentWindows() {
    doc_.SetHost(nullptr);
    for (const QPointer<CMDIGChildWnd>& frame : frames_) delete frame.data();
}

QString DocumentWindows::Title() const { return FromNativePath(doc_.GetTitle()); }

QString DocumentWindows::Caption(ViewKind kind) const {
    const ViewTemplate* pattern = app_.Template(kind);
    return Title() + (pattern ? pattern->captionSuffix : QString());
}

std::vector<CMDIGChildWnd*> DocumentWindows::Frames() const {
    std::vector<CMDIGChildWnd*> frames;
    for (const QPointer<CMDIGChildWnd>& frame : frames_) {
        if (frame) frames.push_back(frame);
    }
    return frames;
}

DocumentView* DocumentWindows::FindView(ViewKind kind) const {
    for (CMDIGChildWnd* frame : Frames()) {
        if (frame->View().Kind() == kind) return &frame->View();
    }
    return nullptr;
}

DocumentView* DocumentWindows::ShowView(ViewKind kind) {
    if (closing_) return nullptr;
    QMdiArea& area = app_.MainFrame()->MdiArea();
    for (CMDIGChildWnd* frame : Frames()) {
        if (frame->View().Kind() != kind) continue;
        if (frame->isMinimized()) frame->showNormal();
        area.setActiveSubWindow(frame);
        return &frame->View();
    }
    const ViewTemplate* pattern = app_.Template(kind);
    if (pattern == nullptr) return nullptr;
    DocumentView* view = pattern->createView(*this);
    if (view == nullptr) return nullptr;
    auto* frame = new CMDIGChildWnd(*this, *view);
    frames_.emplace_back(frame);
    area.addSubWindow(frame);
    // The main window's title follows the frame's state and caption.
    connect(frame, &QMdiSubWindow::windowStateChanged, app_.MainFrame(), &CMainFrame::UpdateFrame,
            Qt::QueuedConnection);
    connect(frame, &QWidget::windowTitleChanged, app_.MainFrame(), &CMainFrame::UpdateFrame,
            Qt::QueuedConnection);
    view->OnInitialUpdate();
    frame->show();
    area.setActiveSubWindow(frame);
    return view;
}

bool DocumentWindows::CanCloseFrame(CMDIGChildWnd* frame) {
    if (closing_) return true;
    const auto frames = Frames();
    const bool last = frames.size() == 1 && frames.front() == frame;
    if (!last && frame->View().Kind() != ViewKind::Results) return true;
    if (!doc_.SaveModified()) return false;
    OnCloseDocument();
    return true;
}

bool DocumentWindows::OnFileClose() {
    if (!doc_.SaveModified()) return false;
    OnCloseDocument();
    return true;
}

void DocumentWindows::OnCloseDocument() {
    if (closing_) return;
    closing_ = true;
    for (CMDIGChildWnd* frame : Frames()) frame->close();
    app_.OnDocumentClosed(this);
}

ResultsView* DocumentWindows::GetResultsView() {
    return dynamic_cast<CLumoxView*>(ShowView(ViewKind::Results));
}

std::optional<std::string> DocumentWindows::AskSaveFileName(const std::string& suggested) {
    const std::optional<QString> chosen =
        app_.Dialogs().GetSaveFileName(app_.MainFrame(), FromNativePath(suggested));
    if (!chosen) return std::nullopt;
    return ToNativePath(*chosen);
}

void DocumentWindows::ShowGraphWindow() {
    ShowView(ViewKind::Graph);
    UpdateAllViews();
}

void DocumentWindows::UpdateAllViews() {
    for (CMDIGChildWnd* frame : Frames()) frame->View().OnUpdate();
}

bool DocumentWindows::EditData(EditDataRequest& request) {
    CEditDataDialog dialog(*request.lines, request.lineCount, request.columnCount,
                           app_.MainFrame());
    if (app_.Dialogs().ExecDialog(dialog) != QDialog::Accepted) return false;
    request.lineCount = dialog.LineCount();
    request.columnCount = dialog.ColumnCount();
    request.changed = dialog.Changed();
    return true;
}

std::optional<std::string> DocumentWindows::ChooseSheet(const std::vector<std::string>& names) {
    QStringList items;
    for (const std::string& name : names) items.append(QString::fromStdString(name));
    const std::optional<QString> chosen = app_.Dialogs().GetSheetName(app_.MainFrame(), items);
    if (!chosen) return std::nullopt;
    return chosen->toStdString();
}

void DocumentWindows::CloseDocument() {
    QMetaObject::invokeMethod(
        this, [this] { OnFileClose(); }, Qt::QueuedConnection);
}

void DocumentWindows::OnDataFileSaved(const std::string& path) {
    app_.RecentFiles().Add(path);
    app_.MainFrame()->UpdateRecentFileMenu();
    for (CMDIGChildWnd* frame : Frames()) frame->setWindowTitle(Caption(frame->View().Kind()));
}

std::string DocumentWindows::TakeKeptEquation() {
    if (std::exchange(equationRecalled_, true)) return {};
    return EquationMemory(app_.Settings()).Recall(doc_.DataPath());
}

void DocumentWindows::KeepEquation(const std::string& equation) {
    equationRecalled_ = true;
    EquationMemory(app_.Settings()).Keep(doc_.DataPath(), equation);
}

KeepWaiting DocumentWindows::PipeWaiter(const std::string& path, bool writing) {
    struct Wait {
        QElapsedTimer clock;
        std::unique_ptr<QProgressDialog> dialog;
    };
    auto wait = std::make_shared<Wait>();
    const QString text = (writing ? QStringLiteral("Waiting for a program to read from %1...")
                                  : QStringLiteral("Waiting for a program to write to %1..."))
                             .arg(FromNativePath(path));
    QWidget* owner = app_.MainFrame();
    return [wait, text, owner] {
        constexpr qint64 kQuietMs = 300;  // a pipe that answers at once shows nothing
        if (!wait->clock.isValid()) wait->clock.start();
        if (!wait->dialog && wait->clock.elapsed() >= kQuietMs) {
            wait->dialog = std::make_unique<QProgressDialog>(text, QStringLiteral("Cancel"), 0, 0,
                                                             owner);
            wait->dialog->setWindowTitle(QStringLiteral("Lumox"));
            wait->dialog->setWindowModality(Qt::ApplicationModal);
            wait->dialog->setMinimumDuration(0);
            wait->dialog->show();
        }
        // Until the dialog is up and modal, nothing the person does may start a command.
        QCoreApplication::processEvents(wait->dialog ? QEventLoop::AllEvents
                                                     : QEventLoop::ExcludeUserInputEvents);
        return !(wait->dialog && wait->dialog->wasCanceled());
    };
}

}  // namespace lumox

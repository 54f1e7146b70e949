#include "ui/lumox_app.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrinter>
#include <QScreen>
#include <algorithm>

#include "ui/command_ids.h"
#include "ui/command_table.h"
#include "ui/document_windows.h"
#include "ui/eq_view.h"
#include "ui/graf_view.h"
#include "ui/grey_palette.h"
#include "ui/help_window.h"
#include "ui/lumox_view.h"
#include "ui/main_frame.h"
#include "ui/mdig_child_wnd.h"
#include "ui/path_text.h"
#include "ui/ui_dialogs.h"

// The icons and help pages live in this static library; their registration must be
// pulled in explicitly.
static void InitLumoxResources() { Q_INIT_RESOURCE(lumox); }

namespace lumox {

CLumoxApp::CLumoxApp(QSettings& settings, UiDialogs& dialogs)
    : settings_(settings),
      dialogs_(dialogs),
      recent_(settings, cmd::kRecentFileCount),
      router_([this] { return Route(); }, [this](int id) { return RuleState(id, RouteNow()); }) {
    InitLumoxResources();
    router_.SetAfterCommand([this] {
        if (frame_) frame_->UpdateCommandUI();
    });
    OnCommand(cmd::kAbout, [this] { dialogs_.ExecAbout(frame_.get()); });
    OnCommand(cmd::kOpenData, [this] { OnFileOpen(); });
    OnCommand(cmd::kNewData, [this] { NewDataDocument(); });
    OnCommand(cmd::kPrintSetup, [this] { dialogs_.ExecPrintSetup(frame_.get(), Printer()); });
    OnCommand(cmd::kExit, [this] { frame_->close(); });
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        OnCommand(cmd::kRecentFile1 + i, [this, i] { OnOpenRecentFile(i); });
    }
}

CLumoxApp::~CLumoxApp() {
    delete document_;
    document_ = nullptr;
    frame_.reset();
}

bool CLumoxApp::InitInstance() {
    QApplication::setPalette(GreyPalette(QApplication::palette()), "QDialog");
    SetTemplate(
        {ViewKind::Results, QStringLiteral(" - Results"),
         [](DocumentWindows& document) -> DocumentView* { return new CLumoxView(document); }});
    SetTemplate(
        {ViewKind::Graph, QStringLiteral(" - Graph"),
         [](DocumentWindows& document) -> DocumentView* { return new CGrafView(document); }});
    SetTemplate(
        {ViewKind::BuildEquation, QStringLiteral(" - Build Equation"),
         [](DocumentWindows& document) -> DocumentView* { return new CEqView(document); }});
    frame_ = std::make_unique<CMainFrame>(*this);
    if (!frame_->Create()) {
        frame_.reset();
        return false;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto readClipboard = [this, clipboard] {
        const QMimeData* data = clipboard->mimeData();
        clipboardHasText_ = data != nullptr && data->hasText();
        if (frame_) frame_->UpdateCommandUI();
    };
    connect(clipboard, &QClipboard::dataChanged, this, readClipboard);
    readClipboard();
    frame_->show();
    frame_->UpdateCommandUI();
    return true;
}

void CLumoxApp::SetTemplate(ViewTemplate pattern) {
    templates_[static_cast<size_t>(pattern.kind)] = std::move(pattern);
}

const ViewTemplate* CLumoxApp::Template(ViewKind kind) const {
    const auto& pattern = templates_[static_cast<size_t>(kind)];
    return pattern ? &*pattern : nullptr;
}

RouteState CLumoxApp::RouteNow() {
    CMDIGChildWnd* child = frame_ ? frame_->ActiveChild() : nullptr;
    const bool ours = child != nullptr && document_ != nullptr && child->Document() == document_;
    return {*this, document_, ours ? &child->View() : nullptr};
}

std::vector<CommandTarget*> CLumoxApp::Route() {
    const RouteState now = RouteNow();
    return {now.view, now.document, frame_.get(), this};
}

void CLumoxApp::OnFileOpen() {
    const std::optional<QString> path = dialogs_.GetOpenFileName(frame_.get());
    if (path) OpenDataFile(*path);
}

void CLumoxApp::OnOpenRecentFile(int index) {
    // An entry that no longer opens leaves the list.
    if (OpenDataPath(recent_.Path(index)) == nullptr && m_bCanOpen) recent_.Remove(index);
    frame_->UpdateRecentFileMenu();
}

void CLumoxApp::Adopt(std::unique_ptr<DocumentWindows> document, bool maximise) {
    document_ = document.release();
    m_bCanOpen = false;
    connect(document_, &DocumentWindows::changed, frame_.get(), &CMainFrame::UpdateCommandUI);
    if (document_->ShowView(ViewKind::Results) != nullptr && maximise) {
        if (QMdiSubWindow* child = frame_->MdiArea().currentSubWindow()) child->showMaximized();
    }
    frame_->UpdateRecentFileMenu();
    frame_->UpdateFrame();
}

CLumoxDoc* CLumoxApp::OpenDataFile(const QString& path) { return OpenDataPath(ToNativePath(path)); }

CLumoxDoc* CLumoxApp::OpenDataPath(const std::string& path) {
    if (!m_bCanOpen || !frame_) return nullptr;
    auto document = std::make_unique<DocumentWindows>(*this);
    if (!document->Doc().OnOpenDocument(path)) return nullptr;
    recent_.Add(path);
    Adopt(std::move(document), true);
    return &document_->Doc();
}

CLumoxDoc* CLumoxApp::NewDataDocument() {
    if (!m_bCanOpen || !frame_) return nullptr;
    auto document = std::make_unique<DocumentWindows>(*this);
    document->Doc().OnNewDocument();
    Adopt(std::move(document), false);
    // As if posted: the dialog opens after New Data has finished.
    QMetaObject::invokeMethod(
        this, [this] { router_.Execute(cmd::kInputData); }, Qt::QueuedConnection);
    return &document_->Doc();
}

void CLumoxApp::OnDocumentClosed(DocumentWindows* document) {
    if (document != document_) return;
    document_ = nullptr;
    m_bCanOpen = true;
    document->deleteLater();
    if (frame_) frame_->UpdateFrame();
}

QPrinter& CLumoxApp::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Pages are laid out from the paper's edges, not from the printable area.
    printer_->setFullPage(true);
    return *printer_;
}

HelpWindow* CLumoxApp::Help() const { return help_.data(); }

void CLumoxApp::PlaceBesideMainWindow(QWidget& window) const {
    // To the right of the main window where the screen has room, else against the
    // screen's right edge: over as little of the main window as may be.
    const QScreen* screen = frame_->screen();
    if (screen == nullptr) return;
    const QRect room = screen->availableGeometry();
    const QRect main = frame_->frameGeometry();
    const int x = std::min(main.right() + 1, room.right() + 1 - window.width());
    window.move(std::max(x, room.left()), std::clamp(main.top(), room.top(), room.bottom()));
}

void CLumoxApp::ShowHelp(int context) {
    // A modal dialog blocks every window but its own: while one is open the help window
    // belongs to it, so that it can be read and followed.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) owner = frame_.get();
    if (!help_) {
        help_ = new HelpWindow(owner);
        PlaceBesideMainWindow(*help_);
    } else if (help_->parentWidget() != owner) {
        help_->setParent(owner, help_->windowFlags());
    }
    help_->ShowContext(context);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

}  // namespace lumox

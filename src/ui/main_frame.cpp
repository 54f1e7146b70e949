#include "ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "ui/command_ids.h"
#include "ui/command_table.h"
#include "ui/document_windows.h"
#include "ui/help_window.h"
#include "ui/key_indicators.h"
#include "ui/lumox_app.h"
#include "ui/mdig_child_wnd.h"
#include "ui/path_text.h"

namespace lumox {
namespace {

const QString kFrameTitle = QStringLiteral("Lumox - Equation Fitting Tools");

// The profile's entry of the main window's size and place.
const QString kGeometryKey = QStringLiteral("MainWindow/geometry");

// In a menu's entries: a separator, and the recent-file entries.
constexpr int kSeparator = 0;
constexpr int kRecentFiles = -1;

}  // namespace

CMainFrame::CMainFrame(CLumoxApp& app) : app_(app) {
    setWindowTitle(kFrameTitle);
    setWindowIcon(QIcon(QStringLiteral(":/icons/lumox.svg")));
    setAcceptDrops(true);
    area_ = new QMdiArea(this);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    connect(area_, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateFrame);
    // 760 x 560, or less on a screen that small (a large scale factor leaves few pixels).
    QSize size(760, 560);
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(size);

    OnCommand(cmd::kShowResultsWindow, [this] { app_.Document()->ShowView(ViewKind::Results); });
    OnCommand(cmd::kShowGraphWindow, [this] { app_.Document()->ShowGraphWindow(); });
    OnCommand(cmd::kShowBuildEquationWindow, [this] {
        app_.Document()->ShowView(ViewKind::BuildEquation);
        app_.Document()->UpdateAllViews();
    });
    OnCommand(cmd::kCascade, [this] { Cascade(); });
    OnCommand(cmd::kTile, [this] { area_->tileSubWindows(); });
    OnCommand(cmd::kArrangeIcons, [this] { ArrangeIcons(); });
    OnCommand(cmd::kNextPane, [this] { area_->activateNextSubWindow(); });
    OnCommand(cmd::kPreviousPane, [this] { area_->activatePreviousSubWindow(); });
    OnCommand(cmd::kToolbar, [this] { toolBar_->setVisible(toolBar_->isHidden()); });
    OnCommand(cmd::kStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); });
    OnCommand(cmd::kHelpTopics, [this] { app_.ShowHelp(HelpWindow::kContents); });
    OnCommand(cmd::kDefaultHelp, [this] { app_.ShowHelp(HelpWindow::kContents); });
    OnCommand(cmd::kUsingHelp, [this] { app_.ShowHelp(HelpWindow::kUsingHelp); });
    OnCommand(cmd::kHelpOverview, [this] { app_.ShowHelp(help::kOverview); });
    OnCommand(cmd::kHelp, [this] { app_.ShowHelp(ContextOfWidget(ActiveChild())); });
    OnCommand(cmd::kContextHelp, [this] { BeginContextHelp(); });
}

CMainFrame::~CMainFrame() {
    if (contextHelp_) EndContextHelp();
    qApp->removeEventFilter(this);
}

bool CMainFrame::Create() {
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    if (toolBar_ == nullptr || statusBar() == nullptr) return false;
    qApp->installEventFilter(this);
    // Where and how large the window was left last time.
    const QByteArray geometry = app_.Settings().value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    UpdateRecentFileMenu();
    UpdateFrame();
    UpdateIndicators();
    return true;
}

void CMainFrame::MakeAction(const Command& command) {
    auto* action = new QAction(QString::fromLatin1(command.text), this);
    const int id = command.id;
    action->setData(id);
    action->setStatusTip(QString::fromLatin1(command.prompt));
    QList<QKeySequence> keys;
    for (const QKeyCombination key : command.keys) {
        if (key.key() != Qt::Key_unknown) keys.append(QKeySequence(key));
    }
    if (!keys.isEmpty()) action->setShortcuts(keys);
    if (command.icon != nullptr)
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(command.icon))));
    action->setIconVisibleInMenu(false);
    action->setCheckable(command.checked != nullptr);
    // Accelerators work whichever menu is shown, as long as the route enables them.
    addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { OnCommandTriggered(id); });
    actions_[id] = action;
}

QAction* CMainFrame::Action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* CMainFrame::NewMenu(const QString& title, std::initializer_list<int> entries) {
    auto* menu = new QMenu(title, this);
    menu->setSeparatorsCollapsible(false);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    for (const int entry : entries) {
        if (entry == kSeparator) {
            menu->addSeparator();
        } else if (entry == kRecentFiles) {
            for (int i = 0; i < cmd::kRecentFileCount; ++i)
                menu->addAction(Action(cmd::kRecentFile1 + i));
        } else {
            menu->addAction(Action(entry));
        }
    }
    return menu;
}

void CMainFrame::BuildMenus() {
    for (const Command& command : Commands()) {
        if (command.text != nullptr) MakeAction(command);
    }
    QMenu* view = NewMenu(QStringLiteral("&View"), {cmd::kToolbar, cmd::kStatusBar});
    QMenu* help = NewMenu(QStringLiteral("&Help"), {cmd::kHelpTopics, cmd::kHelpOverview,
                                                    cmd::kUsingHelp, kSeparator, cmd::kAbout});

    // Menu 2: no document window.
    menus2_ = {
        NewMenu(QStringLiteral("&File"),
                {cmd::kNewData, cmd::kOpenData, kSeparator, cmd::kPrintSetup, kSeparator,
                 kRecentFiles, kSeparator, cmd::kExit}),
        NewMenu(QStringLiteral("&Edit"), {cmd::kClearAll, kSeparator, cmd::kInputData, kSeparator,
                                          cmd::kCut, cmd::kCopy, cmd::kPaste, kSeparator}),
        view,
        help,
    };

    // Menu 3: a document window is active.
    QMenu* graphs = NewMenu(QStringLiteral("&Graphs"));
    graphs->addMenu(NewMenu(QStringLiteral("Scatter"),
                            {cmd::kScatterOne, cmd::kScatterTwo, cmd::kScatterFour}));
    graphs->addAction(Action(cmd::kHistogram));
    windowMenu_ =
        NewMenu(QStringLiteral("&Window"), {cmd::kCascade, cmd::kTile, cmd::kArrangeIcons});
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateWindowMenu);
    menus3_ = {
        NewMenu(QStringLiteral("&File"),
                {cmd::kNewData, cmd::kOpenData, cmd::kClose, cmd::kSaveResults, cmd::kSaveResultsAs,
                 kSeparator, cmd::kPrint, cmd::kPrintPreview, cmd::kPrintSetup, kSeparator,
                 kRecentFiles, kSeparator, cmd::kExit}),
        NewMenu(QStringLiteral("&Edit"),
                {cmd::kUndo, kSeparator, cmd::kClearAll, kSeparator, cmd::kInputData,
                 cmd::kGraphOptions, kSeparator, cmd::kCut, cmd::kCopy, cmd::kPaste, kSeparator}),
        view,
        NewMenu(QStringLiteral("&Statistics"),
                {cmd::kRecordInputData, cmd::kDescriptiveStatistics, cmd::kRegressionWorkbench,
                 cmd::kSimpleRegression, cmd::kPointEstimate, cmd::kRegressionReports}),
        graphs,
        windowMenu_,
        help,
    };
}

void CMainFrame::BuildToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    const int buttons[] = {cmd::kNewData, cmd::kOpenData, cmd::kSaveResults, 0,
                           cmd::kCut,     cmd::kCopy,     cmd::kPaste,       0,
                           cmd::kPrint,   cmd::kAbout,    cmd::kContextHelp};
    for (const int id : buttons) {
        if (id == 0) {
            toolBar_->addSeparator();
        } else {
            toolBar_->addAction(Action(id));
        }
    }
    // The buttons show no tooltips.
    for (QToolButton* button : toolBar_->findChildren<QToolButton*>())
        button->installEventFilter(this);
    // The toolbar's own button for the buttons that do not fit would reach a screen reader
    // as an unnamed check box.
    if (auto* more = toolBar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More toolbar buttons"));
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    auto* idle = new QLabel(QString::fromLatin1(kIdlePrompt), bar);
    bar->addWidget(idle, 1);
    const char* names[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QString::fromLatin1(names[i]));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(label);
        indicators_[i] = label;
    }
}

CMDIGChildWnd* CMainFrame::ActiveChild() const {
    return qobject_cast<CMDIGChildWnd*>(area_->currentSubWindow());
}

void CMainFrame::OnCommandTriggered(int id) {
    if (contextHelp_) {
        EndContextHelp();
        app_.ShowHelp(help::kCommandBase + id);
        return;
    }
    app_.Router().Execute(id);
}

void CMainFrame::UpdateCommandUI() {
    for (const auto& [id, action] : actions_) {
        const CommandState state = app_.Router().Query(id);
        // In context help every entry can be picked, to show its topic.
        action->setEnabled(contextHelp_ || state.enabled);
        if (action->isCheckable()) action->setChecked(state.checked);
    }
}

void CMainFrame::UpdateFrame() {
    const int wanted = ActiveChild() != nullptr ? 3 : 2;
    if (wanted != menuResource_) {
        menuResource_ = wanted;
        menuBar()->clear();
        for (QMenu* menu : wanted == 3 ? menus3_ : menus2_) menuBar()->addMenu(menu);
    }
    UpdateTitle();
    UpdateCommandUI();
}

void CMainFrame::UpdateTitle() {
    CMDIGChildWnd* child = ActiveChild();
    DocumentWindows* document = app_.Document();
    QString title = kFrameTitle;
    if (child != nullptr && child->isMaximized()) {
        title += QStringLiteral(" - [%1]").arg(child->windowTitle());
    } else if (child != nullptr && document != nullptr && child->Document() == document) {
        title += QStringLiteral(" - ") + document->Title();
    }
    setWindowTitle(title);
}

void CMainFrame::UpdateRecentFileMenu() {
    const QStringList& files = app_.RecentFiles().Files();
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        QAction* action = Action(cmd::kRecentFile1 + i);
        if (i < files.size()) {
            action->setText(app_.RecentFiles().MenuText(i));
            action->setVisible(true);
        } else {
            // An empty list shows one greyed "Recent File" entry.
            action->setText(QStringLiteral("Recent File"));
            action->setVisible(i == 0);
        }
    }
    UpdateCommandUI();
}

void CMainFrame::UpdateWindowMenu() {
    qDeleteAll(windowEntries_);
    windowEntries_.clear();
    const QList<QMdiSubWindow*> windows = area_->subWindowList();
    if (windows.isEmpty()) return;
    windowEntries_.append(windowMenu_->addSeparator());
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry =
            windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        // Only the active window carries a mark; the others show no empty box.
        const bool active = window == area_->currentSubWindow();
        entry->setCheckable(active);
        entry->setChecked(active);
        entry->setStatusTip(QStringLiteral("Activate this window"));
        connect(entry, &QAction::triggered, this, [this, window] {
            if (!area_->subWindowList().contains(window)) return;
            if (window->isMinimized()) window->showNormal();
            area_->setActiveSubWindow(window);
        });
        windowEntries_.append(entry);
    }
}

void CMainFrame::Cascade() {
    // Each window a title bar lower and to the right of the one behind it, all as large as
    // the area leaves them (the toolkit's own cascade shrinks them to their size hints).
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area_->subWindowList(QMdiArea::StackingOrder)) {
        if (!window->isMinimized() && !window->isHidden()) windows.append(window);
    }
    if (windows.isEmpty()) return;
    QStyleOptionTitleBar option;
    option.initFrom(windows.front());
    const int step = std::max(
        windows.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, windows.front()),
        fontMetrics().height() + 8);
    const QSize room = area_->viewport()->size();
    const auto shift = static_cast<int>(windows.size() - 1) * step;
    const QSize size(std::max(room.width() - shift, room.width() * 2 / 3),
                     std::max(room.height() - shift, room.height() * 2 / 3));
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized()) window->showNormal();
        const int offset = static_cast<int>(i) * step;
        window->setGeometry(QRect(QPoint(offset, offset), size));
    }
}

void CMainFrame::ArrangeIcons() {
    // Minimised windows line up along the foot of the area, left to right.
    int x = 0;
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(x, area_->viewport()->height() - size.height());
        x += size.width();
    }
}

void CMainFrame::UpdateIndicators() {
    const LockKeys keys = QueryLockKeys();
    const bool on[3] = {keys.caps, keys.num, keys.scroll};
    const char* names[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        if (indicators_[i] != nullptr)
            indicators_[i]->setText(on[i] ? QString::fromLatin1(names[i]) : QString());
    }
}

void CMainFrame::BeginContextHelp() {
    if (contextHelp_) return;
    contextHelp_ = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    UpdateCommandUI();
}

void CMainFrame::EndContextHelp() {
    if (!contextHelp_) return;
    contextHelp_ = false;
    QApplication::restoreOverrideCursor();
    UpdateCommandUI();
}

int CMainFrame::ContextOfWidget(QWidget* widget) const {
    // A window's own topic is set on its view (or on a widget inside it).
    if (auto* child = qobject_cast<QMdiSubWindow*>(widget); child != nullptr && child->widget())
        widget = child->widget();
    const int own = HelpContextOf(widget, -1);
    if (own >= 0) return own;
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w == area_) return ActiveChild() != nullptr ? help::kDocumentWindow : help::kMainWindow;
    }
    return help::kMainWindow;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ToolTip:
            if (qobject_cast<QToolButton*>(watched) && watched->parent() == toolBar_) return true;
            break;
        case QEvent::KeyPress:
            if (contextHelp_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                EndContextHelp();
                return true;
            }
            // F1 in a dialog shows the dialog's topic (the frame's own F1 serves its windows).
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->window() != this) {
                const int context = HelpContextOf(static_cast<QWidget*>(watched), -1);
                if (context >= 0) {
                    app_.ShowHelp(context);
                    return true;
                }
            }
            [[fallthrough]];
        case QEvent::KeyRelease:
            // Only the lock keys change the indicators while Lumox has the keyboard.
            switch (static_cast<QKeyEvent*>(event)->key()) {
                case Qt::Key_CapsLock:
                case Qt::Key_NumLock:
                case Qt::Key_ScrollLock:
                    if (watched->isWidgetType()) UpdateIndicators();
                    break;
                default:
                    break;
            }
            break;
        case QEvent::ApplicationActivate:
            UpdateIndicators();
            break;
        case QEvent::MouseButtonPress:
            // In context help a click on a window (not on a menu or a toolbar button,
            // whose commands show their own topics) shows the window's topic.
            if (contextHelp_ && watched->isWidgetType()) {
                auto* widget = static_cast<QWidget*>(watched);
                if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget) ||
                    qobject_cast<QToolButton*>(widget)) {
                    break;
                }
                if (widget->window() != this) break;
                EndContextHelp();
                app_.ShowHelp(ContextOfWidget(widget));
                return true;
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (DocumentWindows* document = app_.Document()) {
        if (!document->Doc().SaveModified()) {
            event->ignore();
            return;
        }
        document->OnCloseDocument();
    }
    if (app_.Help() != nullptr) app_.Help()->close();
    app_.Settings().setValue(kGeometryKey, saveGeometry());
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (app_.CanOpen() && !FirstDraggedFile(event->mimeData()).empty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const std::string path = FirstDraggedFile(event->mimeData());
    if (path.empty()) return;
    event->acceptProposedAction();
    activateWindow();
    app_.OpenDataPath(path);
}

}  // namespace lumox

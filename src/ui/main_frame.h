#ifndef LUMOX_UI_MAIN_FRAME_H
#define LUMOX_UI_MAIN_FRAME_H

#include <QList>
#include <QMainWindow>
#include <initializer_list>
#include <map>

#include "ui/command_router.h"

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace lumox {

class CLumoxApp;
class CMDIGChildWnd;
struct Command;

// The main window: the MDI area with the document windows, the menus (menu 2 while no
// document window is active, menu 3 while one is), the accelerators, the toolbar and
// the status bar. Every menu entry, toolbar button and accelerator is a QAction made from
// its row of the command table; it carries the command id and goes through the
// application's command router.
class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    explicit CMainFrame(CLumoxApp& app);
    ~CMainFrame() override;

    // Makes the menus, the toolbar and the status bar; false when one cannot be made.
    bool Create();

    QMdiArea& MdiArea() const { return *area_; }
    // The active document window (also while a dialog has the focus), or null.
    CMDIGChildWnd* ActiveChild() const;
    // The action of a command id, or null.
    QAction* Action(int id) const;
    // 2 while no document window is active, 3 while one is.
    int MenuResource() const { return menuResource_; }
    QToolBar* ToolBar() const { return toolBar_; }
    bool InContextHelp() const { return contextHelp_; }

public slots:
    // Asks the route whether each command is enabled (and checked).
    void UpdateCommandUI();
    // The menu, the title and the commands for the window active now.
    void UpdateFrame();
    void UpdateRecentFileMenu();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MakeAction(const Command& command);
    // A menu of command ids in order (kSeparator, kRecentFiles: see main_frame.cpp).
    QMenu* NewMenu(const QString& title, std::initializer_list<int> entries = {});
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void OnCommandTriggered(int id);
    void UpdateTitle();
    void UpdateWindowMenu();
    void UpdateIndicators();
    void Cascade();
    void ArrangeIcons();
    void BeginContextHelp();
    void EndContextHelp();
    int ContextOfWidget(QWidget* widget) const;

    CLumoxApp& app_;
    QMdiArea* area_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> actions_;
    QList<QMenu*> menus2_;
    QList<QMenu*> menus3_;
    QMenu* windowMenu_ = nullptr;
    QList<QAction*> windowEntries_;
    QLabel* indicators_[3] = {};
    int menuResource_ = 0;
    bool contextHelp_ = false;
};

}  // namespace lumox

#endif

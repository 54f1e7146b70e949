#ifndef LUMOX_UI_LUMOX_APP_H
#define LUMOX_UI_LUMOX_APP_H

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

#include "ui/command_router.h"
#include "ui/document_view.h"
#include "ui/recent_file_list.h"

class QPrinter;
class QSettings;
class QWidget;

namespace lumox {

class CLumoxDoc;
class CMainFrame;
class DocumentWindows;
class HelpWindow;
class UiDialogs;
struct RouteState;

// The application: it allows one document at a time (the can-open flag), knows how each
// kind of document window is made, owns the main frame, the recent-file list, the
// printer settings and the help window, and is last on the command route.
class CLumoxApp : public QObject, public CommandTarget {
    Q_OBJECT
public:
    // settings holds the profile (the recent-file list, the main window's place); dialogs
    // are the common dialogs.
    CLumoxApp(QSettings& settings, UiDialogs& dialogs);
    ~CLumoxApp() override;

    // Start: the templates and the main frame, shown. False when the frame cannot be made.
    bool InitInstance();

    // Opens a data file with its Results window, maximised; null when a document is
    // open already or the file could not be read (its message shown).
    CLumoxDoc* OpenDataFile(const QString& path);
    // The same for a path as the file system spells it: a name that is not valid UTF-8
    // (which a QString cannot hold unchanged) opens too.
    CLumoxDoc* OpenDataPath(const std::string& path);
    // 1 while no document is open: New Data and Open Data are allowed.
    bool CanOpen() const { return m_bCanOpen; }
    // The open document's windows, or null.
    DocumentWindows* Document() const { return document_; }
    // New Data: an empty document with its Results window, maximised; the Edit Data
    // dialog follows once the command has finished. Null when a document is open.
    CLumoxDoc* NewDataDocument();
    // A document closed: New Data and Open Data are allowed again.
    void OnDocumentClosed(DocumentWindows* document);

    // Registers how a kind of document window is made (the graph and Build Equation
    // windows register theirs when they are built).
    void SetTemplate(ViewTemplate pattern);
    const ViewTemplate* Template(ViewKind kind) const;

    CMainFrame* MainFrame() const { return frame_.get(); }
    CommandRouter& Router() { return router_; }
    UiDialogs& Dialogs() { return dialogs_; }
    RecentFileList& RecentFiles() { return recent_; }
    // The printer that Print Setup sets up and every print uses; made on first use.
    QPrinter& Printer();
    // Whether the clipboard holds text; kept up to date from the clipboard's signal, as
    // asking the clipboard's owner on every refresh of the commands could be slow.
    bool ClipboardHasText() const { return clipboardHasText_; }
    // Shows the help window at the topic of context.
    void ShowHelp(int context);
    // The help window, or null before help was first asked for.
    HelpWindow* Help() const;
    QSettings& Settings() const { return settings_; }

private:
    // Makes document the open one and shows its Results window, maximised when asked (an
    // opened file; new data are typed in a window of their own size).
    void Adopt(std::unique_ptr<DocumentWindows> document, bool maximise);
    // Moves a window of its own (the help) beside the main window.
    void PlaceBesideMainWindow(QWidget& window) const;
    void OnFileOpen();
    void OnOpenRecentFile(int index);
    // The targets of a command, in route order, for the window active now.
    std::vector<CommandTarget*> Route();
    // What the enable rules read on that route.
    RouteState RouteNow();

    QSettings& settings_;
    UiDialogs& dialogs_;
    RecentFileList recent_;
    CommandRouter router_;
    std::array<std::optional<ViewTemplate>, 3> templates_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<HelpWindow> help_;
    DocumentWindows* document_ = nullptr;
    bool m_bCanOpen = true;
    bool clipboardHasText_ = false;
};

}  // namespace lumox

#endif

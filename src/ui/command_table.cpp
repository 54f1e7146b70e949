#include "ui/command_table.h"

#include <QStatusBar>
#include <QToolBar>

#include "ui/command_ids.h"
#include "ui/document_windows.h"
#include "ui/lumox_app.h"
#include "ui/lumox_view.h"
#include "ui/main_frame.h"

namespace lumox {
namespace {

// The enable and check rules. Each reads the route as it is now, and is asked only once
// a target on the route handles its command.

const CLumoxView* Results(const RouteState& now) {
    return dynamic_cast<const CLumoxView*>(now.view);
}

bool CanOpen(const RouteState& now) { return now.app.CanOpen(); }

// Recent files follow Open Data's rule: none opens while a document is open.
template <int index>
bool CanOpenRecentFile(const RouteState& now) {
    return now.app.CanOpen() && index < now.app.RecentFiles().Files().size();
}

// A rule of the open document's own.
template <auto rule>
bool DocumentAllows(const RouteState& now) {
    return now.document != nullptr && (now.document->Doc().*rule)();
}

constexpr auto CanSaveResults = DocumentAllows<&CLumoxDoc::CanSaveResults>;
constexpr auto CanSaveResultsAs = DocumentAllows<&CLumoxDoc::CanSaveResultsAs>;
constexpr auto CanRecordInputData = DocumentAllows<&CLumoxDoc::CanRecordInputData>;
constexpr auto CanRegress = DocumentAllows<&CLumoxDoc::CanRegress>;
constexpr auto HasFit = DocumentAllows<&CLumoxDoc::HasFit>;
constexpr auto CanScatter = DocumentAllows<&CLumoxDoc::CanScatter>;

bool CanUndo(const RouteState& now) {
    const CLumoxView* results = Results(now);
    return results != nullptr && results->document()->isUndoAvailable();
}

bool HasSelection(const RouteState& now) {
    const CLumoxView* results = Results(now);
    return results != nullptr && results->textCursor().hasSelection();
}

bool CanPaste(const RouteState& now) { return now.app.ClipboardHasText(); }

bool CanClearAll(const RouteState& now) {
    const CLumoxView* results = Results(now);
    return results != nullptr && results->CanClearAll();
}

bool HasDocument(const RouteState& now) { return now.document != nullptr; }

bool CanShowGraphWindow(const RouteState& now) {
    return now.document != nullptr && now.app.Template(ViewKind::Graph) != nullptr;
}

bool CanShowBuildEquationWindow(const RouteState& now) {
    return now.document != nullptr && now.app.Template(ViewKind::BuildEquation) != nullptr;
}

bool HasActiveChild(const RouteState& now) {
    return now.app.MainFrame() != nullptr && now.app.MainFrame()->ActiveChild() != nullptr;
}

bool ToolbarShown(const RouteState& now) {
    return now.app.MainFrame() != nullptr && !now.app.MainFrame()->ToolBar()->isHidden();
}

bool StatusBarShown(const RouteState& now) {
    return now.app.MainFrame() != nullptr && !now.app.MainFrame()->statusBar()->isHidden();
}

static_assert(cmd::kRecentFileCount == 4, "a row for each recent-file entry");
constexpr HelpTopic kRecentTopic = HelpTopic::RecentFiles;
constexpr const char* kRecentText = "Recent File";
constexpr const char* kRecentPrompt = "Open this data file";

// One row a command; clang-format would spread every field over a line of its own.
// clang-format off
const Command kCommands[] = {
    // File
    {.id = cmd::kNewData, .text = "&New Data\tCtrl+N", .prompt = "Create a new data file",
     .keys = {Qt::CTRL | Qt::Key_N}, .icon = "new", .enabled = CanOpen},
    {.id = cmd::kOpenData, .text = "&Open Data...\tCtrl+O", .prompt = "Open an existing data file",
     .keys = {Qt::CTRL | Qt::Key_O}, .icon = "open", .enabled = CanOpen},
    {.id = cmd::kClose, .text = "&Close", .prompt = "Close the data file and its windows"},
    {.id = cmd::kSaveResults, .text = "&Save Results\tCtrl+S",
     .prompt = "Save the Results window to a file", .keys = {Qt::CTRL | Qt::Key_S}, .icon = "save",
     .enabled = CanSaveResults},
    {.id = cmd::kSaveResultsAs, .text = "Save Results &As...",
     .prompt = "Save the Results window to a file under a new name", .enabled = CanSaveResultsAs},
    {.id = cmd::kPrint, .text = "&Print...\tCtrl+P", .prompt = "Print the active window",
     .keys = {Qt::CTRL | Qt::Key_P}, .icon = "print"},
    {.id = cmd::kPrintPreview, .text = "Print Pre&view",
     .prompt = "Show the printed pages on screen"},
    {.id = cmd::kPrintSetup, .text = "P&rint Setup...",
     .prompt = "Choose the printer and its paper"},
    {.id = cmd::kRecentFile1 + 0, .text = kRecentText, .prompt = kRecentPrompt,
     .topic = kRecentTopic, .enabled = CanOpenRecentFile<0>},
    {.id = cmd::kRecentFile1 + 1, .text = kRecentText, .prompt = kRecentPrompt,
     .topic = kRecentTopic, .enabled = CanOpenRecentFile<1>},
    {.id = cmd::kRecentFile1 + 2, .text = kRecentText, .prompt = kRecentPrompt,
     .topic = kRecentTopic, .enabled = CanOpenRecentFile<2>},
    {.id = cmd::kRecentFile1 + 3, .text = kRecentText, .prompt = kRecentPrompt,
     .topic = kRecentTopic, .enabled = CanOpenRecentFile<3>},
    {.id = cmd::kExit, .text = "E&xit", .prompt = "Quit Lumox, offering to save the Results first"},

    // Edit
    {.id = cmd::kClearAll, .text = "Clear &All", .prompt = "Empty the Results window",
     .enabled = CanClearAll},
    {.id = cmd::kInputData, .text = "Input &Data", .prompt = "Type or change the data in a grid"},
    {.id = cmd::kGraphOptions, .text = "&Graph Options",
     .prompt = "Choose the title, points, grid and axis intervals of graphs"},
    {.id = cmd::kCut, .text = "Cu&t\tCtrl+X", .prompt = "Move the selection to the Clipboard",
     .keys = {Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete}, .icon = "cut",
     .enabled = HasSelection},
    {.id = cmd::kCopy, .text = "&Copy\tCtrl+C", .prompt = "Copy the selection to the Clipboard",
     .keys = {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert}, .icon = "copy",
     .enabled = HasSelection},
    {.id = cmd::kPaste, .text = "&Paste\tCtrl+V", .prompt = "Insert the text of the Clipboard",
     .keys = {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert}, .icon = "paste",
     .enabled = CanPaste},
    {.id = cmd::kUndo, .text = "&Undo\tCtrl+Z", .prompt = "Undo the last change in the Results window",
     .keys = {Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_Backspace}, .enabled = CanUndo},

    // View
    {.id = cmd::kToolbar, .text = "&Toolbar", .prompt = "Show or hide the toolbar",
     .checked = ToolbarShown},
    {.id = cmd::kStatusBar, .text = "&Status Bar", .prompt = "Show or hide the status bar",
     .checked = StatusBarShown},

    // Statistics
    {.id = cmd::kRecordInputData, .text = "&Record Input Data",
     .prompt = "Copy input data to Results window", .enabled = CanRecordInputData},
    {.id = cmd::kDescriptiveStatistics, .text = "&Descriptive Statistics",
     .prompt = "Moments, percentiles and confidence intervals of one variable"},
    {.id = cmd::kRegressionWorkbench, .text = "Regression &Workbench",
     .prompt = "Build an equation from variables and transforms, and fit it",
     .enabled = CanRegress},
    {.id = cmd::kSimpleRegression, .text = "&Simple (X,Y) Regression",
     .prompt = "Fit Y against X with twelve equation forms", .enabled = CanRegress},
    {.id = cmd::kPointEstimate, .text = "&Point Estimate",
     .prompt = "Estimate Y at chosen values, with its intervals", .enabled = HasFit},
    {.id = cmd::kRegressionReports, .text = "Regression Reports...",
     .prompt = "Record reports of the last fit in the Results window", .enabled = HasFit},

    // Graphs
    {.id = cmd::kScatterOne, .text = "&One", .prompt = "One scatter graph on the page",
     .enabled = CanScatter},
    {.id = cmd::kScatterTwo, .text = "&Two", .prompt = "Two scatter graphs on the page",
     .enabled = CanScatter},
    {.id = cmd::kScatterFour, .text = "&Four", .prompt = "Four scatter graphs on the page",
     .enabled = CanScatter},
    {.id = cmd::kHistogram, .text = "&Histogram", .prompt = "Histogram or ogive of one variable"},

    // Window
    {.id = cmd::kCascade, .text = "&Cascade", .prompt = "Arrange the windows so that they overlap",
     .enabled = HasActiveChild},
    {.id = cmd::kTile, .text = "&Tile", .prompt = "Arrange the windows side by side",
     .enabled = HasActiveChild},
    {.id = cmd::kArrangeIcons, .text = "&Arrange Icons", .prompt = "Line up the minimised windows",
     .enabled = HasActiveChild},

    // Help
    {.id = cmd::kHelpTopics, .text = "&Help Topics", .prompt = "List the topics of Help"},
    {.id = cmd::kHelpOverview, .text = "&Overview", .prompt = "What Lumox does and how to begin",
     .topic = HelpTopic::Overview},
    {.id = cmd::kUsingHelp, .text = "&Using Help", .prompt = "How to find your way in Help"},
    {.id = cmd::kAbout, .text = "&About Lumox...", .prompt = "Show the version of Lumox",
     .icon = "about"},

    // Keys and buttons without a menu entry
    {.id = cmd::kContextHelp, .text = "Help",
     .prompt = "Click a command or a window to see its Help", .keys = {Qt::SHIFT | Qt::Key_F1},
     .icon = "context_help"},
    {.id = cmd::kHelp, .text = "Help", .prompt = "Show Help for the active window",
     .keys = {Qt::Key_F1}},
    {.id = cmd::kNextPane, .text = "Next Pane", .prompt = "Go to the next window",
     .keys = {Qt::Key_F6}, .topic = HelpTopic::Contents, .enabled = HasActiveChild},
    {.id = cmd::kPreviousPane, .text = "Previous Pane", .prompt = "Go to the previous window",
     .keys = {Qt::SHIFT | Qt::Key_F6}, .topic = HelpTopic::Contents, .enabled = HasActiveChild},

    // Commands the program sends itself
    {.id = cmd::kShowResultsWindow, .topic = HelpTopic::Contents, .enabled = HasDocument},
    {.id = cmd::kShowGraphWindow, .topic = HelpTopic::Contents, .enabled = CanShowGraphWindow},
    {.id = cmd::kShowBuildEquationWindow, .topic = HelpTopic::Contents,
     .enabled = CanShowBuildEquationWindow},
    {.id = cmd::kDefaultHelp, .topic = HelpTopic::Contents},
};
// clang-format on

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* CommandOf(int id) {
    for (const Command& command : kCommands) {
        if (command.id == id) return &command;
    }
    return nullptr;
}

CommandState RuleState(int id, const RouteState& now) {
    CommandState state;
    const Command* command = CommandOf(id);
    state.enabled = command == nullptr || command->enabled == nullptr || command->enabled(now);
    state.checkable = command != nullptr && command->checked != nullptr;
    state.checked = state.checkable && command->checked(now);
    return state;
}

}  // namespace lumox

#include "ui/command_prompts.h"

#include "ui/command_ids.h"

namespace lumox {
namespace {

struct Prompt {
    int id;
    const char* text;
};

constexpr Prompt kPrompts[] = {
    {cmd::kNewData, "Create a new data file"},
    {cmd::kOpenData, "Open an existing data file"},
    {cmd::kClose, "Close the data file and its windows"},
    {cmd::kSaveResults, "Save the Results window to a file"},
    {cmd::kSaveResultsAs, "Save the Results window to a file under a new name"},
    {cmd::kPrintSetup, "Choose the printer and its paper"},
    {cmd::kPrint, "Print the active window"},
    {cmd::kPrintPreview, "Show the printed pages on screen"},
    {cmd::kRecentFile1 + 0, "Open this data file"},
    {cmd::kRecentFile1 + 1, "Open this data file"},
    {cmd::kRecentFile1 + 2, "Open this data file"},
    {cmd::kRecentFile1 + 3, "Open this data file"},
    {cmd::kExit, "Quit Lumox, offering to save the Results first"},
    {cmd::kClearAll, "Empty the Results window"},
    {cmd::kCopy, "Copy the selection to the Clipboard"},
    {cmd::kCut, "Move the selection to the Clipboard"},
    {cmd::kPaste, "Insert the text of the Clipboard"},
    {cmd::kUndo, "Undo the last change in the Results window"},
    {cmd::kInputData, "Type or change the data in a grid"},
    {cmd::kGraphOptions, "Choose the title, points, grid and axis intervals of graphs"},
    {cmd::kToolbar, "Show or hide the toolbar"},
    {cmd::kStatusBar, "Show or hide the status bar"},
    {cmd::kRecordInputData, "Copy input data to Results window"},
    {cmd::kDescriptiveStatistics, "Moments, percentiles and confidence intervals of one variable"},
    {cmd::kRegressionWorkbench, "Build an equation from variables and transforms, and fit it"},
    {cmd::kSimpleRegression, "Fit Y against X with twelve equation forms"},
    {cmd::kPointEstimate, "Estimate Y at chosen values, with its intervals"},
    {cmd::kRegressionReports, "Record reports of the last fit in the Results window"},
    {cmd::kScatterOne, "One scatter graph on the page"},
    {cmd::kScatterTwo, "Two scatter graphs on the page"},
    {cmd::kScatterFour, "Four scatter graphs on the page"},
    {cmd::kHistogram, "Histogram or ogive of one variable"},
    {cmd::kCascade, "Arrange the windows so that they overlap"},
    {cmd::kTile, "Arrange the windows side by side"},
    {cmd::kArrangeIcons, "Line up the minimised windows"},
    {cmd::kNextPane, "Go to the next window"},
    {cmd::kPreviousPane, "Go to the previous window"},
    {cmd::kAbout, "Show the version of Lumox"},
    {cmd::kHelpTopics, "List the topics of Help"},
    {cmd::kUsingHelp, "How to find your way in Help"},
    {cmd::kHelpOverview, "What Lumox does and how to begin"},
    {cmd::kContextHelp, "Click a command or a window to see its Help"},
    {cmd::kHelp, "Show Help for the active window"},
};

}  // namespace

const char* CommandPrompt(int id) {
    for (const Prompt& prompt : kPrompts) {
        if (prompt.id == id) return prompt.text;
    }
    return "";
}

}  // namespace lumox

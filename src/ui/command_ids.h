#ifndef LUMOX_UI_COMMAND_IDS_H
#define LUMOX_UI_COMMAND_IDS_H

namespace lumox::cmd {

// File
constexpr int kNewData = 57600;
constexpr int kOpenData = 57601;
constexpr int kClose = 57602;
constexpr int kSaveResults = 57603;
constexpr int kSaveResultsAs = 57604;
constexpr int kPrintSetup = 57606;
constexpr int kPrint = 57607;
constexpr int kPrintPreview = 57609;
constexpr int kRecentFile1 = 57616;  // the recent-file entries follow in order
constexpr int kRecentFileCount = 4;
constexpr int kExit = 57665;

// Edit
constexpr int kClearAll = 57633;
constexpr int kCopy = 57634;
constexpr int kCut = 57635;
constexpr int kPaste = 57637;
constexpr int kUndo = 57643;
constexpr int kInputData = 32771;
constexpr int kGraphOptions = 32773;

// View
constexpr int kToolbar = 59392;
constexpr int kStatusBar = 59393;

// Statistics
constexpr int kRecordInputData = 32782;
constexpr int kDescriptiveStatistics = 32776;
constexpr int kSimpleRegression = 32777;
constexpr int kRegressionWorkbench = 32778;
constexpr int kPointEstimate = 32779;
constexpr int kRegressionReports = 32792;

// Graphs
constexpr int kScatterOne = 32786;
constexpr int kScatterTwo = 32788;
constexpr int kScatterFour = 32789;
constexpr int kHistogram = 32790;

// The windows of a document
constexpr int kShowGraphWindow = 32774;
constexpr int kShowResultsWindow = 32775;
constexpr int kShowBuildEquationWindow = 32791;

// Window
constexpr int kArrangeIcons = 57649;
constexpr int kCascade = 57650;
constexpr int kTile = 57651;
constexpr int kNextPane = 57680;
constexpr int kPreviousPane = 57681;

// Help
constexpr int kAbout = 57664;
constexpr int kHelpTopics = 57667;
constexpr int kUsingHelp = 57668;
constexpr int kContextHelp = 57669;
constexpr int kHelp = 57670;
constexpr int kDefaultHelp = 57671;
constexpr int kHelpOverview = 32793;

}  // namespace lumox::cmd

namespace lumox::help {

// Help context numbers: a command's topic is kCommandBase + its id, a window's or a
// dialog's kWindowBase + the number of its resource (2: the main window's menu, 3: a
// document window's menu, which the Results window answers to).
constexpr int kCommandBase = 0x10000;
constexpr int kWindowBase = 0x20000;
constexpr int kOverview = kCommandBase + cmd::kHelpOverview;  // 98329
constexpr int kMainWindow = kWindowBase + 2;
constexpr int kDocumentWindow = kWindowBase + 3;
constexpr int kEditDataDialog = kWindowBase + 101;
constexpr int kGraphSelectionDialog = kWindowBase + 102;
constexpr int kDescriptiveStatisticsDialog = kWindowBase + 103;
constexpr int kHistogramDialog = kWindowBase + 104;
constexpr int kBuildEquationWindow = kWindowBase + 106;
constexpr int kSelectReportsDialog = kWindowBase + 114;
constexpr int kGraphOptionsDialog = kWindowBase + 126;
// Numbers of our own for the windows whose resources have none of their own.
constexpr int kGraphWindow = kWindowBase + 4;
constexpr int kSimpleRegressionDialog = kWindowBase + 105;
constexpr int kPointEstimateDialog = kWindowBase + 108;

}  // namespace lumox::help

#endif

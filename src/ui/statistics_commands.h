#ifndef LUMOX_UI_STATISTICS_COMMANDS_H
#define LUMOX_UI_STATISTICS_COMMANDS_H

namespace lumox {

class DocumentWindows;

// The document's statistics and histogram commands: each runs its dialog for the open
// document and then records reports or shows the graph window.
void OnDescriptiveStatistics(DocumentWindows& windows);
// Closes the document's Build Equation window first: its fit is about to be replaced.
void OnSimpleRegression(DocumentWindows& windows);
void OnPointEstimate(DocumentWindows& windows);
void OnRegressionReports(DocumentWindows& windows);
void OnHistogram(DocumentWindows& windows);

}  // namespace lumox

#endif

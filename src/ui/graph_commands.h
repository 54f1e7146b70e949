#ifndef LUMOX_UI_GRAPH_COMMANDS_H
#define LUMOX_UI_GRAPH_COMMANDS_H

#include <functional>

class QDialog;

namespace lumox {

class DocumentWindows;

// How the graph commands run their dialogs: modally by default; a test installs a
// function that works the dialog's controls and returns its result instead.
using DialogRunner = std::function<int(QDialog&)>;
void SetGraphDialogRunner(DialogRunner runner);

// Scatter One, Two and Four: the ogive ends, the Graph Variable Selection dialog runs,
// and on Plot the page is set up and the graph window shows it.
void OnScatter(DocumentWindows& document, int graphs);
// Graph Options: the options dialog; on OK every view is redrawn.
void OnGraphOptions(DocumentWindows& document);

}  // namespace lumox

#endif

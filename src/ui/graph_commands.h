#ifndef LUMOX_UI_GRAPH_COMMANDS_H
#define LUMOX_UI_GRAPH_COMMANDS_H

namespace lumox {

class DocumentWindows;

// Scatter One, Two and Four: the ogive ends, the Graph Variable Selection dialog runs,
// and on Plot the page is set up and the graph window shows it.
void OnScatter(DocumentWindows& document, int graphs);
// Graph Options: the options dialog; on OK every view is redrawn.
void OnGraphOptions(DocumentWindows& document);

}  // namespace lumox

#endif

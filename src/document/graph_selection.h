#ifndef LUMOX_DOCUMENT_GRAPH_SELECTION_H
#define LUMOX_DOCUMENT_GRAPH_SELECTION_H

#include <array>
#include <string>
#include <vector>

#include "document/lumox_doc.h"

namespace lumox {

// The Graph Variable Selection dialog's state and rules, without the widgets: the list of
// variables (the derived series join it after a fit), which variable each graph's X and Y
// boxes hold, when Fitted Curve and Trend Line may be ticked, and what Plot accepts.
class GraphSelection {
public:
    enum class Axis { X, Y };

    // graphs is 1, 2 or 4 (anything else counts as 1).
    GraphSelection(const CLumoxDoc& doc, int graphs);

    int Graphs() const { return graphs_; }
    // The list's entries: the data columns, then the derived series when there is a fit.
    const std::vector<std::string>& Entries() const { return entries_; }

    // Highlights entry index (-1: none). Highlighting "Normal Z" shows the hint about
    // probability plots.
    void Select(int index);
    int Selection() const { return selection_; }

    // A click on graph k's X or Y box: ignored (false) while nothing is highlighted;
    // otherwise unticks both overlays of the graph, then clears a chosen axis or sets it
    // to the highlighted entry.
    bool Toggle(int graph, Axis axis);
    // The entry an axis holds, -1 when none, and its name ("" when none).
    int Chosen(int graph, Axis axis) const;
    std::string ChosenName(int graph, Axis axis) const;

    // Fitted Curve: X and Y are the variable and the dependent variable of the last fit.
    bool CanFitCurve(int graph) const;
    // Trend Line: X and Y are both chosen.
    bool CanTrendLine(int graph) const;
    // Ticks or unticks an overlay; a disabled box stays unticked.
    void SetFittedCurve(int graph, bool on);
    void SetTrendLine(int graph, bool on);
    bool FittedCurve(int graph) const;
    bool TrendLine(int graph) const;
    // Confidence Band and Prediction Band: with the fitted curve, or for a fit of several
    // variables (no curve) when X is one of its variables and Y its dependent variable;
    // unticking the curve unticks them.
    bool CanBand(int graph) const;
    enum class Band { Confidence, Prediction };
    void SetBand(int graph, Band band, bool on);
    bool HasBand(int graph, Band band) const;

    // Plot: false after "Graph: Data to plot incomplete!" when no graph has both axes;
    // otherwise true, after the note about the original scale when it applies.
    bool Plot() const;
    // The choices of the page's graphs, for SetupScatterPage.
    std::vector<CLumoxDoc::GraphChoice> Choices() const;

private:
    bool Valid(int graph) const { return graph >= 0 && graph < graphs_; }

    const CLumoxDoc& doc_;
    int graphs_;
    int selection_ = -1;
    std::vector<std::string> entries_;
    std::array<CLumoxDoc::GraphChoice, 4> choices_{};
};

}  // namespace lumox

#endif

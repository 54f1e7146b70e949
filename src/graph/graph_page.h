#ifndef LUMOX_GRAPH_GRAPH_PAGE_H
#define LUMOX_GRAPH_GRAPH_PAGE_H

#include <array>

#include "graph/chart_data.h"

namespace lumox {

class CLumoxDoc;
class ChartEngine;
class Matrix;
class Surface;

// The cells of a graph page and the sizes the graph window scrolls by, in chart units.
struct GraphPageLayout {
    std::array<ChartRect, 4> cells{};
    int pageWidth = 0;  // the extent of the page's mapping
    int pageHeight = 0;
    int pageTop = 0;      // chart y on the top edge of the surface
    int scrollWidth = 0;  // screen: the whole scrolling area
    int scrollHeight = 0;
    int stepWidth = 0;  // screen: one Page Up / Page Down step
    int stepHeight = 0;
};

// The layout of 1, 2 or 4 graphs for a device of u x v logical pixels per inch; a printed
// page leaves one inch above the graphs for the header and centres them in printableWidth.
GraphPageLayout ComputeGraphPageLayout(int graphsPerPage, int u, int v, bool printing,
                                       int printableWidth);

// Draws the document's graph page: the scatter graphs of its slots with their trend lines
// and fitted curves, or the histogram or ogive; on a printer under the report header line.
// The slots take the cells of the page. Failures of one graph (message 16, a transform's
// message) leave it unfinished and the rest of the page is still drawn.
void DrawGraphPage(CLumoxDoc& doc, Surface& surface, ChartEngine& engine);

// The values of a derived variable of the last fit, one per observation, in a one-column
// matrix: 0 predicted Y and 1 residuals on the original scale of Y, 2 standardized
// residuals, 3 normal scores. False when there is no fit or back-transforming failed.
bool BuildDerivedSeries(CLumoxDoc& doc, int which, Matrix& values);

// The least-squares line of the series clipped to the axes the engine has scaled, as two
// rows (x, y).
Matrix TrendLine(const ChartData& series, const ChartEngine& engine);

}  // namespace lumox

#endif

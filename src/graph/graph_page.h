#ifndef LUMOX_GRAPH_GRAPH_PAGE_H
#define LUMOX_GRAPH_GRAPH_PAGE_H

#include <array>
#include <string>

#include "graph/chart_data.h"
#include "platform/diagnostics.h"

namespace lumox {

class ChartEngine;
class DataSet;
class EquationModel;
class Matrix;
class RegressionFit;
class Surface;
struct FrequencyTable;
struct HistogramSettings;

// What a graph page shows: the scatter graphs of its slots, or slot 0 as the histogram or
// the ogive of the histogram settings.
enum class GraphKind { Scatter, Histogram, Ogive };

// What a graph page draws; the document gathers it.
struct GraphPage {
    GraphKind kind = GraphKind::Scatter;
    int graphsPerPage = 1;                 // 1, 2 or 4
    std::array<ChartData*, 4> graphs{};    // the graph slots; drawing sets their cells
    const DataSet* data = nullptr;         // the data set the slots' columns refer to
    const EquationModel* model = nullptr;  // the last fit's model as fitted; null: no fit
    const RegressionFit* fit = nullptr;
    const HistogramSettings* histogram = nullptr;
    double bandLevel = 95.0;  // the confidence level of the bands, in percent
    std::string title;  // the document's title, for the header of a printed page
};

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

// Draws a graph page: the scatter graphs of its slots with their trend lines and fitted
// curves, or the histogram or ogive; on a printer under the report header line. The slots
// take the cells of the page. Failures of one graph (message 16, a transform's message, in
// said) leave it unfinished and the rest of the page is still drawn.
void DrawGraphPage(const GraphPage& page, Surface& surface, ChartEngine& engine, Diagnostics& said);

// Whether the page carries a fit to draw a fitted curve from.
bool HasFit(const GraphPage& page);

// Fills the histogram or ogive series of chart from a frequency table, which must outlive
// the chart's drawing; the caller has set the title, Y intervals, grid and point size.
void ApplyFrequencyTable(const FrequencyTable& table, ChartData& chart);

// The least-squares line of the series clipped to the axes the engine has scaled, as two
// rows (x, y); an empty matrix when all x are equal.
Matrix TrendLine(const ChartData& series, const ChartEngine& engine);

}  // namespace lumox

#endif

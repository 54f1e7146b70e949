#ifndef LUMOX_GRAPH_CHART_DATA_H
#define LUMOX_GRAPH_CHART_DATA_H

#include <cstdint>
#include <string>

namespace lumox {

class Matrix;

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A rectangle in chart coordinates: y grows upward, so top > bottom.
struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ChartRect&, const ChartRect&) = default;
};

// One plotted series and its graph cell: what the graph view fills and the chart engine draws.
struct ChartData {
    int pointCount = 0;               // fewer than 2 draws nothing
    const Matrix* xMatrix = nullptr;  // source of the X values
    int xColumn = 0;
    const Matrix* yMatrix = nullptr;  // source of the Y values
    int yColumn = 0;
    int markerStyle = 0;  // 0 none, 1 filled square, 2 circle, 3 diagonal cross
    int pointSize = 0;    // 0 small, 1 large
    int lineStyle = 0;    // 0 none, 1 solid, 2 dotted, 3 dashed (every other segment)
    int xIntervals = 0;   // labelled X intervals requested
    int yIntervals = 0;   // labelled Y intervals requested
    Rgb colour;
    std::string title;
    std::string xLabel;
    std::string yLabel;
    ChartRect cell;
    int grid = 0;
    int barChart = 0;  // histogram bars; also makes the Y scaling include zero
    // Histogram X axis: when xLabelIntervalsOverride > 0 these replace the scaling of X.
    int xLabelIntervalsOverride = 0;
    int xLowOverride = 0;
    int xHighOverride = 0;
    int xExponentOverride = 0;
    int trendLine = 0;    // add the least-squares trend line (read by the graph page)
    int fittedCurve = 0;  // add the fitted regression curve (read by the graph page)
    // Add the confidence and the prediction band about the fitted curve (read by the graph
    // page, drawn only with the curve).
    int confidenceBand = 0;
    int predictionBand = 0;
};

}  // namespace lumox

#endif

#ifndef LUMOX_GRAPH_CHART_ENGINE_H
#define LUMOX_GRAPH_CHART_ENGINE_H

#include "graph/chart_data.h"
#include "numeric/scale.h"
#include "graph/surface.h"

namespace lumox {

// Where the last scaled graph lies in chart coordinates.
struct PlotLayout {
    int x0 = 0;  // plot origin
    int y0 = 0;
    int width = 0;
    int height = 0;
    int majorTick = 0;  // T
    int minorTick = 0;  // t
};

// Draws one series of a graph: scales and draws the axes for the first series, then plots;
// overlays reuse the scaling and layout of the call before them. One engine serves every
// graph window; an overlay must follow its graph's first series on the same surface.
class ChartEngine {
public:
    enum Result { kDrawn = 0, kTooFewPoints = 1, kScalingFailed = 2 };

    // With alreadyScaled 0 scales, lays out and draws the axes, then plots; with 1 only
    // plots, and fails with kScalingFailed when no scaling is there to reuse. A histogram
    // description (X label intervals override > 0) has its X interval count rewritten.
    int Draw(Surface& surface, ChartData& chart, int alreadyScaled);

    // The scaling and layout that an overlay drawn now would reuse.
    bool IsScaled() const { return scaled_; }
    const AxisScale& XScale() const { return x_; }
    const AxisScale& YScale() const { return y_; }
    const PlotLayout& Layout() const { return layout_; }
    int FontHeight() const { return fontHeight_; }

    // The font height F for a cell of height s on a device with the given vertical
    // resolution: smaller relative to the cell when the cell is a larger part of the device.
    static int FontHeightFor(double s, int verticalResolution, bool printer);
    // Labelled intervals x minor subdivisions divide the rounded plot width and height.
    static PlotLayout LayOut(const ChartRect& cell, int fontHeight, int xDivisions, int yDivisions);

private:
    void DrawAxes(Surface& surface, const ChartData& chart);
    void DrawGrid(Surface& surface, const ChartData& chart);
    void DrawTexts(Surface& surface, const ChartData& chart, const Font& font);
    void Plot(Surface& surface, const ChartData& chart);

    Font font_;
    double chartSize_ = 0.0;  // S, the height of the current cell
    int fontHeight_ = 0;      // F
    AxisScale x_;
    AxisScale y_;
    int xIntervals_ = 0;
    int yIntervals_ = 0;
    PlotLayout layout_;
    bool scaled_ = false;
};

}  // namespace lumox

#endif

#include "graph/graph_page.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "data/data_set.h"
#include "graph/chart_engine.h"
#include "graph/surface.h"
#include "numeric/matrix.h"
#include "numeric/scale.h"
#include "platform/diagnostics.h"
#include "platform/strings.h"
#include "regression/derived_series.h"
#include "regression/equation_model.h"
#include "regression/fit_bands.h"
#include "regression/regression_fit.h"
#include "reports/input_data.h"
#include "stats/descriptive_statistics.h"
#include "stats/frequency_table.h"
#include "stats/histogram_settings.h"

namespace lumox {
namespace {

// From this many observations the fitted curve joins the predicted values themselves.
constexpr uint32_t kCurveFromPredicted = 100;
constexpr int kCurvePoints = 101;
// The bands in lighter shades of the fitted curve's blue, the prediction band the lighter.
constexpr Rgb kConfidenceBandColour{96, 96, 255};
constexpr Rgb kPredictionBandColour{160, 160, 255};

// The derived series of a graph column at or after the data's columns.
DerivedSeries Derived(int column, int columns) {
    return static_cast<DerivedSeries>(column - columns);
}

// A series drawn over a graph's axes: two columns of source, a solid line and no markers.
ChartData Overlay(const ChartData& graph, int points, const Matrix* x, int xColumn, const Matrix* y,
                  int yColumn, Rgb colour) {
    ChartData overlay = graph;
    overlay.pointCount = points;
    overlay.xMatrix = x;
    overlay.xColumn = xColumn;
    overlay.yMatrix = y;
    overlay.yColumn = yColumn;
    overlay.markerStyle = 0;
    overlay.lineStyle = 1;
    overlay.colour = colour;
    overlay.barChart = 0;
    return overlay;
}

// Draws an overlay on the axes just drawn; a scaling failure is reported once.
void DrawOverlay(Surface& surface, ChartEngine& engine, ChartData& overlay, Diagnostics& said) {
    if (engine.Draw(surface, overlay, 1) == ChartEngine::kScalingFailed) {
        said.Add(ids::kGraphScaleFailed, Icon::Stop);
    }
}

// The fitted equation over the graph's X range: 101 grid points when there are fewer than
// 100 observations, else the predicted values joined in order of X. False when nothing is
// to be drawn (a transform failed, or the graph's X is not the fitted equation's variable).
bool FittedCurve(const GraphPage& page, const ChartData& graph, Matrix& curve, ChartData& series,
                 Diagnostics& said) {
    const RegressionFit& fit = *page.fit;
    const int observations = static_cast<int>(fit.m_n);
    if (fit.m_n >= kCurveFromPredicted) {
        Matrix predicted;
        if (!BuildDerivedSeries(*page.model, fit, DerivedSeries::PredictedY, predicted, said)) {
            return false;
        }
        // Joined in data order, unsorted X would draw chords back and forth across the
        // graph: the points are taken in order of X (ties keep their data order).
        const int points =
            std::min({graph.pointCount, observations, static_cast<int>(predicted.Rows())});
        std::vector<std::pair<double, double>> joined(static_cast<size_t>(points));
        for (int i = 0; i < points; ++i) {
            joined[static_cast<size_t>(i)] = {graph.xMatrix->At(i, graph.xColumn),
                                              predicted.At(i, 0)};
        }
        std::stable_sort(joined.begin(), joined.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        curve.Resize(static_cast<uint32_t>(points), 2);
        for (int i = 0; i < points; ++i) {
            curve.At(i, 0) = joined[static_cast<size_t>(i)].first;
            curve.At(i, 1) = joined[static_cast<size_t>(i)].second;
        }
        series = Overlay(graph, points, &curve, 0, &curve, 1, kBlue);
        return true;
    }
    // The grid is put in the place of the equation's variable in an otherwise empty data set.
    const std::optional<int> single = page.model->m_nSingleVariable;
    if (graph.xMatrix != &page.data->GetData() || !single || graph.xColumn != *single) {
        return false;
    }
    const int variable = *single;
    double low = 0.0;
    double high = 0.0;
    ColumnMinMax(*graph.xMatrix, static_cast<uint32_t>(graph.xColumn), low, high,
                 static_cast<uint32_t>(graph.pointCount));
    Matrix grid(kCurvePoints, page.data->Cols());
    grid.Fill(0.0);
    curve.Resize(kCurvePoints, 2);
    for (int i = 0; i < kCurvePoints; ++i) {
        const double x = low + i * (high - low) / (kCurvePoints - 1);
        grid.At(i, variable) = x;
        curve.At(i, 0) = x;
    }
    Matrix terms;
    Matrix unused;
    // A working copy: building x terms alone would clear the fitted model's record that
    // it transformed y.
    EquationModel model(*page.model);
    if (model.BuildTermMatrix(terms, unused, grid, true, said) != 0) return false;
    Matrix fitted = Multiply(terms, fit.m_coefficients);
    if (model.BackTransform(fitted, said) != 0) return false;
    curve.CopyColumn(fitted, 0, 1);
    series = Overlay(graph, kCurvePoints, &curve, 0, &curve, 1, kBlue);
    return true;
}

// The confidence and prediction bands chosen for graph, each bound a lighter dashed line,
// over the grid of the graph's X range. A band that cannot be computed (a bound outside a
// transform's domain) is left out without a message: the curve itself has been drawn.
void DrawBands(const GraphPage& page, const ChartData& graph, Surface& surface, ChartEngine& engine,
               Diagnostics& said) {
    if (graph.confidenceBand != 1 && graph.predictionBand != 1) return;
    std::vector<int> variables;
    page.model->ListDistinctVariables(&variables);
    if (graph.xMatrix != &page.data->GetData() ||
        std::find(variables.begin(), variables.end(), graph.xColumn) == variables.end()) {
        return;
    }
    double low = 0.0;
    double high = 0.0;
    ColumnMinMax(*graph.xMatrix, static_cast<uint32_t>(graph.xColumn), low, high,
                 static_cast<uint32_t>(graph.pointCount));
    Matrix bands;
    Diagnostics ignored;
    if (!FitBands(*page.model, *page.fit, page.data->GetData(), graph.xColumn, low, high,
                  page.bandLevel, bands, ignored)) {
        return;
    }
    const struct {
        int chosen;
        int lower;
        Rgb colour;
    } kinds[] = {{graph.confidenceBand, kBandConfidenceLow, kConfidenceBandColour},
                 {graph.predictionBand, kBandPredictionLow, kPredictionBandColour}};
    for (const auto& kind : kinds) {
        if (kind.chosen != 1) continue;
        for (const int column : {kind.lower, kind.lower + 1}) {
            ChartData bound =
                Overlay(graph, kBandPoints, &bands, kBandX, &bands, column, kind.colour);
            bound.lineStyle = 3;
            DrawOverlay(surface, engine, bound, said);
        }
    }
}

void DrawScatterGraph(const GraphPage& page, Surface& surface, ChartEngine& engine, int slot,
                      Diagnostics& said) {
    ChartData graph = *page.graphs[static_cast<size_t>(slot)];
    const DataSet& data = *page.data;
    const int columns = static_cast<int>(data.Cols());
    if (graph.pointCount < 2 || graph.xColumn < 0 || graph.yColumn < 0) return;
    const bool xDerived = graph.xColumn >= columns;
    const bool yDerived = graph.yColumn >= columns;
    if (graph.xColumn >= columns + kDerivedSeriesCount ||
        graph.yColumn >= columns + kDerivedSeriesCount) {
        return;
    }
    // The slot may be older than the data set it refers to: never read past its rows.
    graph.pointCount = std::min(graph.pointCount, static_cast<int>(data.Rows()));

    Matrix xValues;
    Matrix yValues;
    if (xDerived || yDerived) {
        if (!HasFit(page)) return;
        if (xDerived) {
            if (!BuildDerivedSeries(*page.model, *page.fit, Derived(graph.xColumn, columns),
                                    xValues, said)) {
                return;
            }
            graph.pointCount = std::min(graph.pointCount, static_cast<int>(xValues.Rows()));
        }
        if (yDerived) {
            if (!BuildDerivedSeries(*page.model, *page.fit, Derived(graph.yColumn, columns),
                                    yValues, said)) {
                return;
            }
            graph.pointCount = std::min(graph.pointCount, static_cast<int>(yValues.Rows()));
        }
        // The normal probability plot: ordered values against the expected normal scores.
        if (xDerived && yDerived && Derived(graph.xColumn, columns) == DerivedSeries::NormalZ) {
            SortVector(yValues, false);
        }
    }
    if (xDerived) {
        graph.xMatrix = &xValues;
        graph.xColumn = 0;
    } else {
        graph.xMatrix = &data.GetData();
    }
    if (yDerived) {
        graph.yMatrix = &yValues;
        graph.yColumn = 0;
    } else {
        graph.yMatrix = &data.GetData();
    }

    const int result = engine.Draw(surface, graph, 0);
    if (result == ChartEngine::kScalingFailed) said.Add(ids::kGraphScaleFailed, Icon::Stop);
    if (result != ChartEngine::kDrawn) return;

    if (graph.trendLine == 1) {
        const Matrix line = TrendLine(graph, engine);
        if (line.Rows() == 2) {
            ChartData trend = Overlay(graph, 2, &line, 0, &line, 1, kRed);
            DrawOverlay(surface, engine, trend, said);
        }
    }
    if (graph.fittedCurve == 1 && HasFit(page)) {
        Matrix curve;
        ChartData series;
        if (FittedCurve(page, graph, curve, series, said)) {
            DrawOverlay(surface, engine, series, said);
        }
    }
    if (HasFit(page)) DrawBands(page, graph, surface, engine, said);
}

void DrawHistogram(const GraphPage& page, Surface& surface, ChartEngine& engine,
                   Diagnostics& said) {
    ChartData graph = *page.graphs[0];
    const HistogramSettings& settings = *page.histogram;
    const FrequencyTable frequencies = BuildFrequencyTable(*page.data, settings, said);
    if (frequencies.width == 0) return;
    const int width = frequencies.width;
    ApplyFrequencyTable(frequencies, graph);
    const int result = engine.Draw(surface, graph, 0);
    if (result == ChartEngine::kScalingFailed) said.Add(ids::kGraphScaleFailed, Icon::Stop);
    if (result != ChartEngine::kDrawn) return;

    if (!settings.addNormalCurve || page.kind == GraphKind::Ogive) return;
    const DescriptiveStatistics statistics(page.data->GetData(),
                                           static_cast<uint32_t>(settings.column));
    // A constant column has no spread: its normal curve would have no finite height.
    if (!(statistics.stdDeviation > 0.0) || !std::isfinite(statistics.stdDeviation)) return;
    const double f = PowerOfTen(graph.xExponentOverride);
    const Matrix curve =
        statistics.NormalCurve(width * f, graph.xLowOverride * f, graph.xHighOverride * f,
                               settings.kind == HistogramKind::Frequency);
    ChartData normal = Overlay(graph, static_cast<int>(curve.Rows()), &curve, 0, &curve, 1, kBlack);
    DrawOverlay(surface, engine, normal, said);
}

// The report header line above a printed page, underlined across the printable width.
void DrawPrintedHeader(const std::string& title, Surface& surface, int u, int v, int top) {
    const Font previous = surface.SelectFont(Font{"Courier New", -(v * 10 / 72), 400, 0});
    const TextMetrics metrics = surface.GetTextMetrics();
    const int left = 3 * u / 4;
    const int right = 7 * u + 3 * u / 4;
    const std::string header =
        ComposeReportHeader(title, (right - left) / std::max(metrics.averageCharWidth, 1));
    const int line = metrics.height + metrics.externalLeading;
    surface.TextOut(left, top - line, header);
    const Pen pen = surface.SelectPen(Pen{PenStyle::Solid, 1, kBlack});
    const int rule = top - static_cast<int>(2.5 * line);
    surface.MoveTo(left, rule);
    surface.LineTo(right, rule);
    surface.SelectPen(pen);
    surface.SelectFont(previous);
}

}  // namespace

GraphPageLayout ComputeGraphPageLayout(int graphsPerPage, int u, int v, bool printing,
                                       int printableWidth) {
    GraphPageLayout layout;
    const int g = printing ? v : v / 4;
    int w = 0;
    int h = 0;
    int offset = 0;
    if (graphsPerPage == 4) {
        h = 13 * v / 4;
        w = printing ? 3 * u + 5 * u / 8 : 13 * u / 4;
        offset = printing ? u / 2 : 0;
        layout.cells[0] = ChartRect{0, 2 * h + g, w, h + g};
        layout.cells[1] = ChartRect{0, h, w, 0};
        layout.cells[2] = ChartRect{w, 2 * h + g, 2 * w, h + g};
        layout.cells[3] = ChartRect{w, h, 2 * w, 0};
        layout.pageWidth = 2 * w;
        layout.pageHeight = 2 * h + g;
        layout.stepWidth = w;
        layout.stepHeight = h;
    } else if (graphsPerPage == 2) {
        w = 6 * u;
        h = 4 * v;
        offset = printing ? (printableWidth - w) / 2 : 0;
        layout.cells[0] = ChartRect{0, 2 * h + g, w, h + g};
        layout.cells[1] = ChartRect{0, h, w, 0};
        layout.pageWidth = w;
        layout.pageHeight = 2 * h + g;
        layout.stepWidth = w / 2;
        layout.stepHeight = h + g / 2;
    } else {
        w = 6 * u;
        h = 4 * v;
        offset = printing ? (printableWidth - w) / 2 : 0;
        layout.cells[0] = ChartRect{0, h, w, 0};
        layout.pageWidth = w;
        layout.pageHeight = h;
        layout.stepWidth = w / 4;
        layout.stepHeight = h / 4;
    }
    for (ChartRect& cell : layout.cells) {
        if (cell == ChartRect{}) continue;
        cell.left += offset;
        cell.right += offset;
    }
    layout.scrollWidth = layout.pageWidth;
    layout.scrollHeight = layout.pageHeight;
    layout.pageTop = layout.pageHeight + (printing ? v : 0);
    return layout;
}

void DrawGraphPage(const GraphPage& page, Surface& surface, ChartEngine& engine,
                   Diagnostics& said) {
    const bool printing = surface.IsPrinter();
    const int u = surface.PixelsPerInchX();
    const int v = surface.PixelsPerInchY();
    const int graphs = page.graphsPerPage == 4 ? 4 : page.graphsPerPage == 2 ? 2 : 1;
    const GraphPageLayout layout =
        ComputeGraphPageLayout(graphs, u, v, printing, surface.HorizontalResolution());
    surface.SetPageTop(layout.pageTop);
    for (int k = 0; k < graphs; ++k)
        page.graphs[static_cast<size_t>(k)]->cell = layout.cells[static_cast<size_t>(k)];
    if (printing) DrawPrintedHeader(page.title, surface, u, v, layout.pageTop);

    for (int k = 0; k < graphs; ++k) {
        try {
            if (page.kind == GraphKind::Scatter) {
                DrawScatterGraph(page, surface, engine, k, said);
            } else if (k == 0) {
                DrawHistogram(page, surface, engine, said);
            }
        } catch (const ComputeError& error) {
            // A computation that cannot go on ends only this graph.
            said.Add(error.Said().text, error.Said().icon);
        }
    }
}

void ApplyFrequencyTable(const FrequencyTable& table, ChartData& chart) {
    chart.pointCount = table.classes;
    chart.xLabel = table.xLabel;
    chart.yLabel = table.yLabel;
    chart.xLabelIntervalsOverride = table.labelledIntervals;
    chart.xLowOverride = table.scale.low;
    chart.xHighOverride = table.scale.high;
    chart.xExponentOverride = table.scale.exponent;
    chart.xIntervals = table.classes;
    chart.xMatrix = &table.table;
    chart.xColumn = 0;
    chart.yMatrix = &table.table;
    chart.yColumn = 1;
    // The ogive is a line through the running totals, the histogram a bar chart.
    chart.barChart = table.cumulative ? 0 : 1;
    chart.markerStyle = table.cumulative ? 1 : 0;
    chart.lineStyle = table.cumulative ? 1 : 0;
    chart.colour = Rgb{0, 0, 0};
}

Matrix TrendLine(const ChartData& series, const ChartEngine& engine) {
    // Sums about the means, in double precision: raw sums of x squared lose the slope
    // when x carries a large offset (years, timestamps).
    const int n = series.pointCount;
    double meanX = 0.0;
    double meanY = 0.0;
    for (int i = 0; i < n; ++i) {
        meanX += series.xMatrix->At(i, series.xColumn);
        meanY += series.yMatrix->At(i, series.yColumn);
    }
    meanX /= n;
    meanY /= n;
    double sxx = 0.0;
    double sxy = 0.0;
    for (int i = 0; i < n; ++i) {
        const double dx = series.xMatrix->At(i, series.xColumn) - meanX;
        sxx += dx * dx;
        sxy += dx * (series.yMatrix->At(i, series.yColumn) - meanY);
    }
    // All x equal: no line has a slope to fit.
    if (n < 2 || !(sxx > 0.0)) return Matrix();
    const double b = sxy / sxx;
    const double a = meanY - b * meanX;
    const AxisScale& xs = engine.XScale();
    const AxisScale& ys = engine.YScale();
    const double xLimits[2] = {xs.low * PowerOfTen(xs.exponent), xs.high * PowerOfTen(xs.exponent)};
    const double yLow = ys.low * PowerOfTen(ys.exponent);
    const double yHigh = ys.high * PowerOfTen(ys.exponent);

    Matrix line(2, 2);
    for (int end = 0; end < 2; ++end) {
        double x = xLimits[end];
        double y = b * x + a;
        // An end outside the plot slides along the line to the plot's edge: inwards.
        double slide = 0.0;
        if (y < yLow) {
            slide = std::fabs((yLow - y) / b);
            y = yLow;
        } else if (y > yHigh) {
            slide = std::fabs((y - yHigh) / b);
            y = yHigh;
        }
        x += end == 0 ? slide : -slide;
        line.At(end, 0) = x;
        line.At(end, 1) = y;
    }
    return line;
}

bool HasFit(const GraphPage& page) {
    return page.model != nullptr && page.fit != nullptr && !page.fit->m_fitted.IsEmpty();
}

}  // namespace lumox

#include "graph/graph_page.h"
#include "regression/derived_series.h"
#include "reports/input_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "document/lumox_doc.h"
#include "graph/chart_engine.h"
#include "numeric/matrix.h"
#include "recording_surface.h"
#include "regression/equation_model.h"
#include "regression/regression_fit.h"
#include "regression/regression_helpers.h"
#include "support/accuracy.h"
#include "support/data_sets.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::Near;
using test::RecordingSurface;
using test::ScriptedPrompt;

void Load(CLumoxDoc& doc, const std::vector<std::string>& names,
          const std::vector<std::vector<double>>& rows) {
    test::FillDataSet(doc, names, rows);
}

// A one-column data set "V" with slot 0 set up as the Histogram command does.
void LoadHistogram(CLumoxDoc& doc, const std::vector<double>& values,
                   const HistogramSettings& settings) {
    std::vector<std::vector<double>> rows;
    for (double v : values) rows.push_back({v});
    Load(doc, {"V"}, rows);
    doc.SetupHistogram(settings);
}

// The y of every move, line and box corner drawn.
std::vector<int> DrawnYs(const RecordingSurface& surface) {
    std::vector<int> ys;
    for (const std::string& call : surface.calls) {
        int a, b, c, d;
        if (sscanf(call.c_str(), "move %d %d", &a, &b) == 2 ||
            sscanf(call.c_str(), "line %d %d", &a, &b) == 2) {
            ys.push_back(b);
        } else if (sscanf(call.c_str(), "rect %d %d %d %d", &a, &b, &c, &d) == 4) {
            ys.push_back(b);
            ys.push_back(d);
        }
    }
    return ys;
}

struct LayoutCase {
    const char* name;
    int graphs, u, v;
    bool printing;
    int printableWidth;
    std::vector<ChartRect> cells;
    int pageTop, scrollWidth, scrollHeight, stepWidth, stepHeight;
};

// Worked by hand from the cell sizes: one and two graphs 6 x 4 inches, four graphs
// 13/4 x 13/4 inches on screen and 3 5/8 x 3 1/4 printed; gaps of v/4 on screen and one
// inch printed, printed pages one inch lower for the header.
const LayoutCase kLayouts[] = {
    {"one_screen", 1, 96, 96, false, 0, {{0, 384, 576, 0}}, 384, 576, 384, 144, 96},
    {"one_printed", 1, 600, 600, true, 4800, {{600, 2400, 4200, 0}}, 3000, 3600, 2400, 900, 600},
    {"two_screen",
     2,
     96,
     96,
     false,
     0,
     {{0, 792, 576, 408}, {0, 384, 576, 0}},
     792,
     576,
     792,
     288,
     396},
    {"two_printed",
     2,
     600,
     600,
     true,
     4800,
     {{600, 5400, 4200, 3000}, {600, 2400, 4200, 0}},
     6000,
     3600,
     5400,
     1800,
     2700},
    {"four_screen",
     4,
     96,
     96,
     false,
     0,
     {{0, 648, 312, 336}, {0, 312, 312, 0}, {312, 648, 624, 336}, {312, 312, 624, 0}},
     648,
     624,
     648,
     312,
     312},
    // 3.625 x 3.25 inches at 600 per inch, half an inch from the left.
    {"four_printed",
     4,
     600,
     600,
     true,
     4800,
     {{300, 4500, 2475, 2550},
      {300, 1950, 2475, 0},
      {2475, 4500, 4650, 2550},
      {2475, 1950, 4650, 0}},
     5100,
     4350,
     4500,
     2175,
     1950},
};

TEST(GraphPage, LayoutsForScreenAndPrinter) {
    for (const LayoutCase& c : kLayouts) {
        const GraphPageLayout l =
            ComputeGraphPageLayout(c.graphs, c.u, c.v, c.printing, c.printableWidth);
        for (size_t k = 0; k < 4; ++k) {
            const ChartRect expected = k < c.cells.size() ? c.cells[k] : ChartRect{};
            EXPECT_EQ(l.cells[k], expected) << c.name << " cell " << k;
        }
        EXPECT_EQ(l.pageTop, c.pageTop) << c.name;
        EXPECT_EQ(l.scrollWidth, c.scrollWidth) << c.name;
        EXPECT_EQ(l.scrollHeight, c.scrollHeight) << c.name;
        EXPECT_EQ(l.stepWidth, c.stepWidth) << c.name;
        EXPECT_EQ(l.stepHeight, c.stepHeight) << c.name;
    }
}

TEST(GraphPage, TrendLineIsCutAtThePlotEdges) {
    struct Case {
        const char* name;
        std::vector<std::vector<double>> points;
        double x0, y0, x1, y1;
    };
    // x 0 .. 3 scales to 0 .. 3 (step 0.6), y to 0 .. 12; y = 3x - 2 (least squares by
    // hand: D = 20, a = -40 / 20, b = 60 / 20) leaves the bottom at x = 2/3.
    // x 1 .. 3 scales to 1 .. 3.5 (step 0.5); y = 5x - 5 reaches 12.5 at 3.5, so the right
    // end slides back 0.5 / 5 to x = 3.4.
    const Case cases[] = {
        {"bottom", {{0, 0}, {1, 0}, {2, 0}, {3, 10}}, 2.0 / 3.0, 0, 3, 7},
        {"top", {{1, 0}, {2, 5}, {3, 10}}, 1, 0, 3.4, 12},
    };
    for (const Case& c : cases) {
        Matrix m(static_cast<uint32_t>(c.points.size()), 2);
        for (uint32_t i = 0; i < m.Rows(); ++i) {
            m.At(i, 0) = c.points[i][0];
            m.At(i, 1) = c.points[i][1];
        }
        ChartData chart;
        chart.pointCount = static_cast<int>(m.Rows());
        chart.xMatrix = &m;
        chart.yMatrix = &m;
        chart.yColumn = 1;
        chart.xIntervals = 5;
        chart.yIntervals = 4;
        chart.cell = ChartRect{0, 384, 576, 0};
        ChartEngine engine;
        RecordingSurface surface;
        ASSERT_EQ(engine.Draw(surface, chart, 0), ChartEngine::kDrawn);
        const Matrix line = TrendLine(chart, engine);
        EXPECT_TRUE(Near(line.At(0, 0), c.x0, 1e-6, 1e-6)) << c.name << " " << line.At(0, 0);
        EXPECT_TRUE(Near(line.At(0, 1), c.y0, 1e-6, 1e-6)) << c.name << " " << line.At(0, 1);
        EXPECT_TRUE(Near(line.At(1, 0), c.x1, 1e-6, 1e-6)) << c.name << " " << line.At(1, 0);
        EXPECT_TRUE(Near(line.At(1, 1), c.y1, 1e-6, 1e-6)) << c.name << " " << line.At(1, 1);
    }
}

// Both ends of the drawn trend line lie on the exact line y = slope (x - origin) + 3, even
// when x carries an offset far larger than its spread.
TEST(GraphPage, TrendLineStaysExactWithAnOffsetX) {
    struct Case {
        const char* name;
        double origin;
        double step;
        double slope;
    };
    const Case cases[] = {
        {"small", 0.0, 1.0, 2.0},
        {"years", 1990.0, 1.0, 0.5},
        {"timestamps", 1.7e9, 1.0, 2.0},
        {"timestamps, falling", 1.7e9, 60.0, -0.25},
    };
    for (const Case& c : cases) {
        Matrix m(12, 2);
        for (uint32_t i = 0; i < m.Rows(); ++i) {
            m.At(i, 0) = c.origin + i * c.step;
            // Scatter about the line in groups of four (+, -, -, +): it sums to zero and is
            // uncorrelated with x, so the least-squares line is the line itself.
            m.At(i, 1) = c.slope * i * c.step + 3.0 + (i % 4 == 0 || i % 4 == 3 ? 0.5 : -0.5);
        }
        ChartData chart;
        chart.pointCount = static_cast<int>(m.Rows());
        chart.xMatrix = &m;
        chart.yMatrix = &m;
        chart.yColumn = 1;
        chart.xIntervals = 5;
        chart.yIntervals = 4;
        chart.cell = ChartRect{0, 384, 576, 0};
        ChartEngine engine;
        RecordingSurface surface;
        ASSERT_EQ(engine.Draw(surface, chart, 0), ChartEngine::kDrawn) << c.name;
        const Matrix line = TrendLine(chart, engine);
        ASSERT_EQ(line.Rows(), 2u) << c.name;
        const double range = std::fabs(c.slope * 11 * c.step);
        for (uint32_t end = 0; end < 2; ++end) {
            const double expected = c.slope * (line.At(end, 0) - c.origin) + 3.0;
            EXPECT_NEAR(line.At(end, 1), expected, range * 1e-6) << c.name << " end " << end;
        }
        EXPECT_LT(line.At(0, 0), line.At(1, 0)) << c.name;
    }
}

TEST(GraphPage, NoTrendLineWhenAllXAreEqual) {
    Matrix m(3, 2);
    for (uint32_t i = 0; i < 3; ++i) {
        m.At(i, 0) = 5.0;
        m.At(i, 1) = i;
    }
    ChartData chart;
    chart.pointCount = 3;
    chart.xMatrix = &m;
    chart.yMatrix = &m;
    chart.yColumn = 1;
    ChartEngine engine;
    EXPECT_EQ(TrendLine(chart, engine).Rows(), 0u);
}

TEST(GraphPage, AnIncompleteSecondGraphLeavesItsCellEmpty) {
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    Load(doc, {"A", "B"}, {{1, 2}, {2, 4}, {3, 5}, {4, 9}});
    doc.SetupScatterPage(2, {{0, 1, 0, 1}, {0, -1, 0, 0}});
    RecordingSurface surface;
    ChartEngine engine;
    test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
    // The upper cell starts at H + g = 384 + 24; the lower one is never touched.
    const std::vector<int> ys = DrawnYs(surface);
    ASSERT_FALSE(ys.empty());
    for (int y : ys) EXPECT_GE(y, 408);
    EXPECT_EQ(surface.calls.front(), "page top 792");
    EXPECT_EQ(doc.Graph(1).cell, (ChartRect{0, 384, 576, 0}));
    // The trend line is the red overlay.
    EXPECT_EQ(surface.Lines("pen solid 1 255,0,0").size(), 1u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(GraphPage, ScalingFailureIsReportedAndTheRestDrawn) {
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    Load(doc, {"A", "B", "C"}, {{1, 2, 7}, {2, 4, 7}, {3, 5, 7}});
    // The third graph is of a derived series before any fit: blank, silent.
    doc.SetupScatterPage(4, {{0, 2, 0, 1}, {0, 1, 0, 0}, {0, 3, 0, 0}, {1, 0, 0, 0}});
    RecordingSurface surface;
    ChartEngine engine;
    test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Graph: Failed to scale data!");
    EXPECT_EQ(prompt.messages[0].icon, Icon::Stop);
    EXPECT_EQ(surface.Lines("clip").size(), 2u);
    EXPECT_EQ(surface.Lines("pen solid 1 255,0,0").size(), 0u);
}

TEST(GraphPage, HistogramWithNormalCurve) {
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    LoadHistogram(doc, {1, 3, 3, 5, 7, 7, 7, 8},
                  HistogramSettings{.addNormalCurve = true, .classes = 4});
    RecordingSurface surface;
    ChartEngine engine;
    test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
    const std::string text = surface.Text();
    // Four cyan bars, then 100 points of the curve joined in black: 100 lines, the first
    // from the first point to itself.
    EXPECT_EQ(surface.Lines("rect").size(), 4u);
    EXPECT_EQ(surface.Lines("clip").size(), 2u);
    const std::string curve = text.substr(text.rfind("\nclip"));
    size_t lines = 0;
    for (size_t at = curve.find("\nline "); at != std::string::npos;
         at = curve.find("\nline ", at + 1))
        ++lines;
    EXPECT_EQ(lines, 100u);
    EXPECT_NE(text.find("'V (Class Interval = 2.00)'"), std::string::npos);
    EXPECT_NE(text.find("'Histogram'"), std::string::npos);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(GraphPage, AConstantColumnHasBarsButNoNormalCurve) {
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    LoadHistogram(doc, {5, 5, 5, 5}, HistogramSettings{.addNormalCurve = true, .classes = 4});
    RecordingSurface surface;
    ChartEngine engine;
    test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
    EXPECT_EQ(surface.Lines("brush 0,255,255").size(), 1u);
    EXPECT_EQ(surface.Lines("clip").size(), 1u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(GraphPage, OgiveHasNoNormalCurve) {
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    LoadHistogram(
        doc, {1, 3, 3, 5, 7, 7, 7, 8},
        HistogramSettings{.addNormalCurve = true, .classes = 4, .kind = HistogramKind::Cumulative});
    RecordingSurface surface;
    ChartEngine engine;
    test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
    EXPECT_EQ(surface.Lines("clip").size(), 1u);
    EXPECT_EQ(surface.Lines("brush 0,0,255").size(), 1u);
    EXPECT_EQ(engine.YScale().high, 8);  // running totals end at n = 8
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(GraphPage, PrintedPageCarriesTheHeaderLine) {
    CLumoxDoc doc;
    Load(doc, {"A", "B"}, {{1, 2}, {2, 4}, {3, 5}});
    doc.SetPathName("/data/tab21.dat");
    doc.SetupGraphSlot(0, 0, 1, 0, 0);
    RecordingSurface surface;
    surface.printer = true;
    surface.horizontalResolution = 768;
    ChartEngine engine;
    test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
    // 10 points at 96 per inch: character height 13; the recorder's line is 13 + 1, its
    // average character 6 wide: 7 inches hold 112 characters. Page top 384 + 96.
    ASSERT_GE(surface.calls.size(), 7u);
    EXPECT_EQ(surface.calls[0], "page top 480");
    EXPECT_EQ(surface.calls[1], "font Courier New -13 400 0");
    const std::string header = ComposeReportHeader("tab21.dat", 112);
    EXPECT_EQ(header.size(), 112u);
    EXPECT_EQ(surface.calls[2], "text 72 466 '" + header + "'");
    EXPECT_EQ(surface.calls[4], "move 72 445");
    EXPECT_EQ(surface.calls[5], "line 744 445");
    // The graph is centred in the printable width: o = (768 - 576) / 2.
    EXPECT_EQ(doc.Graph(0).cell, (ChartRect{96, 384, 672, 0}));
}

}  // namespace
}  // namespace lumox

namespace lumox {
namespace {

// y, x0 = 1, x1 = column 0, with a transform of y: the straight line in x.
EquationModel LineModel(Transform yTransform) {
    return test::MakeModel({Term::Variable(1, yTransform), Term::Constant(), Term::Variable(0)});
}

TEST(GraphPage, DerivedSeriesAreOnTheOriginalScale) {
    // y = e^(1 + x / 2) exactly: log(y) fits without error, so the predicted values brought
    // back with exp are y itself and the residuals vanish.
    CLumoxDoc doc;
    std::vector<std::vector<double>> rows;
    for (int x = 0; x < 5; ++x) rows.push_back({double(x), std::exp(1.0 + x / 2.0)});
    Load(doc, {"X", "Y"}, rows);
    ASSERT_EQ(test::FitDocument(doc, LineModel(TransformKind::Log)), 0);
    Matrix predicted;
    Matrix residuals;
    Diagnostics said;
    ASSERT_TRUE(
        BuildDerivedSeries(doc.Equation(), doc.Fit(), DerivedSeries::PredictedY, predicted, said));
    ASSERT_TRUE(
        BuildDerivedSeries(doc.Equation(), doc.Fit(), DerivedSeries::Residuals, residuals, said));
    EXPECT_TRUE(said.Empty());
    ASSERT_EQ(predicted.Rows(), 5u);
    for (uint32_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(Near(predicted.At(i, 0), rows[i][1], 1e-12)) << i;
        EXPECT_TRUE(Near(residuals.At(i, 0), 0.0, 0.0, 1e-12)) << i;
    }

    // Drawing the fitted curve and the derived series leaves the fitted model as it was:
    // it still knows that it transformed y (the point estimate's note depends on it).
    const int c = static_cast<int>(doc.Cols());
    doc.SetupScatterPage(2, {{0, 1, 1, 0}, {0, c + 1, 0, 0}});
    RecordingSurface surface;
    ChartEngine engine;
    test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
    EXPECT_EQ(doc.Equation().m_bYTransformed, 1);
}

// The y of the markers of the first plotted series, in drawing order.
std::vector<std::pair<int, int>> FirstSeriesMarkers(const RecordingSurface& surface) {
    std::vector<std::pair<int, int>> markers;
    bool inside = false;
    for (const std::string& call : surface.calls) {
        int l, t, r, b;
        if (call.rfind("clip", 0) == 0) inside = true;
        if (call == "unclip") break;
        if (inside && sscanf(call.c_str(), "rect %d %d %d %d", &l, &t, &r, &b) == 4) {
            markers.push_back({l, t});
        }
    }
    return markers;
}

TEST(GraphPage, NormalProbabilityPlotSortsTheResiduals) {
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(LUMOX_SOURCE_DIR "/examples/tab21.dat"));
    ASSERT_EQ(test::FitDocument(doc, LineModel(TransformKind::None)), 0);
    const int c = static_cast<int>(doc.Cols());
    for (int y : {c + 1, c + 2}) {
        doc.SetupGraphSlot(0, c + 3, y, 0, 0);
        RecordingSurface surface;
        ChartEngine engine;
        test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
        const auto markers = FirstSeriesMarkers(surface);
        ASSERT_EQ(markers.size(), doc.Rows() + 1);  // the first point is marked twice
        for (size_t i = 1; i < markers.size(); ++i) {
            EXPECT_LE(markers[i - 1].first, markers[i].first);
            EXPECT_LE(markers[i - 1].second, markers[i].second);
        }
    }
    // Residuals against X keep the order of the observations: not sorted.
    doc.SetupGraphSlot(0, 0, c + 1, 0, 0);
    RecordingSurface surface;
    ChartEngine engine;
    test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
    const auto markers = FirstSeriesMarkers(surface);
    EXPECT_FALSE(std::is_sorted(markers.begin(), markers.end(),
                                [](auto a, auto b) { return a.second < b.second; }));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(GraphPage, FittedCurveUsesAGridBelowAHundredObservations) {
    // 99 observations: 101 grid points, 101 lines of the blue curve (the first from the
    // first point to itself); 100 observations: the 100 predicted values themselves.
    for (const auto& [n, lines] : {std::pair{99, 101u}, std::pair{100, 100u}}) {
        ScriptedPrompt prompt;
        CLumoxDoc doc;
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < n; ++i) rows.push_back({double(i), 3.0 + 0.5 * i + (i % 3) - 1.0});
        Load(doc, {"X", "Y"}, rows);
        ASSERT_EQ(test::FitDocument(doc, LineModel(TransformKind::None)), 0);
        doc.SetupGraphSlot(0, 0, 1, 1, 0);
        RecordingSurface surface;
        ChartEngine engine;
        test::Spoken([&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
        const std::string text = surface.Text();
        const size_t blue = text.find("pen solid 1 0,0,255");
        ASSERT_NE(blue, std::string::npos) << n;
        const std::string curve = text.substr(blue, text.find("unclip", blue) - blue);
        size_t count = 0;
        for (size_t at = curve.find("\nline "); at != std::string::npos;
             at = curve.find("\nline ", at + 1))
            ++count;
        EXPECT_EQ(count, lines) << n;
        EXPECT_TRUE(prompt.messages.empty());
    }
}

// Each chosen band is two dashed bounds in its own lighter blue, 50 of the 100 grid
// segments drawn; the bands of a one-variable fit come only with the fitted curve.
TEST(GraphPage, BandsAreDashedLinesAboutTheFittedCurve) {
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < 12; ++i) rows.push_back({double(i), 3.0 + 0.5 * i + (i % 3) - 1.0});
    Load(doc, {"X", "Y"}, rows);
    ASSERT_EQ(test::FitDocument(doc, LineModel(TransformKind::None)), 0);
    // Dashed bounds per colour: the confidence band's, then the prediction band's.
    auto bounds = [&doc](const CLumoxDoc::GraphChoice& choice) {
        doc.SetupScatterPage(1, {choice});
        RecordingSurface surface;
        ChartEngine engine;
        test::Spoken(
            [&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
        const std::string text = surface.Text();
        std::vector<int> found;
        for (const char* pen : {"pen solid 1 96,96,255", "pen solid 1 160,160,255"}) {
            int sections = 0;
            for (size_t at = text.find(pen); at != std::string::npos; at = text.find(pen, at + 1)) {
                const std::string section = text.substr(at, text.find("unclip", at) - at);
                size_t lines = 0;
                for (size_t l = section.find("\nline "); l != std::string::npos;
                     l = section.find("\nline ", l + 1))
                    ++lines;
                EXPECT_EQ(lines, 50u) << pen;
                ++sections;
            }
            found.push_back(sections);
        }
        return found;
    };
    EXPECT_EQ(bounds({0, 1, 1, 0, 1, 0}), (std::vector<int>{2, 0}));
    EXPECT_EQ(bounds({0, 1, 1, 0, 1, 1}), (std::vector<int>{2, 2}));
    EXPECT_EQ(bounds({0, 1, 0, 0, 1, 1}), (std::vector<int>{0, 0}));
    // A fit of several variables draws the bands alone, about its curve at the others' means.
    for (auto& row : rows) row.insert(row.begin() + 1, double((int(row[0]) * 7) % 5));
    Load(doc, {"X", "Z", "Y"}, rows);
    ASSERT_EQ(test::FitDocument(doc, test::MakeModel({Term::Variable(2), Term::Constant(),
                                                      Term::Variable(0), Term::Variable(1)})),
              0);
    EXPECT_EQ(bounds({0, 2, 0, 0, 1, 1}), (std::vector<int>{2, 2}));
    EXPECT_EQ(bounds({1, 2, 0, 0, 0, 1}), (std::vector<int>{0, 2}));
    EXPECT_EQ(bounds({2, 0, 0, 0, 1, 1}), (std::vector<int>{0, 0}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(GraphPage, FittedCurveOfAHundredObservationsJoinsThemInOrderOfX) {
    // X is 0 .. 119 shuffled (37 is prime to 120): joined in data order the blue line
    // would run back and forth; joined in order of X its x never goes back.
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < 120; ++i) {
        const double x = (i * 37) % 120;
        rows.push_back({x, 2.0 + 0.25 * x + (i % 5) - 2.0});
    }
    Load(doc, {"X", "Y"}, rows);
    ASSERT_EQ(test::FitDocument(doc, LineModel(TransformKind::None)), 0);
    doc.SetupGraphSlot(0, 0, 1, 1, 0);
    RecordingSurface surface;
    ChartEngine engine;
    test::Spoken(
        [&](Diagnostics& said) { DrawGraphPage(doc.GetGraphPage(), surface, engine, said); });
    const auto blue = std::find(surface.calls.begin(), surface.calls.end(), "pen solid 1 0,0,255");
    ASSERT_NE(blue, surface.calls.end());
    std::vector<int> xs;
    for (auto call = blue; call != surface.calls.end() && *call != "unclip"; ++call) {
        int x, y;
        if (sscanf(call->c_str(), "line %d %d", &x, &y) == 2) xs.push_back(x);
    }
    EXPECT_EQ(xs.size(), 120u);
    EXPECT_TRUE(std::is_sorted(xs.begin(), xs.end()));
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace lumox

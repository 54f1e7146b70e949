#include "graph/chart_engine.h"

#include <gtest/gtest.h>

#include <vector>

#include "numeric/matrix.h"
#include "recording_surface.h"

namespace lumox {
namespace {

using test::RecordingSurface;

Matrix Columns(const std::vector<std::vector<double>>& rows) {
    Matrix m(static_cast<uint32_t>(rows.size()), static_cast<uint32_t>(rows[0].size()));
    for (uint32_t i = 0; i < m.Rows(); ++i)
        for (uint32_t j = 0; j < m.Cols(); ++j) m.At(i, j) = rows[i][j];
    return m;
}

// A 300 x 200 cell on a surface of vertical resolution 400: p = 50, h = 5.8 * 2 = 11.6, so
// F = 12; T = 3 (3.5 truncated), t = 1; x0 = 4F + 2T = 54; y0 = 2T + 2F + 3t = 33.
ChartData SmallChart(const Matrix& m) {
    ChartData chart;
    chart.pointCount = static_cast<int>(m.Rows());
    chart.xMatrix = &m;
    chart.xColumn = 0;
    chart.yMatrix = &m;
    chart.yColumn = 1;
    chart.markerStyle = 1;
    chart.xIntervals = 2;
    chart.yIntervals = 2;
    chart.title = "T";
    chart.xLabel = "X";
    chart.yLabel = "Y";
    chart.cell = ChartRect{0, 200, 300, 0};
    return chart;
}

TEST(ChartEngine, FontHeightFollowsTheDeviceKind) {
    // (8.6 - 0.056 * 50) * 3.84 = 22.27; (4.83 - 0.0133 * 36.36) * 24 = 104.31;
    // (8.6 - 0.056 * 52) * 3.12 = 17.75 (evaluated with python3).
    EXPECT_EQ(ChartEngine::FontHeightFor(384, 768, false), 22);
    EXPECT_EQ(ChartEngine::FontHeightFor(2400, 6600, true), 104);
    EXPECT_EQ(ChartEngine::FontHeightFor(312, 600, false), 18);
}

TEST(ChartEngine, LayoutRoundsThePlotToWholeMinorTicks) {
    // S = 100: T = 2, t = 1; F = 10: x0 = 44, width 567 - 44 - 20 = 503 -> 500 for 5 x 4;
    // y0 = 4 + 20 + 3 = 27, height 100 - 27 - 15 = 58 -> 48 for 4 x 4.
    const PlotLayout l = ChartEngine::LayOut(ChartRect{0, 100, 567, 0}, 10, 20, 16);
    EXPECT_EQ(l.majorTick, 2);
    EXPECT_EQ(l.minorTick, 1);
    EXPECT_EQ(l.x0, 44);
    EXPECT_EQ(l.width, 500);
    EXPECT_EQ(l.y0, 27);
    EXPECT_EQ(l.height, 48);
    const PlotLayout shifted = ChartEngine::LayOut(ChartRect{100, 350, 667, 250}, 10, 20, 16);
    EXPECT_EQ(shifted.x0, 144);
    EXPECT_EQ(shifted.y0, 277);
    EXPECT_EQ(shifted.width, 500);
}

// Worked by hand: X and Y 0 .. 10 in 2 intervals of 5 minor steps; width 222 -> 220,
// height 149 -> 140; xs = 110, ys = 70; 22 units per X unit, 14 per Y unit; r = 2.
// Text extents in the recorder are half the font height per character.
const char* const kScatterCalls = R"(font Arial 12 600 0
pen solid 2 0,0,0
move 54 33
line 274 33
move 54 33
line 54 173
move 54 33
line 54 30
move 76 33
line 76 30
move 98 33
line 98 30
move 120 33
line 120 30
move 142 33
line 142 30
move 164 33
line 164 30
move 186 33
line 186 30
move 208 33
line 208 30
move 230 33
line 230 30
move 252 33
line 252 30
move 274 33
line 274 30
move 54 30
line 54 27
move 164 30
line 164 27
move 274 30
line 274 27
move 54 33
line 51 33
move 54 47
line 51 47
move 54 61
line 51 61
move 54 75
line 51 75
move 54 89
line 51 89
move 54 103
line 51 103
move 54 117
line 51 117
move 54 131
line 51 131
move 54 145
line 51 145
move 54 159
line 51 159
move 54 173
line 51 173
move 51 33
line 48 33
move 51 103
line 48 103
move 51 173
line 48 173
pen solid 1 0,0,0
font Arial 15 700 0
text 160 190 'T'
font Arial 12 600 0
text 51 27 '0'
text 161 27 '5'
text 268 27 '10'
text 161 14 'X'
text 39 39 '0'
text 39 109 '5'
text 33 179 '10'
font Arial 12 600 900
text 4 100 'Y'
font Arial 12 600 0
pen solid 1 0,0,0
brush 0,0,255
clip 52 175 276 31
rect 52 31 56 35
rect 52 31 56 35
rect 162 171 166 175
rect 272 87 276 91
unclip
brush 255,255,255
pen solid 1 0,0,0
font Arial 0 400 0
)";

// The overlay reuses the axes: a dotted red line with crosses from (0, 5) to (10, 5).
const char* const kOverlayCalls = R"(font Arial 12 600 0
pen solid 1 255,0,0
brush 255,255,255
clip 52 175 276 31
pen dotted 1 255,0,0
move 54 103
line 54 103
pen solid 1 255,0,0
move 52 105
line 57 100
move 56 105
line 51 100
pen dotted 1 255,0,0
move 54 103
line 274 103
pen solid 1 255,0,0
move 52 105
line 57 100
move 56 105
line 51 100
move 272 105
line 277 100
move 276 105
line 271 100
unclip
brush 255,255,255
pen solid 1 0,0,0
font Arial 0 400 0
)";

TEST(ChartEngine, DrawsASmallScatterGraphAndAnOverlay) {
    const Matrix data = Columns({{0, 0}, {5, 10}, {10, 4}});
    ChartData chart = SmallChart(data);
    ChartEngine engine;
    RecordingSurface surface;
    ASSERT_EQ(engine.Draw(surface, chart, 0), ChartEngine::kDrawn);
    EXPECT_EQ(surface.Text(), kScatterCalls);

    const Matrix line = Columns({{0, 5}, {10, 5}});
    ChartData overlay = SmallChart(line);
    overlay.markerStyle = 3;
    overlay.lineStyle = 2;
    overlay.colour = Rgb{255, 0, 0};
    surface.calls.clear();
    ASSERT_EQ(engine.Draw(surface, overlay, 1), ChartEngine::kDrawn);
    EXPECT_EQ(surface.Text(), kOverlayCalls);
}

// Class boundaries 0, 2, 4, 6 with counts 1, 3, 2, 0 on the override axis 0 .. 8 with 2
// labelled intervals of 2 classes. Y 0 .. 4 (step 2, 4 minor): height 149 -> 144, ys = 72;
// X: 27.5 units per class unit, bars 220 / 4 + 1 = 56 wide, 36 units per count.
const char* const kHistogramCalls = R"(font Arial 12 600 0
pen solid 2 0,0,0
move 54 33
line 274 33
move 54 33
line 54 177
move 54 33
line 54 30
move 109 33
line 109 30
move 164 33
line 164 30
move 219 33
line 219 30
move 274 33
line 274 30
move 54 30
line 54 27
move 164 30
line 164 27
move 274 30
line 274 27
move 54 33
line 51 33
move 54 51
line 51 51
move 54 69
line 51 69
move 54 87
line 51 87
move 54 105
line 51 105
move 54 123
line 51 123
move 54 141
line 51 141
move 54 159
line 51 159
move 54 177
line 51 177
move 51 33
line 48 33
move 51 105
line 48 105
move 51 177
line 48 177
pen solid 1 0,0,0
font Arial 15 700 0
text 160 194 'H'
font Arial 12 600 0
text 51 27 '0'
text 161 27 '4'
text 271 27 '8'
text 161 14 'V'
text 39 39 '0'
text 39 111 '2'
text 39 183 '4'
font Arial 12 600 900
text 4 102 'F'
font Arial 12 600 0
pen solid 1 0,0,0
brush 0,255,255
clip 52 179 276 31
rect 54 69 110 33
rect 109 141 165 33
rect 164 105 220 33
rect 219 33 275 33
unclip
brush 255,255,255
pen solid 1 0,0,0
font Arial 0 400 0
)";

ChartData HistogramChart(const Matrix& table) {
    ChartData chart = SmallChart(table);
    chart.pointCount = 4;
    chart.markerStyle = 0;
    chart.barChart = 1;
    chart.xIntervals = 4;
    chart.xLabelIntervalsOverride = 2;
    chart.xLowOverride = 0;
    chart.xHighOverride = 8;
    chart.title = "H";
    chart.xLabel = "V";
    chart.yLabel = "F";
    return chart;
}

TEST(ChartEngine, DrawsHistogramBarsOnTheOverrideAxis) {
    const Matrix table = Columns({{0, 1}, {2, 3}, {4, 2}, {6, 0}, {8, 0}});
    ChartData chart = HistogramChart(table);
    ChartEngine engine;
    RecordingSurface surface;
    ASSERT_EQ(engine.Draw(surface, chart, 0), ChartEngine::kDrawn);
    EXPECT_EQ(surface.Text(), kHistogramCalls);
    EXPECT_EQ(chart.xIntervals, 2);
    EXPECT_EQ(engine.XScale().minor, 2);
}

TEST(ChartEngine, BarsAlwaysStandOnAZeroAxis) {
    // Counts 10 .. 20 in 4 Y intervals scale to 9 .. 21 (step 3) as points; bars take the
    // axis down to zero (0 .. 20, step 5) so that their heights compare truly.
    const Matrix table = Columns({{0, 10}, {2, 14}, {4, 20}, {6, 12}, {8, 0}});
    ChartEngine engine;
    RecordingSurface surface;
    ChartData bars = HistogramChart(table);
    bars.yIntervals = 4;
    ASSERT_EQ(engine.Draw(surface, bars, 0), ChartEngine::kDrawn);
    EXPECT_EQ(engine.YScale().low, 0);
    EXPECT_EQ(engine.YScale().high, 20);
    ChartData points = SmallChart(table);
    points.pointCount = 4;
    points.yIntervals = 4;
    ASSERT_EQ(engine.Draw(surface, points, 0), ChartEngine::kDrawn);
    EXPECT_EQ(engine.YScale().low, 9);
    EXPECT_EQ(engine.YScale().high, 21);
}

TEST(ChartEngine, DrawsAnOgiveAsJoinedSquares) {
    // Midpoints 1, 3, 5, 7 and running totals 1, 4, 6, 6: Y scales to 0 .. 6 (step 3, 6
    // minor), height 149 -> 144, 24 units per count; X 27.5 units per unit from x0 = 54.
    const Matrix table = Columns({{1, 1}, {3, 4}, {5, 6}, {7, 6}, {8, 0}});
    ChartData chart = HistogramChart(table);
    chart.barChart = 0;
    chart.markerStyle = 1;
    chart.lineStyle = 1;
    ChartEngine engine;
    RecordingSurface surface;
    ASSERT_EQ(engine.Draw(surface, chart, 0), ChartEngine::kDrawn);
    const std::string text = surface.Text();
    const std::string plot = text.substr(text.rfind("pen solid 1 0,0,0\nbrush 0,0,255"));
    EXPECT_EQ(plot, R"(pen solid 1 0,0,0
brush 0,0,255
clip 52 179 276 31
move 82 57
line 82 57
rect 80 55 84 59
move 82 57
line 137 129
rect 80 55 84 59
move 137 129
line 192 177
rect 135 127 139 131
move 192 177
line 247 177
rect 190 175 194 179
rect 245 175 249 179
unclip
brush 255,255,255
pen solid 1 0,0,0
font Arial 0 400 0
)");
    EXPECT_EQ(engine.YScale().high, 6);
}

TEST(ChartEngine, GridLeavesRoomForTheYExponent) {
    // Y 0.013 .. 0.087 in 4 intervals: 0 .. 12 times 10^-2 with 6 minor steps, so the Y
    // axis has 25 minor positions; X has 11. " X10E55 " is 48 units wide and a minor X step
    // 22, so the first 48 / 22 + 1 = 3 dashes of the top line (y = 33 + 144) are left out.
    const Matrix data = Columns({{0, 0.013}, {10, 0.087}});
    ChartData chart = SmallChart(data);
    chart.yIntervals = 4;
    chart.grid = 1;
    ChartEngine engine;
    RecordingSurface surface;
    ASSERT_EQ(engine.Draw(surface, chart, 0), ChartEngine::kDrawn);
    EXPECT_EQ(engine.YScale().exponent, -2);
    const std::vector<std::string>& calls = surface.calls;
    int verticalDashes = 0;
    std::vector<std::string> topLine;
    for (size_t i = 0; i + 1 < calls.size(); ++i) {
        int x1, y1, x2, y2;
        if (sscanf(calls[i].c_str(), "move %d %d", &x1, &y1) != 2 ||
            sscanf(calls[i + 1].c_str(), "line %d %d", &x2, &y2) != 2)
            continue;
        if (x1 == x2 && y2 - y1 == 2) ++verticalDashes;
        if (y1 == 177 && y2 == 177 && x2 - x1 == 2) topLine.push_back(calls[i]);
    }
    EXPECT_EQ(verticalDashes, 2 * 25);
    ASSERT_EQ(topLine.size(), 8u);
    EXPECT_EQ(topLine.front(), "move 119 177");
    EXPECT_EQ(surface.Lines("text 60 183").size(), 1u);
    EXPECT_EQ(surface.Lines("text 60 183")[0], "text 60 183 'X10E-2'");
}

TEST(ChartEngine, ShowsTheXExponentUnderTheAxis) {
    // X 1500 .. 23000 in 2 intervals: step 20000, p = 4, E = 4 - 2 -> 0 .. 400 times 10^2;
    // "X10E2" (30 wide)
    // is centred under x0 = 54 on the second text line, 27 - 12 - 1 = 14.
    const Matrix data = Columns({{1500, 0}, {23000, 10}});
    ChartData chart = SmallChart(data);
    ChartEngine engine;
    RecordingSurface surface;
    ASSERT_EQ(engine.Draw(surface, chart, 0), ChartEngine::kDrawn);
    EXPECT_EQ(engine.XScale().exponent, 2);
    EXPECT_EQ(engine.XScale().high, 400);
    EXPECT_EQ(surface.Lines("text 39 14").size(), 1u);
    EXPECT_EQ(surface.Lines("text 39 14")[0], "text 39 14 'X10E2'");
}

// The texts of the two lines under the X axis (numbers at y 27, exponent and label at 14)
// as boxes, each measured with the font selected when it was written.
struct TextBox {
    int left;
    int right;
    int line;
};
std::vector<TextBox> TextsUnderTheAxis(const RecordingSurface& surface) {
    std::vector<TextBox> boxes;
    int height = 0;
    for (const std::string& call : surface.calls) {
        int x, y;
        char face[16];
        if (sscanf(call.c_str(), "font %15s %d", face, &height) == 2) continue;
        if (sscanf(call.c_str(), "text %d %d", &x, &y) != 2 || (y != 27 && y != 14)) continue;
        const size_t quote = call.find('\'');
        const int length = static_cast<int>(call.size() - quote - 2);
        boxes.push_back(TextBox{x, x + length * (height / 2), y});
    }
    return boxes;
}

TEST(ChartEngine, TextsUnderTheXAxisNeverRunIntoEachOther) {
    // X 10200 .. 13200 times 10 in 10 intervals of 18 units: five-digit numbers are 30
    // units wide at F = 12, so they are written smaller (not below 8) and every second one;
    // a histogram's long label starts after "X10E1".
    const Matrix data = Columns({{102000, 0}, {132000, 10}});
    ChartData chart = SmallChart(data);
    chart.xIntervals = 10;
    chart.xLabel = "Population (Class Interval = 300.00)";
    ChartEngine engine;
    RecordingSurface surface;
    ASSERT_EQ(engine.Draw(surface, chart, 0), ChartEngine::kDrawn);
    const std::vector<TextBox> boxes = TextsUnderTheAxis(surface);
    ASSERT_EQ(boxes.size(), 6u + 2u);
    // Font heights, 0 being the surface's own font selected back at the end.
    auto expectAtLeast = [](const RecordingSurface& drawn, int least) {
        for (const std::string& call : drawn.Lines("font Arial")) {
            int height = 0;
            sscanf(call.c_str(), "font Arial %d", &height);
            EXPECT_TRUE(height == 0 || height >= least) << call;
        }
    };
    expectAtLeast(surface, 8);
    for (size_t i = 1; i < boxes.size(); ++i) {
        if (boxes[i].line != boxes[i - 1].line) continue;
        EXPECT_LT(boxes[i - 1].right, boxes[i].left) << "text " << i;
    }
    // Numbers that fit keep the font: the small chart's own numbers are F = 12 high.
    const Matrix small = Columns({{0, 0}, {10, 10}});
    ChartData fits = SmallChart(small);
    RecordingSurface plain;
    ASSERT_EQ(engine.Draw(plain, fits, 0), ChartEngine::kDrawn);
    expectAtLeast(plain, 12);
}

TEST(ChartEngine, FailuresDrawNothing) {
    const Matrix constant = Columns({{1, 2}, {1, 3}, {1, 4}});
    ChartEngine engine;
    RecordingSurface surface;

    ChartData one = SmallChart(constant);
    one.pointCount = 1;
    EXPECT_EQ(engine.Draw(surface, one, 0), ChartEngine::kTooFewPoints);
    EXPECT_TRUE(surface.calls.empty());

    // An overlay before any graph has no axes to use.
    ChartData overlay = SmallChart(Columns({{0, 0}, {1, 1}}));
    EXPECT_EQ(engine.Draw(surface, overlay, 1), ChartEngine::kScalingFailed);

    surface.calls.clear();
    ChartData flat = SmallChart(constant);
    EXPECT_EQ(engine.Draw(surface, flat, 0), ChartEngine::kScalingFailed);
    EXPECT_EQ(surface.Text(), "font Arial 12 600 0\nfont Arial 0 400 0\n");
    EXPECT_FALSE(engine.IsScaled());
}

TEST(ChartEngine, LargeMarkersGrowWithTheCell) {
    // S = 1000: r = 1000 * 0.005 * 1.3 + 0.5 = 7 for large points, 5 for small ones;
    // a tiny cell keeps at least point size + 2.
    const Matrix data = Columns({{0, 0}, {10, 10}});
    for (const auto& [size, height, r] : {std::tuple{1, 1000, 7}, std::tuple{0, 1000, 5},
                                          std::tuple{1, 200, 3}, std::tuple{0, 200, 2}}) {
        ChartData chart = SmallChart(data);
        chart.pointSize = size;
        chart.cell = ChartRect{0, height, 1500, 0};
        ChartEngine engine;
        RecordingSurface surface;
        surface.verticalResolution = 2000;
        ASSERT_EQ(engine.Draw(surface, chart, 0), ChartEngine::kDrawn);
        const PlotLayout& l = engine.Layout();
        const std::string clip =
            "clip " + std::to_string(l.x0 - r) + " " + std::to_string(l.y0 + l.height + r) + " " +
            std::to_string(l.x0 + l.width + r) + " " + std::to_string(l.y0 - r);
        EXPECT_EQ(surface.Lines("clip").at(0), clip) << size << " " << height;
    }
}

}  // namespace
}  // namespace lumox

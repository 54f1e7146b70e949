#include "document/graph_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/lumox_doc.h"
#include "document/simple_regression.h"
#include "platform/strings.h"
#include "regression/regression_helpers.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using Axis = GraphSelection::Axis;
using test::Message;
using test::Msg;
using test::ScriptedPrompt;
using test::TempDir;

const std::vector<std::string> kDerived = {"Predicted Y", "Residuals", "Std. Residuals",
                                           "Normal Z"};

class GraphSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::LoadData(doc, dir,
                                   "A B C\r\n1 1 2.7\r\n2 2 7.4\r\n3 3 20.1\r\n"
                                   "4 4 54.6\r\n5 5 148.4\r\n"));
    }
    // Fits C on B with simple model form (0 straight line, 1 exponential: y transformed).
    void Fit(int form) {
        SimpleRegression simple(doc);
        simple.SetX(1);
        simple.SetY(2);
        simple.m_nSelectedModel = form;
        ASSERT_EQ(simple.Calculate(), 0);
    }
    // Highlights entry and clicks graph's box.
    static void Choose(GraphSelection& selection, int graph, Axis axis, int entry) {
        selection.Select(entry);
        ASSERT_TRUE(selection.Toggle(graph, axis));
    }

    TempDir dir;
    CLumoxDoc doc;
    ScriptedPrompt prompt;
};

TEST_F(GraphSelectionTest, DerivedVariablesJoinTheListOnlyAfterAFit) {
    EXPECT_EQ(GraphSelection(doc, 1).Entries(), (std::vector<std::string>{"A", "B", "C"}));
    Fit(0);
    std::vector<std::string> expected = {"A", "B", "C"};
    expected.insert(expected.end(), kDerived.begin(), kDerived.end());
    EXPECT_EQ(GraphSelection(doc, 4).Entries(), expected);
}

TEST_F(GraphSelectionTest, GraphCountIsOneTwoOrFour) {
    const struct { int asked, graphs; } cases[] = {{1, 1}, {2, 2}, {4, 4}, {3, 1}, {0, 1}};
    for (const auto& c : cases) {
        GraphSelection selection(doc, c.asked);
        EXPECT_EQ(selection.Graphs(), c.graphs) << c.asked;
        EXPECT_EQ(selection.Choices().size(), static_cast<size_t>(c.graphs)) << c.asked;
        // Boxes of graphs beyond the page do nothing.
        selection.Select(0);
        EXPECT_FALSE(selection.Toggle(c.graphs, Axis::X)) << c.asked;
    }
}

TEST_F(GraphSelectionTest, ClickWithNothingHighlightedIsIgnored) {
    GraphSelection selection(doc, 2);
    EXPECT_FALSE(selection.Toggle(0, Axis::X));
    EXPECT_EQ(selection.Chosen(0, Axis::X), -1);
    selection.Select(7);  // past the list: nothing highlighted
    EXPECT_EQ(selection.Selection(), -1);
    EXPECT_FALSE(selection.Toggle(0, Axis::Y));
}

TEST_F(GraphSelectionTest, NormalZShowsTheProbabilityPlotHint) {
    Fit(0);
    GraphSelection selection(doc, 1);
    for (int entry = 0; entry < 7; ++entry) selection.Select(entry);
    EXPECT_EQ(prompt.messages,
              (std::vector<Message>{Msg(ids::kProbabilityPlotHint, Icon::Information)}));
    EXPECT_EQ(prompt.messages[0].text,
              "For a Probability plot, use 'Normal Z' for X and 'Residuals' or 'Std. Residuals' "
              "for Y. The Y vector will be sorted.");
}

// Which overlays a graph's X and Y allow after a fit of C on B.
TEST_F(GraphSelectionTest, OverlayBoxesFollowTheChosenPair) {
    Fit(0);
    const struct {
        int x, y;
        bool fitted, trend;
    } cases[] = {
        {1, 2, true, true},     // the fitted pair
        {2, 1, false, true},    // swapped
        {0, 2, false, true},    // another X
        {1, -1, false, false},  // Y missing
        {-1, 2, false, false},  // X missing
        {6, 4, false, true},    // a probability plot
    };
    for (const auto& c : cases) {
        GraphSelection selection(doc, 4);
        if (c.x >= 0) Choose(selection, 1, Axis::X, c.x);
        if (c.y >= 0) Choose(selection, 1, Axis::Y, c.y);
        EXPECT_EQ(selection.CanFitCurve(1), c.fitted) << c.x << " " << c.y;
        EXPECT_EQ(selection.CanTrendLine(1), c.trend) << c.x << " " << c.y;
        selection.SetFittedCurve(1, true);
        selection.SetTrendLine(1, true);
        EXPECT_EQ(selection.FittedCurve(1), c.fitted) << c.x << " " << c.y;
        EXPECT_EQ(selection.TrendLine(1), c.trend) << c.x << " " << c.y;
        // The other graphs are untouched.
        EXPECT_FALSE(selection.CanTrendLine(0));
    }
}

TEST_F(GraphSelectionTest, BandsComeAndGoWithTheFittedCurve) {
    using Band = GraphSelection::Band;
    Fit(1);
    GraphSelection selection(doc, 1);
    Choose(selection, 0, Axis::X, 1);
    Choose(selection, 0, Axis::Y, 2);
    selection.SetBand(0, Band::Confidence, true);
    EXPECT_FALSE(selection.HasBand(0, Band::Confidence));  // no curve yet
    selection.SetFittedCurve(0, true);
    selection.SetBand(0, Band::Confidence, true);
    selection.SetBand(0, Band::Prediction, true);
    EXPECT_TRUE(selection.HasBand(0, Band::Confidence));
    EXPECT_TRUE(selection.HasBand(0, Band::Prediction));
    EXPECT_EQ(selection.Choices()[0].confidenceBand, 1);
    selection.SetFittedCurve(0, false);
    EXPECT_FALSE(selection.HasBand(0, Band::Confidence));
    EXPECT_FALSE(selection.HasBand(0, Band::Prediction));
    // Changing an axis unticks them with the curve.
    selection.SetFittedCurve(0, true);
    selection.SetBand(0, Band::Prediction, true);
    Choose(selection, 0, Axis::Y, 2);
    EXPECT_FALSE(selection.HasBand(0, Band::Prediction));
}

// A fit of several variables offers no curve; its bands stand alone for X one of its
// variables and Y its dependent variable.
TEST_F(GraphSelectionTest, AFitOfSeveralVariablesOffersItsBandsAlone) {
    using test::Var;
    ASSERT_EQ(test::FitDocument(doc, test::MakeModel({Var(2), test::kOne, Var(0),
                                                      Var(1, TransformKind::Log)})),
              0);
    const struct {
        int x, y;
        bool bands;
    } cases[] = {{0, 2, true}, {1, 2, true}, {2, 0, false}, {0, 1, false}};
    for (const auto& c : cases) {
        GraphSelection selection(doc, 1);
        Choose(selection, 0, Axis::X, c.x);
        Choose(selection, 0, Axis::Y, c.y);
        EXPECT_FALSE(selection.CanFitCurve(0));
        EXPECT_EQ(selection.CanBand(0), c.bands) << c.x << " " << c.y;
        selection.SetBand(0, GraphSelection::Band::Prediction, true);
        EXPECT_EQ(selection.Choices()[0].predictionBand, c.bands ? 1 : 0) << c.x << " " << c.y;
    }
}

TEST_F(GraphSelectionTest, NoFittedCurveBeforeAFit) {
    GraphSelection selection(doc, 1);
    Choose(selection, 0, Axis::X, 1);
    Choose(selection, 0, Axis::Y, 2);
    EXPECT_FALSE(selection.CanFitCurve(0));
    EXPECT_TRUE(selection.CanTrendLine(0));
}

TEST_F(GraphSelectionTest, UncheckingClearsTheAxisAndBothOverlays) {
    Fit(0);
    GraphSelection selection(doc, 2);
    Choose(selection, 0, Axis::X, 1);
    Choose(selection, 0, Axis::Y, 2);
    EXPECT_EQ(selection.ChosenName(0, Axis::X), "B");
    EXPECT_EQ(selection.ChosenName(0, Axis::Y), "C");
    selection.SetFittedCurve(0, true);
    selection.SetTrendLine(0, true);
    // Unchecking X, whatever is highlighted now.
    Choose(selection, 0, Axis::X, 0);
    EXPECT_EQ(selection.Chosen(0, Axis::X), -1);
    EXPECT_EQ(selection.ChosenName(0, Axis::X), "");
    EXPECT_FALSE(selection.FittedCurve(0));
    EXPECT_FALSE(selection.TrendLine(0));
    EXPECT_FALSE(selection.CanTrendLine(0));
    // Checking it again takes the highlighted entry; the overlays stay unticked.
    Choose(selection, 0, Axis::X, 0);
    EXPECT_EQ(selection.ChosenName(0, Axis::X), "A");
    EXPECT_FALSE(selection.TrendLine(0));
    EXPECT_TRUE(selection.CanTrendLine(0));
}

TEST_F(GraphSelectionTest, PlotNeedsOneCompletePair) {
    GraphSelection selection(doc, 4);
    EXPECT_FALSE(selection.Plot());
    Choose(selection, 0, Axis::X, 0);
    Choose(selection, 1, Axis::Y, 1);
    EXPECT_FALSE(selection.Plot());
    const Message incomplete = Msg(ids::kGraphDataIncomplete, Icon::Stop);
    EXPECT_EQ(prompt.messages, (std::vector<Message>{incomplete, incomplete}));
    EXPECT_EQ(incomplete.text, "Graph: Data to plot incomplete!");
    // The fourth graph alone is enough.
    Choose(selection, 3, Axis::X, 2);
    Choose(selection, 3, Axis::Y, 0);
    EXPECT_TRUE(selection.Plot());
    EXPECT_EQ(prompt.messages.size(), 2u);
    const std::vector<CLumoxDoc::GraphChoice> choices = selection.Choices();
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_EQ(choices[0].x, 0);
    EXPECT_EQ(choices[0].y, -1);
    EXPECT_EQ(choices[1].y, 1);
    EXPECT_EQ(choices[3].x, 2);
    EXPECT_EQ(choices[3].y, 0);
}

// The note about the original scale: predicted Y or residuals of a fit that transformed y.
TEST_F(GraphSelectionTest, OriginalScaleNoteOnPlot) {
    const struct {
        int form, x, y;
        bool note;
    } cases[] = {
        {1, 1, 3, true},   // B against Predicted Y, exponential
        {1, 4, 6, true},   // Residuals in a probability plot
        {1, 6, 5, false},  // Std. Residuals are not brought back
        {1, 1, 2, false},  // data only
        {0, 1, 3, false},  // straight line: y not transformed
    };
    for (const auto& c : cases) {
        ScriptedPrompt local;
        Fit(c.form);
        GraphSelection selection(doc, 1);
        Choose(selection, 0, Axis::X, c.x);
        Choose(selection, 0, Axis::Y, c.y);
        local.messages.clear();  // the Normal Z hint
        EXPECT_TRUE(selection.Plot());
        const std::vector<Message> expected =
            c.note ? std::vector<Message>{Msg(ids::kOriginalScalePlot, Icon::Information)}
                   : std::vector<Message>{};
        EXPECT_EQ(local.messages, expected) << c.form << " " << c.x << " " << c.y;
    }
}

TEST_F(GraphSelectionTest, ScatterClearsTheOgiveBeforeItsDialog) {
    doc.SetupHistogram(HistogramSettings{.classes = 4, .kind = HistogramKind::Cumulative});
    ASSERT_EQ(doc.GetGraphPage().kind, GraphKind::Ogive);
    doc.BeginScatterSelection();
    EXPECT_EQ(doc.Histogram().kind, HistogramKind::Frequency);
    EXPECT_EQ(doc.GetGraphPage().kind, GraphKind::Histogram);
    // The rest of the histogram's choices stay for the next Histogram.
    EXPECT_EQ(doc.Histogram().classes, 4);
    doc.SetupScatterPage(1, {});
    EXPECT_EQ(doc.GetGraphPage().kind, GraphKind::Scatter);
}

TEST_F(GraphSelectionTest, OptionsRoundTripThroughTheTemplate) {
    GraphOptions options = doc.GetGraphOptions();
    EXPECT_EQ(options.title, "");
    EXPECT_EQ(options.xIntervalIndex, 3);  // 5 intervals
    EXPECT_EQ(options.yIntervalIndex, 2);  // 4 intervals
    EXPECT_EQ(options.pointSize, 1);
    EXPECT_TRUE(options.grid);
    // Thirty characters, two of them two bytes long.
    options.title = std::string(28, 't') + "\xC3\xA9\xC3\xA9";
    options.xIntervalIndex = 1;  // "3"
    options.yIntervalIndex = 8;  // "10"
    options.pointSize = 0;
    options.grid = false;
    ASSERT_TRUE(doc.ApplyGraphOptions(options));
    // The graphs made from now on take them.
    doc.SetupGraphSlot(0, 0, 1, 0, 0);
    const ChartData& graph = doc.Graph(0);
    EXPECT_EQ(graph.title, options.title);
    EXPECT_EQ(graph.xIntervals, 3);
    EXPECT_EQ(graph.yIntervals, 10);
    EXPECT_EQ(graph.pointSize, 0);
    EXPECT_EQ(graph.grid, 0);
    const GraphOptions back = doc.GetGraphOptions();
    EXPECT_EQ(back.title, options.title);
    EXPECT_EQ(back.xIntervalIndex, 1);
    EXPECT_EQ(back.yIntervalIndex, 8);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(GraphSelectionTest, BadOptionsAreRefusedWhole) {
    const struct {
        const char* name;
        std::string title;
        int x, y;
    } cases[] = {
        {"title of 31", std::string(31, 't'), 3, 2},
        {"title of 31 with accents", std::string(29, 't') + "\xC3\xA9\xC3\xA9", 3, 2},
        {"x below 2", "", -1, 2},
        {"y above 10", "", 3, 9},
    };
    for (const auto& c : cases) {
        ScriptedPrompt local;
        GraphOptions options = doc.GetGraphOptions();
        options.title = c.title;
        options.xIntervalIndex = c.x;
        options.yIntervalIndex = c.y;
        options.grid = false;
        EXPECT_FALSE(doc.ApplyGraphOptions(options)) << c.name;
        EXPECT_EQ(local.messages.size(), 1u) << c.name;
        EXPECT_TRUE(doc.GetGraphOptions().grid) << c.name;
        EXPECT_EQ(doc.GetGraphOptions().title, "") << c.name;
    }
}

}  // namespace
}  // namespace lumox

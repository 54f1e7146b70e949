#include "stats/frequency_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "document/lumox_doc.h"
#include "graph/graph_page.h"
#include "numeric/matrix.h"
#include "platform/strings.h"
#include "support/data_sets.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::ScriptedPrompt;

// One variable, named "V", with the histogram settings the dialog gives it.
struct HistogramData {
    DataSet data;
    HistogramSettings settings;
    HistogramSettings& Histogram() { return settings; }
};

void Load(HistogramData& doc, const std::vector<double>& values) {
    std::vector<std::vector<double>> rows;
    for (const double v : values) rows.push_back({v});
    test::FillDataSet(doc.data, {"V"}, rows);
    doc.Histogram() = HistogramSettings{.classes = 4};
}

// The frequency table of the document's histogram settings and the chart the graph page
// makes of it, as the histogram is drawn, its message shown; returns the class width (0:
// nothing to draw).
int BuildChart(const HistogramData& doc, Matrix& table, ChartData& chart) {
    const FrequencyTable frequencies = test::Spoken(
        [&doc](Diagnostics& said) { return BuildFrequencyTable(doc.data, doc.settings, said); });
    if (frequencies.width == 0) {
        chart.pointCount = 0;
        return 0;
    }
    table = frequencies.table;
    ApplyFrequencyTable(frequencies, chart);
    chart.xMatrix = chart.yMatrix = &table;
    return frequencies.width;
}

std::vector<double> ColumnOf(const Matrix& m, int column, int rows) {
    std::vector<double> values;
    for (int i = 0; i < rows; ++i) values.push_back(m.At(i, column));
    return values;
}

TEST(FrequencyTable, LabelledIntervalsDivideTheClasses) {
    const std::pair<int, int> cases[] = {{2, 2},  {4, 4},  {6, 6},  {8, 4}, {10, 5},
                                         {12, 6}, {15, 5}, {20, 5}, {24, 6}};
    HistogramData doc;
    Load(doc, {3.1, 9.7, 5.0});
    for (const auto& [classes, labelled] : cases) {
        doc.Histogram().classes = classes;
        Matrix table;
        ChartData chart;
        ASSERT_GT(BuildChart(doc, table, chart), 0) << classes;
        EXPECT_EQ(chart.xLabelIntervalsOverride, labelled) << classes;
        EXPECT_EQ(chart.xIntervals, classes);
        EXPECT_EQ(chart.pointCount, classes);
        EXPECT_EQ(table.Rows(), static_cast<uint32_t>(classes + 1));
    }
}

TEST(FrequencyTable, ClassesAreRoundAndCentredOnTheData) {
    // 3.1 .. 9.7 in 6 classes scales to 0 .. 12 with E = 0: W = 2 (worked by hand with the
    // nice-number search), and the data fill the four middle classes; 4.0 opens 4 .. 6.
    HistogramData doc;
    Load(doc, {3.1, 4.0, 5.5, 6.2, 7.9, 9.7});
    doc.Histogram().classes = 6;
    Matrix table;
    ChartData chart;
    ASSERT_EQ(BuildChart(doc, table, chart), 2);
    EXPECT_EQ(ColumnOf(table, 0, 7), (std::vector<double>{0, 2, 4, 6, 8, 10, 12}));
    EXPECT_EQ(ColumnOf(table, 1, 6), (std::vector<double>{0, 1, 2, 2, 1, 0}));
    EXPECT_EQ(chart.xLabel, "V (Class Interval = 2.00)");
    EXPECT_EQ(chart.yLabel, "Frequency");
    EXPECT_EQ(chart.xLowOverride, 0);
    EXPECT_EQ(chart.xHighOverride, 12);
    EXPECT_EQ(chart.xExponentOverride, 0);
    EXPECT_EQ(chart.barChart, 1);
    EXPECT_EQ(chart.markerStyle, 0);
    EXPECT_EQ(chart.lineStyle, 0);
    EXPECT_EQ(chart.xMatrix, &table);
    EXPECT_EQ(chart.yColumn, 1);
}

TEST(FrequencyTable, ClassWidthIsPrintedWithTwoDecimals) {
    // 0 .. 2 in 4 classes: step 0.5 = 5 units of 10^-1; 0 .. 8000: step 2000 = 200 of 10^1.
    const std::pair<std::vector<double>, const char*> cases[] = {
        {{0, 2, 1}, "V (Class Interval = 0.50)"},
        {{0, 8000, 10}, "V (Class Interval = 2000.00)"},
    };
    for (const auto& [values, label] : cases) {
        HistogramData doc;
        Load(doc, values);
        Matrix table;
        ChartData chart;
        ASSERT_GT(BuildChart(doc, table, chart), 0);
        EXPECT_EQ(chart.xLabel, label);
    }
}

TEST(FrequencyTable, AConstantPositiveColumnStartsAtZero) {
    // Five 5s in 4 classes: include-zero makes 0 .. 5, step 2: axis 0 .. 8, all in 4 .. 6.
    HistogramData doc;
    Load(doc, {5, 5, 5, 5, 5});
    Matrix table;
    ChartData chart;
    ASSERT_EQ(BuildChart(doc, table, chart), 2);
    EXPECT_EQ(chart.xHighOverride, 8);
    EXPECT_EQ(ColumnOf(table, 1, 4), (std::vector<double>{0, 0, 5, 0}));
}

TEST(FrequencyTable, TheUpperLimitIsCountedInTheLastClass) {
    // 0 .. 10 in 5 classes: boundaries 0, 2, ... 10; 10 itself belongs to the last class.
    HistogramData doc;
    Load(doc, {0, 10, 1.99, 2, 9.99, 10});
    doc.Histogram().classes = 5;
    Matrix table;
    ChartData chart;
    ASSERT_EQ(BuildChart(doc, table, chart), 2);
    EXPECT_EQ(ColumnOf(table, 0, 6), (std::vector<double>{0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(ColumnOf(table, 1, 5), (std::vector<double>{2, 1, 0, 0, 3}));
}

TEST(FrequencyTable, RelativeFrequenciesArePercentages) {
    // 20 values, 3 in the first of two classes (0 .. 5, 5 .. 10): 15 % and 85 %.
    std::vector<double> values(3, 0.5);
    values.resize(20, 9.5);
    HistogramData doc;
    Load(doc, values);
    doc.Histogram() = HistogramSettings{.classes = 2, .kind = HistogramKind::Relative};
    Matrix table;
    ChartData chart;
    ASSERT_EQ(BuildChart(doc, table, chart), 5);
    EXPECT_EQ(ColumnOf(table, 1, 2), (std::vector<double>{15, 85}));
    EXPECT_EQ(chart.yLabel, "Relative Frequencies (%)");
    EXPECT_EQ(chart.barChart, 1);
}

TEST(FrequencyTable, OgiveStandsOnMidpointsWithRunningTotals) {
    // 0 .. 8 in classes of 2: counts 1, 2, 1, 4 (8 closes the last class), totals 1, 3, 4, 8.
    HistogramData doc;
    Load(doc, {1, 3, 3, 5, 7, 7, 7, 8});
    doc.Histogram() =
        HistogramSettings{.addNormalCurve = true, .classes = 4, .kind = HistogramKind::Cumulative};
    Matrix table;
    ChartData chart;
    ASSERT_EQ(BuildChart(doc, table, chart), 2);
    EXPECT_EQ(ColumnOf(table, 0, 4), (std::vector<double>{1, 3, 5, 7}));
    EXPECT_EQ(ColumnOf(table, 1, 4), (std::vector<double>{1, 3, 4, 8}));
    EXPECT_EQ(chart.yLabel, "Cumulative Frequency");
    EXPECT_EQ(chart.barChart, 0);
    EXPECT_EQ(chart.markerStyle, 1);
    EXPECT_EQ(chart.lineStyle, 1);
}

TEST(FrequencyTable, NothingToDraw) {
    ScriptedPrompt prompt;
    HistogramData doc;
    Load(doc, {0, 0, 0});
    Matrix table;
    ChartData chart;
    chart.pointCount = 7;
    EXPECT_EQ(BuildChart(doc, table, chart), 0);
    EXPECT_EQ(chart.pointCount, 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Graph: Failed to scale data!");
    EXPECT_EQ(prompt.messages[0].icon, Icon::Stop);

    // Classes of 5e307 from 0 would end beyond the largest double.
    prompt.messages.clear();
    Load(doc, {1e307, 1.7e308});
    chart.pointCount = 7;
    EXPECT_EQ(BuildChart(doc, table, chart), 0);
    EXPECT_EQ(chart.pointCount, 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "Graph: Failed to scale data!");

    prompt.messages.clear();
    Load(doc, {1, 2, 3});
    for (int column : {-1, 1}) {
        doc.Histogram().column = column;
        chart.pointCount = 7;
        EXPECT_EQ(BuildChart(doc, table, chart), 0) << column;
        EXPECT_EQ(chart.pointCount, 0);
    }
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace lumox

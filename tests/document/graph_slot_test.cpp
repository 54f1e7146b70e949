#include <gtest/gtest.h>

#include "document/lumox_doc.h"
#include "support/data_sets.h"

namespace lumox {
namespace {

void LoadThreeColumns(CLumoxDoc& doc) {
    test::FillDataSet(doc, {"A", "B", "C"}, std::vector<std::vector<double>>(5, {1.0, 1.0, 1.0}));
}

TEST(SetupGraphSlot, DataColumnsReferToTheDataMatrix) {
    CLumoxDoc doc;
    LoadThreeColumns(doc);
    GraphOptions options = doc.GetGraphOptions();
    options.pointSize = 0;
    ASSERT_TRUE(doc.ApplyGraphOptions(options));
    doc.SetupGraphSlot(1, 2, 0, 1, 1);
    const ChartData& slot = doc.Graph(1);
    EXPECT_EQ(slot.pointCount, 5);
    EXPECT_EQ(slot.xMatrix, &doc.GetData());
    EXPECT_EQ(slot.yMatrix, &doc.GetData());
    EXPECT_EQ(slot.xColumn, 2);
    EXPECT_EQ(slot.yColumn, 0);
    EXPECT_EQ(slot.xLabel, "C");
    EXPECT_EQ(slot.yLabel, "A");
    EXPECT_EQ(slot.title, "Data");
    EXPECT_EQ(slot.fittedCurve, 1);
    EXPECT_EQ(slot.trendLine, 1);
    // The rest comes from the template.
    EXPECT_EQ(slot.pointSize, 0);
    EXPECT_EQ(slot.markerStyle, 1);
    EXPECT_EQ(slot.xIntervals, 5);
    EXPECT_EQ(slot.yIntervals, 4);
    EXPECT_EQ(slot.grid, 1);
}

TEST(SetupGraphSlot, DerivedVariablesCarryOnlyTheirNames) {
    const struct {
        int x, y;
        const char* xLabel;
        const char* yLabel;
    } cases[] = {
        {3, 4, "Predicted Y", "Residuals"},
        {6, 5, "Normal Z", "Std. Residuals"},
        {0, 4, "A", "Residuals"},
    };
    for (const auto& c : cases) {
        CLumoxDoc doc;
        LoadThreeColumns(doc);
        doc.SetupGraphSlot(0, c.x, c.y, 0, 0);
        const ChartData& slot = doc.Graph(0);
        EXPECT_EQ(slot.xLabel, c.xLabel);
        EXPECT_EQ(slot.yLabel, c.yLabel);
        EXPECT_EQ(slot.title, "Results");
        EXPECT_EQ(slot.xColumn, c.x);
        EXPECT_EQ(slot.pointCount, 5);
        EXPECT_EQ(slot.yMatrix, nullptr);
    }
}

TEST(SetupGraphSlot, AnUnchosenOrUnknownAxisLeavesTheSlotEmpty) {
    CLumoxDoc doc;
    LoadThreeColumns(doc);
    GraphOptions options = doc.GetGraphOptions();
    options.title = "Mine";
    ASSERT_TRUE(doc.ApplyGraphOptions(options));
    for (const auto& [x, y] : {std::pair{-1, 1}, std::pair{0, -1}, std::pair{0, 7}}) {
        doc.SetupGraphSlot(3, 0, 1, 0, 0);
        doc.SetupGraphSlot(3, x, y, 0, 1);
        const ChartData& slot = doc.Graph(3);
        EXPECT_EQ(slot.pointCount, 0) << x << " " << y;
        EXPECT_EQ(slot.xLabel, "");
        EXPECT_EQ(slot.title, "Mine");
    }
}

}  // namespace
}  // namespace lumox

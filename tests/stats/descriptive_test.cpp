#include "stats/descriptive_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "document/lumox_doc.h"
#include "numeric/probability.h"
#include "platform/format.h"
#include "reports/descriptive_report.h"
#include "support/accuracy.h"
#include "support/fake_host.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::FakeHost;
using test::LogRelativeError;
using test::ScriptedPrompt;
using test::TempDir;

Matrix Column(const std::vector<double>& values) {
    Matrix m(static_cast<uint32_t>(values.size()), 1);
    for (uint32_t i = 0; i < m.Rows(); ++i) m.At(i, 0) = values[i];
    return m;
}

// The DESCRIPTIVE STATISTICS report as a recording writes it.
std::string Report(const DescriptiveStatistics& statistics, const std::string& name) {
    std::string out;
    WriteDescriptiveReport(statistics, name, out);
    return out;
}

TEST(Descriptive, PercentilesFollowTheRankRule) {
    struct Case {
        std::vector<double> values;
        double median, p25, p75, p10, p90;
    };
    // By hand with pos = (n + 1) P / 100: 1..4 interpolates the quartiles and clamps the
    // 10th and 90th to the extremes; 1..9 hits whole ranks (median pos 5, 10th pos 1).
    const Case cases[] = {{{4, 2, 3, 1}, 2.5, 1.25, 3.75, 1.0, 4.0},
                          {{9, 1, 8, 2, 7, 3, 6, 4, 5}, 5.0, 2.5, 7.5, 1.0, 9.0},
                          {{10, 20}, 15.0, 10.0, 20.0, 10.0, 20.0}};
    for (const Case& c : cases) {
        const Matrix data = Column(c.values);
        const DescriptiveStatistics s(data, 0);
        EXPECT_EQ(s.count, c.values.size());
        EXPECT_EQ(s.median, c.median);
        EXPECT_EQ(s.percentile25, c.p25);
        EXPECT_EQ(s.percentile75, c.p75);
        EXPECT_EQ(s.percentile10, c.p10);
        EXPECT_EQ(s.percentile90, c.p90);
    }
}

TEST(Descriptive, DescribesTheChosenColumnOfTwoValues) {
    Matrix data(2, 3);
    data.Fill(-1.0);
    data.At(0, 1) = 20.0;
    data.At(1, 1) = 10.0;
    const DescriptiveStatistics s(data, 1);
    // By hand: deviations +-5, so ss = 50, variance 50 / 1, population sd sqrt(50 / 2).
    EXPECT_EQ(s.minimum, 10.0);
    EXPECT_EQ(s.maximum, 20.0);
    EXPECT_EQ(s.mean, 15.0);
    EXPECT_EQ(s.sum, 30.0);
    EXPECT_EQ(s.variance, 50.0);
    EXPECT_EQ(s.stdDeviation, std::sqrt(50.0));
    EXPECT_EQ(s.stdDeviationN, 5.0);
    EXPECT_DOUBLE_EQ(s.stdErrorOfMean, 5.0);
    // One degree of freedom: t quantiles 6.3137515146750427, 12.706204736174704 and
    // 63.656741162871580 (mpmath); the search lands up to 2^-20 below each.
    const double t90 = InverseStudentT(0.10, 1.0);
    EXPECT_NEAR(t90, 6.3137515146750427, std::ldexp(1.0, -20));
    EXPECT_DOUBLE_EQ(s.ci90Lower, 15.0 - t90 * s.stdErrorOfMean);
    EXPECT_DOUBLE_EQ(s.ci90Upper, 15.0 + t90 * s.stdErrorOfMean);
    EXPECT_NEAR(s.ci95Upper, 15.0 + 5.0 * 12.706204736174704, 1e-5);
    EXPECT_NEAR(s.ci99Lower, 15.0 - 5.0 * 63.656741162871580, 1e-5);
}

TEST(Descriptive, LargeOffsetKeepsItsDigits) {
    // One 10000000.2 and 500 pairs around it: mean 10000000.2 and sd 0.1 by construction.
    std::vector<double> values{10000000.2};
    for (int i = 0; i < 500; ++i) {
        values.push_back(10000000.1);
        values.push_back(10000000.3);
    }
    const Matrix data = Column(values);
    const DescriptiveStatistics s(data, 0);
    EXPECT_GE(LogRelativeError(s.mean, 10000000.2), 13.0);
    EXPECT_GE(LogRelativeError(s.stdDeviation, 0.1), 8.0);
    EXPECT_LT(s.ci95Lower, s.mean);
    EXPECT_GT(s.ci95Upper, s.mean);
}

TEST(Descriptive, EndsOfTheDoubleRange) {
    // Expected values from mpmath at 40 digits on the same doubles; inf and 0 where the
    // result itself lies beyond the double range.
    struct Case {
        std::vector<double> values;
        double mean, median, sd, sdN, variance, sum;
    };
    const double inf = INFINITY;
    const Case cases[] = {
        {{1.5e308, -1.5e308}, 0.0, 0.0, inf, 1.5e308, inf, 0.0},
        {{1.5e308, -1.5e308, 1e308, -1e308},
         0.0,
         0.0,
         1.4719601443879745e308,
         1.2747548783981962e308,
         inf,
         0.0},
        {{1e308, 1e308, 1.5e308},
         1.1666666666666667e308,
         1e308,
         2.8867513459481289e307,
         2.3570226039551584e307,
         inf,
         inf},
        {{1e300, 2e300, 3e300}, 2e300, 2e300, 1e300, 8.1649658092772608e299, inf, 6e300},
        {{1e-300, 2e-300, 3e-300}, 2e-300, 2e-300, 1e-300, 8.1649658092772612e-301, 0.0, 6e-300},
    };
    for (const Case& c : cases) {
        const Matrix data = Column(c.values);
        const DescriptiveStatistics s(data, 0);
        const auto same = [](double actual, double expected) {
            return std::isinf(expected) || expected == 0.0 ? actual == expected
                                                           : test::Near(actual, expected, 1e-15);
        };
        const std::string name = Format("%g, %g, ...", c.values[0], c.values[1]);
        EXPECT_PRED2(same, s.mean, c.mean) << name;
        EXPECT_PRED2(same, s.median, c.median) << name;
        EXPECT_PRED2(same, s.stdDeviation, c.sd) << name;
        EXPECT_PRED2(same, s.stdDeviationN, c.sdN) << name;
        EXPECT_PRED2(same, s.variance, c.variance) << name;
        EXPECT_PRED2(same, s.sum, c.sum) << name;
        EXPECT_PRED2(same, s.stdErrorOfMean, c.sd / std::sqrt(c.values.size())) << name;
    }
    // The quartile between -1.5e308 and -1e308 interpolates as usual.
    const Matrix data = Column({1.5e308, -1.5e308, 1e308, -1e308});
    EXPECT_TRUE(test::Near(DescriptiveStatistics(data, 0).percentile25, -1.375e308, 1e-15));
}

TEST(Descriptive, EqualValuesHaveNoSpread) {
    // 0.1 ten times sums to 0.9999999999999999, whose tenth is not 0.1.
    for (double value : {7.0, 0.1, -3.3e-7}) {
        const Matrix data = Column(std::vector<double>(10, value));
        const DescriptiveStatistics s(data, 0);
        EXPECT_EQ(s.mean, value);
        EXPECT_EQ(s.variance, 0.0);
        EXPECT_EQ(s.stdDeviationN, 0.0);
        EXPECT_EQ(s.stdErrorOfMean, 0.0);
        EXPECT_EQ(s.median, value);
        for (double limit :
             {s.ci90Lower, s.ci90Upper, s.ci95Lower, s.ci95Upper, s.ci99Lower, s.ci99Upper}) {
            EXPECT_EQ(limit, value);
        }
    }
}

TEST(Descriptive, OneObservationStopsWithCodeFive) {
    const Matrix data = Column({42.0});
    EXPECT_EQ(test::StopOf([&data] { DescriptiveStatistics(data, 0); }),
              (test::Message{"Probability calculation(5) stopped due to bad equation data!",
                             Icon::Stop}));
}

TEST(Descriptive, ReportOfASmallColumn) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    const std::string file =
        "Weight\r\n12.5\r\n14.1\r\n9.8\r\n11.0\r\n13.7\r\n"
        "10.4\r\n12.9\r\n15.2\r\n8.6\r\n11.8\r\n";
    ASSERT_TRUE(doc.OnOpenDocument(dir.Write("weights.dat", file)));
    const DescriptiveStatistics s(doc.GetData(), 0);
    // Composed separately in python3: exact fractions for the moments and percentiles,
    // mpmath t quantiles with 9 degrees of freedom cut down to the 2^-20 grid, the same
    // printf formats; no t quantile lies within a quarter grid step of a grid point.
    const std::string expected =
        "\r\nDESCRIPTIVE STATISTICS\r\n\r\n"
        "Variable Name: Weight              Number of Variables:   10\r\n\r\n"
        "Minimum:           8.6             Variance:              4.28888889     \r\n"
        "Mean (Average):    12              Std. Deviation (n-1):  2.07096328     \r\n"
        "Median:            12.15           Std. Deviation (n):    1.96468827     \r\n"
        "Maximum:           15.2            Std. Error of Mean:    0.65489609     \r\n"
        "Range:             6.6             Sum:                   120            \r\n"
        "\r\nData Organization:\r\n\r\n"
        "  0%     8.6           Minimum\r\n"
        " 10%     8.72          10th Percentile\r\n"
        " 25%     10.25         First Quartile\r\n"
        " 50%     12.15         Median\r\n"
        " 75%     13.8          Third Quartile\r\n"
        " 90%     15.09         90th Percentile\r\n"
        "100%     15.2          Maximum\r\n"
        "\r\nConfidence Intervals for the Mean using t distribution:\r\n\r\n"
        " 90% = [ 10.7995016, 13.2004984 ]\r\n"
        " 95% = [ 10.5185226, 13.4814774 ]\r\n"
        " 99% = [ 9.87169576, 14.1283042 ]\r\n";
    EXPECT_EQ(Report(s, doc.GetColName(0)), expected);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(Descriptive, WriteReportRecordsThisReportAlone) {
    TempDir dir;
    ScriptedPrompt prompt;
    FakeHost host;
    CLumoxDoc doc;
    doc.SetHost(&host);
    ASSERT_TRUE(doc.OnOpenDocument(dir.Write("xy.dat", "X Y\r\n1 10\r\n2 20\r\n3 60\r\n")));
    host.results.text = "Earlier results\r\n";
    doc.SetRecordedReports({ReportKind::Equation, ReportKind::Residuals});  // left from a regression

    const DescriptiveStatistics s(doc.GetData(), 1);
    doc.RecordDescriptiveStatistics(1);
    EXPECT_EQ(host.results.text, "Earlier results\r\n" + Report(s, doc.GetColName(1)));
    EXPECT_NE(host.results.text.find("Variable Name: Y "), std::string::npos);
    EXPECT_EQ(doc.RecordedReports(), ReportKinds{ReportKind::Descriptive});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(Descriptive, NormalCurveHasTheHistogramsArea) {
    const Matrix data = Column({10.0, 20.0});  // mean 15, sd sqrt(50)
    const DescriptiveStatistics s(data, 0);
    const Matrix counts = s.NormalCurve(2.0, 0.0, 30.0, 1);
    const Matrix percent = s.NormalCurve(2.0, 0.0, 30.0, 0);
    ASSERT_EQ(counts.Rows(), 100u);
    ASSERT_EQ(counts.Cols(), 2u);
    // Peak height n w / (sqrt(2 pi) sd) = 4 / (2.5066282746310002 * 7.0710678118654752)
    // = 0.22567583341910252 (python3); x = 15 is the 51st point (step 0.3).
    EXPECT_NEAR(counts.At(50, 0), 15.0, 1e-12);
    EXPECT_NEAR(counts.At(50, 1), 0.22567583341910252, 1e-12);
    EXPECT_NEAR(counts.At(0, 1), 0.22567583341910252 * std::exp(-225.0 / 100.0), 1e-12);
    // The last point is one step short of high.
    EXPECT_NEAR(counts.At(99, 0), 29.7, 1e-12);
    for (uint32_t i = 0; i < 100; ++i) {
        EXPECT_EQ(percent.At(i, 0), counts.At(i, 0));
        EXPECT_NEAR(percent.At(i, 1), counts.At(i, 1) * 50.0, 1e-12);  // 100 w over n w
    }
}

TEST(Descriptive, CertifiedUnivariateData) {
    struct Case {
        const char* file;
        double mean, sd;
        double meanFloor, sdFloor;  // half a digit below what the computation reaches
    };
    // Certified values from the data sets' README.
    const Case cases[] = {
        {"Lew", -177.435000000000, 277.332168044316, 14.5, 14.5},
        {"Lottery", 518.958715596330, 291.699727470969, 14.5, 14.5},
        {"Mavro", 2.00185600000000, 0.000429123454003053, 14.5, 12.6},
        {"Michelso", 299.852400000000, 0.0790105478190518, 14.5, 13.3},
        {"NumAcc1", 10000002.0, 1.0, 14.5, 14.5},
        {"NumAcc2", 1.2, 0.1, 13.5, 14.1},
        {"NumAcc3", 1000000.2, 0.1, 14.5, 8.9},
        {"NumAcc4", 10000000.2, 0.1, 13.5, 7.7},
    };
    for (const Case& c : cases) {
        ScriptedPrompt prompt;
        CLumoxDoc doc;
        const std::string path =
            std::string(LUMOX_SOURCE_DIR) + "/tests/data/reference/univariate/" + c.file + ".dat";
        ASSERT_TRUE(doc.OnOpenDocument(path)) << path;
        const DescriptiveStatistics s(doc.GetData(), 0);
        const double meanLre = LogRelativeError(s.mean, c.mean);
        const double sdLre = LogRelativeError(s.stdDeviation, c.sd);
        std::printf("%-9s n=%-5u mean LRE %5.2f  sd LRE %5.2f\n", c.file, s.count, meanLre, sdLre);
        EXPECT_GE(meanLre, c.meanFloor) << c.file;
        EXPECT_GE(sdLre, c.sdFloor) << c.file;
    }
}

}  // namespace
}  // namespace lumox

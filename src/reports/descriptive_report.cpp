#include "reports/descriptive_report.h"

#include "platform/format.h"
#include "stats/descriptive_statistics.h"

namespace lumox {

void WriteDescriptiveReport(const DescriptiveStatistics& s, const std::string& name,
                            std::string& out) {
    out += "\r\nDESCRIPTIVE STATISTICS\r\n\r\n";
    out += Format("Variable Name: %-20sNumber of Variables:   %u\r\n\r\n", name.c_str(), s.count);
    const char* const pairFormat = "%-19s%-16.9g%-23s%-15.9g\r\n";
    out += Format(pairFormat, "Minimum:", s.minimum, "Variance:", s.variance);
    out += Format(pairFormat, "Mean (Average):", s.mean, "Std. Deviation (n-1):", s.stdDeviation);
    out += Format(pairFormat, "Median:", s.median, "Std. Deviation (n):", s.stdDeviationN);
    out += Format(pairFormat, "Maximum:", s.maximum, "Std. Error of Mean:", s.stdErrorOfMean);
    out += Format(pairFormat, "Range:", s.maximum - s.minimum, "Sum:", s.sum);

    out += "\r\nData Organization:\r\n\r\n";
    out += Format("%-9s%-14.9gMinimum\r\n", "  0%", s.minimum);
    out += Format("%-9s%-14.9g10th Percentile\r\n", " 10%", s.percentile10);
    out += Format("%-9s%-14.9gFirst Quartile\r\n", " 25%", s.percentile25);
    out += Format("%-9s%-14.9gMedian\r\n", " 50%", s.median);
    out += Format("%-9s%-14.9gThird Quartile\r\n", " 75%", s.percentile75);
    out += Format("%-9s%-14.9g90th Percentile\r\n", " 90%", s.percentile90);
    out += Format("%-9s%-14.9gMaximum\r\n", "100%", s.maximum);

    out += "\r\nConfidence Intervals for the Mean using t distribution:\r\n\r\n";
    const char* const intervalFormat = "%-9s%.9g, %.9g ]\r\n";
    out += Format(intervalFormat, " 90% = [", s.ci90Lower, s.ci90Upper);
    out += Format(intervalFormat, " 95% = [", s.ci95Lower, s.ci95Upper);
    out += Format(intervalFormat, " 99% = [", s.ci99Lower, s.ci99Upper);
}

}  // namespace lumox

#ifndef LUMOX_STATS_DESCRIPTIVE_STATISTICS_H
#define LUMOX_STATS_DESCRIPTIVE_STATISTICS_H

#include <cstdint>
#include <string>

#include "numeric/matrix.h"

namespace lumox {

// Summary statistics of one column of the data matrix, all computed on construction: a
// short-lived local of its caller. A single observation (no degree of freedom) stops the
// construction with probability code 5.
class DescriptiveStatistics {
public:
    DescriptiveStatistics(const Matrix& data, uint32_t column);

    // 100 points (x, height) of the normal density with this mean and stdDeviation from low
    // in steps of (high - low) / 100, scaled to the area of a histogram with classes of
    // width: n x width when counts is non-zero, else 100 x width (percentages).
    Matrix NormalCurve(double width, double low, double high, int counts) const;

    const Matrix& data;
    const uint32_t column;
    uint32_t count = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    double mean = 0.0;
    double median = 0.0;
    double variance = 0.0;
    double stdDeviation = 0.0;
    double stdDeviationN = 0.0;
    double stdErrorOfMean = 0.0;
    double sum = 0.0;
    double percentile25 = 0.0;
    double percentile75 = 0.0;
    double percentile10 = 0.0;
    double percentile90 = 0.0;
    double ci90Lower = 0.0;
    double ci90Upper = 0.0;
    double ci95Lower = 0.0;
    double ci95Upper = 0.0;
    double ci99Lower = 0.0;
    double ci99Upper = 0.0;
};

}  // namespace lumox

#endif

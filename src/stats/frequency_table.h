#ifndef LUMOX_STATS_FREQUENCY_TABLE_H
#define LUMOX_STATS_FREQUENCY_TABLE_H

#include <array>
#include <cstdint>
#include <string>

#include "numeric/matrix.h"
#include "numeric/scale.h"
#include "platform/diagnostics.h"

namespace lumox {

class DataSet;
struct HistogramSettings;

// The classes of a histogram variable and their counts.
struct FrequencyTable {
    int width = 0;              // the class width in units of 10^E; 0: nothing to draw
    int classes = 0;            // N
    AxisScale scale;            // the X axis the classes divide
    int labelledIntervals = 0;  // the most labelled intervals that divide the classes evenly
    bool cumulative = false;    // the ogive
    // N + 1 rows (x, y): class lower boundaries (the ogive: midpoints) and the counts,
    // percentages or running totals.
    Matrix table;
    std::string xLabel;  // "<name> (Class Interval = w)"
    std::string yLabel;
};

// Forms the classes of the settings' variable and counts them. width is 0 when nothing is
// to be drawn (no variable; scaling failed, with message 16 in said). The last class is
// closed at the top, so every observation is counted.
FrequencyTable BuildFrequencyTable(const DataSet& data, const HistogramSettings& settings,
                                   Diagnostics& said);

// The numbers of classes a histogram may have, in the order they are offered.
constexpr std::array<int, 9> kHistogramClassChoices = {2, 4, 6, 8, 10, 12, 15, 20, 24};

// The number of classes offered first for n observations: the first of 2, 4, 6, 8, 10,
// 12, 15 whose power of two exceeds n, else 20.
int DefaultHistogramClasses(uint32_t n);

}  // namespace lumox

#endif

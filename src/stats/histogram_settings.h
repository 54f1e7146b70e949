#ifndef LUMOX_STATS_HISTOGRAM_SETTINGS_H
#define LUMOX_STATS_HISTOGRAM_SETTINGS_H

namespace lumox {

// The histogram choices the document keeps; all 0 by default.
struct HistogramSettings {
    int addNormalCurve = 0;  // ignored in cumulative mode
    int column = 0;          // variable of the data set; negative = none chosen
    int classes = 0;         // N, one of 2, 4, 6, 8, 10, 12, 15, 20, 24
    int frequency = 0;
    int relative = 0;
    int cumulative = 0;  // the ogive
};

}  // namespace lumox

#endif

#ifndef LUMOX_STATS_HISTOGRAM_SETTINGS_H
#define LUMOX_STATS_HISTOGRAM_SETTINGS_H

namespace lumox {

// What a histogram counts in each class: the observations, their percentage of all
// observations, or the running total up to the class (drawn as the ogive).
enum class HistogramKind { Frequency, Relative, Cumulative };

// The histogram choices the document keeps.
struct HistogramSettings {
    bool addNormalCurve = false;  // ignored for the ogive
    int column = 0;               // variable of the data set; negative = none chosen
    int classes = 0;              // N, one of 2, 4, 6, 8, 10, 12, 15, 20, 24
    HistogramKind kind = HistogramKind::Frequency;
};

}  // namespace lumox

#endif

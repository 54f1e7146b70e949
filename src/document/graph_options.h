#ifndef LUMOX_DOCUMENT_GRAPH_OPTIONS_H
#define LUMOX_DOCUMENT_GRAPH_OPTIONS_H

#include <string>

namespace lumox {

// What the Scatter Graph and Histogram Options dialog edits, and lumox-cli's graph options.
struct GraphOptions {
    static constexpr int kTitleLimit = 30;  // characters
    static constexpr int kMinIntervals = 2;
    static constexpr int kMaxIntervals = 10;
    std::string title;
    int xIntervalIndex = 0;  // list position: intervals - 2
    int yIntervalIndex = 0;
    int pointSize = 1;  // 0 small, 1 large
    bool grid = true;

    // Whether a title fits: at most kTitleLimit characters of UTF-8 text (not bytes).
    static bool TitleFits(const std::string& title);
    // Whether a count of axis intervals is one the graphs offer: 2 to 10.
    static bool IntervalsFit(int intervals);
};

}  // namespace lumox

#endif

#ifndef LUMOX_STATS_FREQUENCY_H
#define LUMOX_STATS_FREQUENCY_H

#include "graph/chart_data.h"

namespace lumox {

class CLumoxDoc;
class Matrix;

// Forms the classes of the document's histogram variable, counts them into table (resized
// to N + 1 rows, 2 columns: class lower boundaries or, for the ogive, midpoints, and the
// counts, percentages or running totals) and fills the rest of chart to draw them; the
// caller has set the title, Y intervals, grid and point size. Returns the class width in
// units of 10^E, or 0 when nothing is to be drawn (no variable; scaling failed, after
// message 16). The last class is closed at the top, so every observation is counted.
int BuildFrequencyTable(const CLumoxDoc& doc, Matrix& table, ChartData& chart);

}  // namespace lumox

#endif

#ifndef LUMOX_GRAPH_GRAPH_DESCRIPTION_H
#define LUMOX_GRAPH_GRAPH_DESCRIPTION_H

#include <string>

#include "graph/graph_page.h"

namespace lumox {

// What a graph page shows, in words, for a person who cannot see it: each graph's kind,
// title, variables and number of points, and the trend line and fitted curve it adds;
// for a histogram or ogive its variable, what it counts and its classes. One sentence per
// graph.
std::string DescribeGraphPage(const GraphPage& page);

}  // namespace lumox

#endif

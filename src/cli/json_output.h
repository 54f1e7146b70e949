#ifndef LUMOX_CLI_JSON_OUTPUT_H
#define LUMOX_CLI_JSON_OUTPUT_H

#include <memory>
#include <string>

#include "cli/results_sink.h"

namespace lumox::cli {

// The results of a run as one JSON document, for scripts: the data file (its name as
// given, its observations and variables), then one entry per action in the order given,
// each with its arguments and the results it recorded. Numbers are written in the fewest
// digits that read back as the same double, and a NaN or infinity as null.
std::unique_ptr<ResultsSink> MakeJsonResults(CLumoxDoc& doc, const std::string& dataFile);

}  // namespace lumox::cli

#endif

#ifndef LUMOX_CLI_CLI_OPTIONS_H
#define LUMOX_CLI_CLI_OPTIONS_H

#include <optional>
#include <string>
#include <vector>

namespace lumox::cli {

// One action of the command line, run in the order given.
struct Action {
    enum class Kind {
        InputData,  // --input-data
        Describe,   // --describe VAR
        Simple,     // --simple X Y MODEL
        Compare,    // --compare X Y
        Fit,        // --fit EQUATION
        Reports,    // --reports LIST
        Level,      // --level L
        Estimate,   // --estimate V1,V2,...
        Scatter,    // --scatter X:Y[:fit][:trend]
        Histogram,  // --histogram VAR[:CLASSES][:relative|:cumulative][:normal]
        Image,      // --image FILE
    };
    Kind kind;
    std::vector<std::string> args;
    // The option as given, without its dashes ("fit"): the action's name in JSON output.
    std::string name;
};

// Graph Options given on the command line; they apply to every graph of the run.
struct GraphArguments {
    std::optional<std::string> title;
    std::optional<int> xIntervals;
    std::optional<int> yIntervals;
    std::optional<bool> grid;
    std::optional<bool> largePoints;
};

// What the run writes: the Results text, or one JSON document of the results.
enum class OutputFormat { Text, Json };

struct Options {
    std::string dataFile;
    std::optional<std::string> sheet;  // the sheet of a spreadsheet to read
    std::optional<std::string> output;
    OutputFormat format = OutputFormat::Text;
    bool yes = false;
    bool help = false;
    bool version = false;
    GraphArguments graph;
    std::vector<Action> actions;
};

// Parses the arguments after the program name. On a usage error returns no value and
// sets error to a one-line description.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The fields of text between separators, empty ones included ("a::b" has three).
std::vector<std::string> SplitAt(const std::string& text, char separator);

// The usage text printed by --help and after a usage error.
const char* UsageText();

}  // namespace lumox::cli

#endif

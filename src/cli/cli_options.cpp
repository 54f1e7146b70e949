#include "cli/cli_options.h"

#include <cstdlib>
#include <map>

#include "data/sheet_file.h"
#include "document/graph_options.h"

namespace lumox::cli {
namespace {

bool ParseInterval(const std::string& text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    const bool whole = !text.empty() && *end == '\0' && parsed >= 0 && parsed <= 100;
    if (!whole || !GraphOptions::IntervalsFit(static_cast<int>(parsed))) return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        fields.push_back(
            text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

const char* UsageText() {
    return "Usage: lumox-cli [OPTIONS] DATAFILE [ACTION ...]\n"
           "\n"
           "Opens DATAFILE (text; by its extension dBase .dbf, comma-separated .csv or a\n"
           "spreadsheet .xlsx or .ods), runs the actions in order and writes the Results\n"
           "text (CR LF line ends) to standard output.\n"
           "\n"
           "Actions:\n"
           "  --input-data                 record the INPUT DATA listing\n"
           "  --describe VAR               record the DESCRIPTIVE STATISTICS of VAR\n"
           "  --simple X Y MODEL           simple regression; MODEL is 0..11, best-r2 or best-se\n"
           "  --compare X Y                record the MODEL COMPARISON of the twelve models\n"
           "  --fit EQUATION               multiple regression, e.g. \"Y = 1 + A + A^2 + log(B)\"\n"
           "  --reports LIST               reports later fits record: equation,anova,\n"
           "                               correlation,residuals,intervals,diagnostics\n"
           "  --level L                    confidence level in percent (50 to 99.99)\n"
           "  --estimate V1,V2,...         POINT ESTIMATE of the last fit\n"
           "  --scatter X:Y[:fit][:bands][:trend]\n"
           "                               a scatter graph (up to four make a page); bands:\n"
           "                               confidence and prediction bands at --level, around\n"
           "                               the fitted curve, or for a fit of several variables\n"
           "                               with the others at their means\n"
           "  --histogram VAR[:CLASSES][:relative|:cumulative][:normal]\n"
           "  --image FILE                 draw the graph page to FILE (.png, .svg or .pdf)\n"
           "\n"
           "Options:\n"
           "  --output FILE                write the Results text to FILE\n"
           "  --format text|json           the Results text (the default) or one JSON\n"
           "                               document of the results, numbers in full\n"
           "  --sheet NAME                 read the sheet NAME of an .xlsx or .ods DATAFILE\n"
           "                               (the first sheet without it)\n"
           "  --yes                        answer Yes to the program's questions\n"
           "  --title TEXT, --xintervals N, --yintervals N, --grid on|off,\n"
           "  --points small|large         Graph Options\n"
           "  --help, --version\n"
           "\n"
           "A variable is named by its column name, by #K (K from 1), or by the first\n"
           "eight characters of its name when no other column starts with them.\n";
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    using Kind = Action::Kind;
    // Each action with the number of arguments it takes.
    static const std::map<std::string, std::pair<Kind, size_t>> kActions = {
        {"--input-data", {Kind::InputData, 0}},
        {"--describe", {Kind::Describe, 1}},
        {"--simple", {Kind::Simple, 3}},
        {"--compare", {Kind::Compare, 2}},
        {"--fit", {Kind::Fit, 1}},
        {"--reports", {Kind::Reports, 1}},
        {"--level", {Kind::Level, 1}},
        {"--estimate", {Kind::Estimate, 1}},
        {"--scatter", {Kind::Scatter, 1}},
        {"--histogram", {Kind::Histogram, 1}},
        {"--image", {Kind::Image, 1}},
    };
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--yes") {
            options.yes = true;
        } else if (arg == "--output") {
            if (!value(text)) return std::nullopt;
            options.output = text;
        } else if (arg == "--format") {
            if (!value(text)) return std::nullopt;
            if (text != "text" && text != "json") {
                error = "--format takes text or json";
                return std::nullopt;
            }
            options.format = text == "json" ? OutputFormat::Json : OutputFormat::Text;
        } else if (arg == "--sheet") {
            if (!value(text)) return std::nullopt;
            options.sheet = text;
        } else if (arg == "--title") {
            if (!value(text)) return std::nullopt;
            if (!GraphOptions::TitleFits(text)) {
                error = "--title takes at most 30 characters";
                return std::nullopt;
            }
            options.graph.title = text;
        } else if (arg == "--xintervals" || arg == "--yintervals") {
            int intervals = 0;
            if (!value(text)) return std::nullopt;
            if (!ParseInterval(text, intervals)) {
                error = arg + " takes a whole number from 2 to 10";
                return std::nullopt;
            }
            (arg == "--xintervals" ? options.graph.xIntervals : options.graph.yIntervals) =
                intervals;
        } else if (arg == "--grid") {
            if (!value(text)) return std::nullopt;
            if (text != "on" && text != "off") {
                error = "--grid takes on or off";
                return std::nullopt;
            }
            options.graph.grid = text == "on";
        } else if (arg == "--points") {
            if (!value(text)) return std::nullopt;
            if (text != "small" && text != "large") {
                error = "--points takes small or large";
                return std::nullopt;
            }
            options.graph.largePoints = text == "large";
        } else if (auto found = kActions.find(arg); found != kActions.end()) {
            const auto [kind, count] = found->second;
            if (i + count >= args.size()) {
                error = arg + (count == 1 ? " needs a value"
                                          : " needs " + std::to_string(count) + " values");
                return std::nullopt;
            }
            Action action{kind, {}, arg.substr(2)};
            for (size_t k = 0; k < count; ++k) action.args.push_back(args[++i]);
            options.actions.push_back(action);
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (options.dataFile.empty()) {
            options.dataFile = arg;
        } else {
            error = "unexpected argument " + arg;
            return std::nullopt;
        }
    }
    if (options.dataFile.empty() && !options.help && !options.version) {
        error = "no data file given";
        return std::nullopt;
    }
    if (options.sheet && !options.dataFile.empty() && !SheetFileKindOf(options.dataFile)) {
        error = "--sheet is for a spreadsheet (.xlsx or .ods); " + options.dataFile + " is none";
        return std::nullopt;
    }
    // The reports chosen apply to the fits after them: after the last one they would
    // silently change nothing.
    bool fitFollows = false;
    for (auto action = options.actions.rbegin(); action != options.actions.rend(); ++action) {
        if (action->kind == Kind::Fit || action->kind == Kind::Simple) fitFollows = true;
        if (action->kind == Kind::Reports && !fitFollows) {
            error = "--reports has no effect after the last --fit or --simple; put it before them";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace lumox::cli

#include "cli/session.h"

#include <algorithm>
#include <cstdlib>

#include "cli/json_output.h"
#include "data/field_validation.h"
#include "document/build_equation.h"
#include "document/equation_text.h"
#include "document/simple_regression.h"
#include "platform/abort.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "platform/strings.h"
#include "regression/derived_series.h"
#include "regression/point_estimate.h"
#include "stats/frequency_table.h"

namespace lumox::cli {

Session::Session(const Options& options, GraphImageWriter writeImage)
    : options_(options), writeImage_(writeImage) {
    doc_.SetHost(&host_);
    if (options.format == OutputFormat::Json) {
        sink_ = MakeJsonResults(doc_, options.dataFile);
    } else {
        sink_ = std::make_unique<TextResults>(doc_, host_.Results());
    }
}

bool Session::Run() {
    if (!doc_.OnOpenDocument(options_.dataFile, options_.sheet.value_or(""))) return false;
    if (!ApplyGraphOptions()) return false;
    for (const Action& action : options_.actions) {
        bool completed = false;
        sink_->BeginAction(action);
        RunCommandStep([&] { completed = RunAction(action); });
        if (!completed) return false;
    }
    return true;
}

bool Session::RunAction(const Action& action) {
    using Kind = Action::Kind;
    switch (action.kind) {
        case Kind::InputData:
            return InputData();
        case Kind::Reports:
            return SetReports(action.args[0]);
        case Kind::Level:
            return SetLevel(action.args[0]);
        case Kind::Describe:
            return Describe(action.args[0]);
        case Kind::Simple:
            return Simple(action.args[0], action.args[1], action.args[2]);
        case Kind::Compare:
            return Compare(action.args[0], action.args[1]);
        case Kind::Fit:
            return Fit(action.args[0]);
        case Kind::Estimate:
            return Estimate(action.args[0]);
        case Kind::Scatter:
            return AddScatter(action.args[0]);
        case Kind::Histogram:
            return SetHistogram(action.args[0]);
        case Kind::Image:
            return Image(action.args[0]);
    }
    return false;
}

bool Session::InputData() {
    if (doc_.Rows() == 0) {
        ShowMessage(LoadString(ids::kNotEnoughData), Icon::Stop);
        return false;
    }
    sink_->InputData();
    return true;
}

bool Session::Describe(const std::string& name) {
    const int column = FindVariable(name);
    if (column < 0) return false;
    sink_->Descriptive(static_cast<uint32_t>(column));
    return true;
}

bool Session::Simple(const std::string& xName, const std::string& yName, const std::string& model) {
    int index = -1;
    if (model != "best-r2" && model != "best-se") {
        char* end = nullptr;
        const long parsed = std::strtol(model.c_str(), &end, 10);
        if (model.empty() || *end != '\0' || parsed < 0 || parsed >= kSimpleModelCount) {
            ShowMessage(
                Format("Unknown model \"%s\": give 0 to 11, best-r2 or best-se.", model.c_str()),
                Icon::Stop);
            return false;
        }
        index = static_cast<int>(parsed);
    }
    SimpleRegression simple(doc_);
    if (!ChooseXAndY(xName, yName, simple)) return false;
    if (index < 0) {
        // The dialog's best-model buttons: search, select the winner, then Calculate it.
        index = model == "best-r2" ? simple.SelectBestRSquare() : simple.SelectBestStandardError();
        if (index < 0) {
            ShowMessage("None of the twelve models could be fitted to these data!", Icon::Stop);
            return false;
        }
        sink_->BestModel(simple);
    }
    if (simple.Calculate(index) != 0) return false;
    sink_->Regression(reports_, level_);
    return true;
}

bool Session::ChooseXAndY(const std::string& xName, const std::string& yName,
                          SimpleRegression& simple) {
    const int x = FindVariable(xName);
    if (x < 0) return false;
    const int y = FindVariable(yName);
    if (y < 0) return false;
    if (!RegressionAllowed()) return false;
    simple.SetX(x);
    simple.SetY(y);
    return true;
}

bool Session::Compare(const std::string& xName, const std::string& yName) {
    SimpleRegression simple(doc_);
    if (!ChooseXAndY(xName, yName, simple) || !simple.HasXAndY()) return false;
    sink_->Comparison(simple.m_nX, simple.m_nY);
    return true;
}

bool Session::Fit(const std::string& equation) {
    Diagnostics said;
    std::optional<EquationModel> model = ReadEquationText(doc_.Data(), equation, said);
    Speak(said);
    if (!model) return false;
    if (!RegressionAllowed()) return false;
    if (CalculateEquation(doc_, *model) != 0) return false;
    sink_->Regression(reports_, level_);
    return true;
}

bool Session::Estimate(const std::string& values) {
    if (!doc_.HasFit()) {
        ShowMessage("No equation has been fitted for a point estimate!", Icon::Stop);
        return false;
    }
    std::vector<double> numbers;
    const std::vector<std::string> fields = SplitAt(values, ',');
    for (size_t k = 0; k < fields.size(); ++k) {
        std::string problem;
        const std::optional<double> value =
            ReadWholeNumber(fields[k], kFieldLimits[kNumberLimits], true, problem);
        if (!value) {
            ShowMessage(Format("--estimate value %d \"%s\": %s", static_cast<int>(k + 1),
                               fields[k].c_str(), problem.c_str()),
                        Icon::Stop);
            return false;
        }
        numbers.push_back(*value);
    }
    PointEstimate estimate(doc_.Data(), doc_.Equation(), doc_.Fit());
    Diagnostics said;
    const int result = estimate.Calculate(numbers, level_, said);
    Speak(said);
    if (result != 0) return false;
    sink_->Estimate(estimate);
    return true;
}

bool Session::ApplyGraphOptions() {
    const GraphArguments& graph = options_.graph;
    GraphOptions options = doc_.GetGraphOptions();
    if (graph.title) options.title = *graph.title;
    if (graph.xIntervals) options.xIntervalIndex = *graph.xIntervals - GraphOptions::kMinIntervals;
    if (graph.yIntervals) options.yIntervalIndex = *graph.yIntervals - GraphOptions::kMinIntervals;
    if (graph.grid) options.grid = *graph.grid;
    if (graph.largePoints) options.pointSize = *graph.largePoints ? 1 : 0;
    return doc_.ApplyGraphOptions(options);
}

int Session::FindPlotVariable(const std::string& name) const {
    for (int k = 0; k < kDerivedSeriesCount; ++k) {
        if (name != DerivedSeriesName(static_cast<DerivedSeries>(k))) continue;
        if (!doc_.HasFit()) {
            ShowMessage(Format("\"%s\" needs a fitted equation: fit one first.", name.c_str()),
                        Icon::Stop);
            return -1;
        }
        return static_cast<int>(doc_.Cols()) + k;
    }
    return FindVariable(name);
}

bool Session::AddScatter(const std::string& text) {
    if (!doc_.CanScatter()) {
        ShowMessage("A scatter graph needs at least two variables!", Icon::Stop);
        return false;
    }
    const std::vector<std::string> parts = SplitAt(text, ':');
    const char* const kForm = "Cannot read the scatter graph \"%s\": write X:Y[:fit][:trend].";
    if (parts.size() < 2 || parts.size() > 5) {
        ShowMessage(Format(kForm, text.c_str()), Icon::Stop);
        return false;
    }
    CLumoxDoc::GraphChoice choice;
    choice.x = FindPlotVariable(parts[0]);
    if (choice.x < 0) return false;
    choice.y = FindPlotVariable(parts[1]);
    if (choice.y < 0) return false;
    for (size_t k = 2; k < parts.size(); ++k) {
        if (parts[k] == "trend") {
            choice.trendLine = 1;
        } else if (parts[k] == "fit") {
            if (!doc_.CanAddFittedCurve(choice.x, choice.y)) {
                ShowMessage(
                    "A fitted curve needs the variable of the fitted equation as X and its "
                    "dependent variable as Y!",
                    Icon::Stop);
                return false;
            }
            choice.fittedCurve = 1;
        } else if (parts[k] == "bands") {
            if (!doc_.CanAddBands(choice.x, choice.y, choice.fittedCurve == 1)) {
                ShowMessage(doc_.OffersBandsAlone()
                                ? "Bands need a variable of the fitted equation as X and its "
                                  "dependent variable as Y!"
                                : Format("Cannot read the scatter graph \"%s\": bands follow "
                                         "the fitted curve, as in X:Y:fit:bands.",
                                         text.c_str()),
                            Icon::Stop);
                return false;
            }
            choice.confidenceBand = 1;
            choice.predictionBand = 1;
        } else {
            ShowMessage(Format(kForm, text.c_str()), Icon::Stop);
            return false;
        }
    }
    if (histogram_ || scatters_.size() == 4) {
        histogram_.reset();
        if (scatters_.size() == 4) scatters_.clear();
    }
    scatters_.push_back(choice);
    return true;
}

bool Session::SetHistogram(const std::string& text) {
    const std::vector<std::string> parts = SplitAt(text, ':');
    HistogramSettings settings;
    settings.column = FindVariable(parts[0]);
    if (settings.column < 0) return false;
    settings.classes = DefaultHistogramClasses(doc_.Rows());
    for (size_t k = 1; k < parts.size(); ++k) {
        const std::string& part = parts[k];
        if (part == "relative") {
            settings.kind = HistogramKind::Relative;
        } else if (part == "cumulative") {
            settings.kind = HistogramKind::Cumulative;
        } else if (part == "normal") {
            settings.addNormalCurve = true;
        } else {
            const auto& choices = kHistogramClassChoices;
            const auto found = std::find_if(choices.begin(), choices.end(),
                                            [&part](int n) { return std::to_string(n) == part; });
            if (found == choices.end()) {
                ShowMessage(
                    Format("Cannot read the histogram \"%s\": classes are 2, 4, 6, 8, 10, 12, "
                           "15, 20 or 24; the kind relative or cumulative; and normal.",
                           text.c_str()),
                    Icon::Stop);
                return false;
            }
            settings.classes = *found;
        }
    }
    scatters_.clear();
    histogram_ = CLumoxDoc::CheckedHistogramSettings(settings);
    return true;
}

bool Session::Image(const std::string& path) {
    if (writeImage_ == nullptr) {
        ShowMessage("Graph: this program draws no pictures!", Icon::Stop);
        return false;
    }
    if (histogram_) {
        doc_.SetupHistogram(*histogram_);
    } else if (!scatters_.empty()) {
        if (doc_.PlotsOriginalScale(scatters_))
            ShowMessage(ids::kOriginalScalePlot, Icon::Information);
        const int graphs = scatters_.size() == 1 ? 1 : scatters_.size() == 2 ? 2 : 4;
        doc_.SetupScatterPage(graphs, scatters_);
    } else {
        ShowMessage(LoadString(ids::kGraphDataIncomplete), Icon::Stop);
        return false;
    }
    scatters_.clear();
    histogram_.reset();
    // A graph that fails while drawing ("Graph: Failed to scale data!") is left blank on
    // the page, as in the window; the file is written, but the action did not complete.
    Diagnostics said;
    const bool written = writeImage_(doc_, path, said);
    Speak(said);
    if (!written || said.HasStop()) return false;
    sink_->ImageWritten(path);
    return true;
}

bool Session::RegressionAllowed() {
    if (doc_.CanRegress()) return true;
    ShowMessage(LoadString(ids::kNotEnoughData), Icon::Stop);
    return false;
}

bool Session::SetReports(const std::string& list) {
    static const std::pair<const char*, ReportKind> kNames[] = {
        {"equation", ReportKind::Equation},       {"anova", ReportKind::Anova},
        {"correlation", ReportKind::Correlation}, {"residuals", ReportKind::Residuals},
        {"intervals", ReportKind::Intervals},     {"diagnostics", ReportKind::Diagnostics},
    };
    ReportKinds chosen;
    for (const std::string& name : SplitAt(list, ',')) {
        const auto found = std::find_if(std::begin(kNames), std::end(kNames),
                                        [&name](const auto& entry) { return name == entry.first; });
        if (found == std::end(kNames)) {
            ShowMessage(Format("Unknown report \"%s\" in --reports.", name.c_str()), Icon::Stop);
            return false;
        }
        if (!Holds(chosen, found->second)) chosen.push_back(found->second);
    }
    reports_ = chosen;
    return true;
}

bool Session::SetLevel(const std::string& text) {
    Diagnostics said;
    const std::optional<double> level = ReadConfidenceLevel(text, said);
    if (!level) {
        // The dialogs' own words, behind the option that was given them.
        const std::string problem = said.Empty() ? std::string() : said.Items()[0].text;
        ShowMessage(Format("--level \"%s\": %s", text.c_str(), problem.c_str()), Icon::Stop);
        return false;
    }
    level_ = *level;
    doc_.SetConfidenceLevel(level_);
    return true;
}

int Session::FindVariable(const std::string& name) const {
    std::string message;
    const int column = lumox::FindVariable(doc_.Data(), name, message);
    if (column < 0) ShowMessage(message, Icon::Stop);
    return column;
}

}  // namespace lumox::cli

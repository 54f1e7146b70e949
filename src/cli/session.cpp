#include "cli/session.h"

#include <cstdlib>

#include "numeric/number_text.h"
#include "platform/abort.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "platform/strings.h"
#include "reports/recording.h"
#include "cli/equation_text.h"
#include "regression/build_equation.h"
#include "regression/point_estimate.h"
#include "regression/simple_models.h"
#include "stats/descriptive.h"

namespace lumox::cli {

Session::Session(const Options& options) : options_(options) { doc_.SetHost(&host_); }

bool Session::Run() {
    if (!doc_.OnOpenDocument(options_.dataFile)) return false;
    for (const Action& action : options_.actions) {
        try {
            if (!RunAction(action)) return false;
        } catch (const UserAbort&) {
            return false;  // the message has been shown
        }
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
        case Kind::Fit:
            return Fit(action.args[0]);
        case Kind::Estimate:
            return Estimate(action.args[0]);
        default:
            ShowMessage("This action is not available yet.", Icon::Stop);
            return false;
    }
}

bool Session::InputData() {
    if (doc_.m_nRows == 0) {
        ShowMessage(LoadString(ids::kNotEnoughData), Icon::Stop);
        return false;
    }
    doc_.m_abRecord.fill(0);
    doc_.m_abRecord[kRecordInputData] = 1;
    RecordReports(doc_, 0.0);
    return true;
}

bool Session::Describe(const std::string& name) {
    const int column = FindVariable(name);
    if (column < 0) return false;
    DescriptiveStatistics(doc_.GetData(), static_cast<uint32_t>(column)).WriteReport(doc_);
    return true;
}

bool Session::Simple(const std::string& xName, const std::string& yName, const std::string& model) {
    int index = -1;
    if (model != "best-r2" && model != "best-se") {
        char* end = nullptr;
        const long parsed = std::strtol(model.c_str(), &end, 10);
        if (model.empty() || *end != '\0' || parsed < 0 || parsed >= kSimpleModelCount) {
            ShowMessage(Format("Unknown model \"%s\": give 0 to 11, best-r2 or best-se.", model.c_str()),
                        Icon::Stop);
            return false;
        }
        index = static_cast<int>(parsed);
    }
    const int x = FindVariable(xName);
    if (x < 0) return false;
    const int y = FindVariable(yName);
    if (y < 0) return false;
    if (!RegressionAllowed()) return false;

    SimpleRegression simple(doc_);
    simple.SetX(x);
    simple.SetY(y);
    if (index < 0) {
        // The dialog's best-model buttons: search, select the winner, then Calculate it.
        index = model == "best-r2" ? simple.SelectBestRSquare() : simple.SelectBestStandardError();
        if (index < 0) {
            ShowMessage("None of the twelve models could be fitted to these data!", Icon::Stop);
            return false;
        }
    }
    simple.m_nSelectedModel = index;
    if (simple.Calculate() != 0) return false;
    // The report selection offers no correlation report after a simple regression.
    std::array<uint8_t, 8> flags = reports_;
    flags[kRecordCorrelation] = 0;
    return Record(flags);
}

bool Session::Fit(const std::string& equation) {
    std::string error;
    std::optional<EquationModel> model =
        ParseEquation(equation, [this](const std::string& name) { return FindVariable(name); }, error);
    if (!model) {
        if (!error.empty()) {
            ShowMessage(Format("Cannot read the equation \"%s\": %s.", equation.c_str(), error.c_str()),
                        Icon::Stop);
        }
        return false;
    }
    if (!RegressionAllowed()) return false;
    if (CalculateEquation(doc_, *model) != 0) return false;
    return Record(reports_);
}

bool Session::Estimate(const std::string& values) {
    if (doc_.m_nYVariable < -1) {
        ShowMessage("No equation has been fitted for a point estimate!", Icon::Stop);
        return false;
    }
    std::string lines;
    for (const char c : values) lines += c == ',' ? std::string("\r\n") : std::string(1, c);
    PointEstimate estimate(doc_);
    if (estimate.Calculate(lines, level_) != 0) return false;
    estimate.Record();
    return true;
}

bool Session::RegressionAllowed() {
    // The regression commands need two variables and three observations.
    if (doc_.m_nCols > 1 && doc_.m_nRows > 2) return true;
    ShowMessage(LoadString(ids::kNotEnoughData), Icon::Stop);
    return false;
}

bool Session::Record(const std::array<uint8_t, 8>& flags) {
    doc_.m_abRecord = flags;
    RecordReports(doc_, flags[kRecordIntervals] ? level_ : 0.0);
    return true;
}

bool Session::SetReports(const std::string& list) {
    static const std::pair<const char*, int> kNames[] = {
        {"equation", kRecordEquation},     {"anova", kRecordAnova},
        {"correlation", kRecordCorrelation}, {"residuals", kRecordResiduals},
        {"intervals", kRecordIntervals},
    };
    std::array<uint8_t, 8> chosen{};
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        bool known = false;
        for (const auto& [text, flag] : kNames) {
            if (name == text) {
                chosen[flag] = 1;
                known = true;
            }
        }
        if (!known) {
            ShowMessage(Format("Unknown report \"%s\" in --reports.", name.c_str()), Icon::Stop);
            return false;
        }
        start = comma + 1;
    }
    reports_ = chosen;
    return true;
}

bool Session::SetLevel(const std::string& text) {
    const double level = AtoF(text);
    if (level < 50.0) {
        ShowMessage(Format("Minimum value is:%-2.2f", 50.0), Icon::None);
        return false;
    }
    if (level > 99.99) {
        ShowMessage(Format("Maximum value is:%-2.2f", 99.99), Icon::None);
        return false;
    }
    level_ = level;
    return true;
}

int Session::FindVariable(const std::string& name) const {
    if (name.size() > 1 && name[0] == '#') {
        char* end = nullptr;
        const long k = std::strtol(name.c_str() + 1, &end, 10);
        if (*end == '\0' && k >= 1 && static_cast<uint32_t>(k) <= doc_.m_nCols) {
            return static_cast<int>(k - 1);
        }
    }
    for (uint32_t j = 0; j < doc_.m_nCols; ++j) {
        if (doc_.GetColName(j) == name) return static_cast<int>(j);
    }
    ShowMessage(Format("No variable \"%s\" in the data file.", name.c_str()), Icon::Stop);
    return -1;
}

}  // namespace lumox::cli

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>

#include "cli_run.h"
#include "support/temp_dir.h"

// --format json read back, every number against the text report of the same run: the two
// are written from the same results, so each JSON value rounds to the digits printed.
namespace lumox::test {
namespace {

using Json = nlohmann::json;

// A number as a report prints it; small stands for "< .0001" (a probability below it).
struct Printed {
    double value = 0.0;
    bool small = false;
};

// The numbers of a report text in order: the whole words that read as numbers, words
// separated by blanks, brackets, commas and equals signs.
std::vector<std::string> NumberWords(std::string text) {
    text = std::regex_replace(text, std::regex("< ?\\.0001"), " SMALL ");
    static const std::regex number("[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?|SMALL");
    std::vector<std::string> words;
    static const std::regex word("[^ \\r\\n\\[\\],=]+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it) {
        if (std::regex_match(it->str(), number)) words.push_back(it->str());
    }
    return words;
}

// Each value rounds to its printed word: it lies within half a unit of the word's last digit.
void ExpectPrinted(const std::string& text, const std::vector<Printed>& values) {
    const std::vector<std::string> words = NumberWords(text);
    ASSERT_EQ(words.size(), values.size()) << text;
    for (size_t k = 0; k < words.size(); ++k) {
        const std::string& word = words[k];
        if (values[k].small || word == "SMALL") {
            EXPECT_TRUE(values[k].small && word == "SMALL") << k << ": " << word;
            continue;
        }
        const size_t e = word.find_first_of("eE");
        const std::string mantissa = word.substr(0, e);
        const size_t point = mantissa.find('.');
        const int decimals =
            point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
        const int exponent = e == std::string::npos ? 0 : std::stoi(word.substr(e + 1));
        const double half = 0.5 * std::pow(10.0, exponent - decimals);
        EXPECT_LE(std::fabs(values[k].value - std::stod(word)), half * (1 + 1e-12))
            << k << ": " << word << " printed for " << values[k].value;
    }
}

// Probabilities print as "< .0001" below it.
Printed Probability(const Json& value) {
    const double p = value.get<double>();
    return {p, p < 0.0001};
}

// Runs lumox-cli on args as text and as JSON; both must succeed.
std::pair<std::string, Json> RunBoth(const std::vector<std::string>& args) {
    const CliResult text = RunCli(args);
    std::vector<std::string> json = {"--format", "json"};
    json.insert(json.end(), args.begin(), args.end());
    const CliResult run = RunCli(json);
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, text.err);
    return {text.out, Json::parse(run.out)};
}

// Finds the equation in the text, its continued lines joined, and takes it out: the words
// of an equation are not numbers.
void TakeEquation(std::string& text, const std::string& equation) {
    const std::string unwrapped = std::regex_replace(text, std::regex("\r\n {11}(?= [-+] )"), "");
    const size_t at = unwrapped.find(equation + "\r\n");
    ASSERT_NE(at, std::string::npos) << equation;
    text = unwrapped.substr(0, at) + unwrapped.substr(at + equation.size());
}

// The numbers of a fit's reports in the order they are printed.
void AddFit(const Json& fit, std::vector<Printed>& out) {
    if (fit.contains("equation")) {
        const Json& eq = fit["equation"];
        const double r2 = eq["r_square"];
        out.insert(
            out.end(),
            {{r2}, {std::sqrt(std::fabs(r2))}, {eq["adjusted_r_square"]}, {eq["standard_error"]}});
        for (const Json& c : eq["coefficients"]) {
            out.insert(out.end(), {{c["coefficient"]},
                                   {c["standard_error"]},
                                   {c["t"]},
                                   Probability(c["probability"])});
        }
    }
    if (fit.contains("anova")) {
        const Json& regression = fit["anova"]["regression"];
        const Json& residual = fit["anova"]["residual"];
        const Json& total = fit["anova"]["total"];
        out.insert(out.end(), {{regression["df"]},
                               {regression["sum_of_squares"]},
                               {regression["mean_square"]},
                               {regression["f"]},
                               Probability(regression["probability"]),
                               {residual["df"]},
                               {residual["sum_of_squares"]},
                               {residual["mean_square"]},
                               {total["df"]},
                               {total["sum_of_squares"]}});
    }
    if (fit.contains("correlation")) {
        const Json& c = fit["correlation"];
        for (size_t a = 0; a < c["r"].size(); ++a) {
            for (size_t b = 0; b <= a; ++b) out.push_back({c["r"][a][b]});
            for (size_t b = 0; b <= a; ++b) out.push_back(Probability(c["probability"][a][b]));
        }
    }
    for (const Json& r : fit.value("residuals", Json::array())) {
        for (const char* key :
             {"observation", "y", "predicted", "sd_predicted", "residual", "standardized_residual"})
            out.push_back({r[key]});
    }
    if (fit.contains("intervals")) {
        for (const Json& r : fit["intervals"]["observations"]) {
            out.insert(out.end(), {{r["observation"]},
                                   {r["y"]},
                                   {r["predicted"]},
                                   {r["confidence"][0]},
                                   {r["confidence"][1]},
                                   {r["prediction"][0]},
                                   {r["prediction"][1]}});
        }
    }
    if (fit.contains("diagnostics")) {
        const Json& d = fit["diagnostics"];
        out.push_back({d["condition_number"]});
        for (const Json& c : d["coefficients"])
            out.insert(out.end(), {{c["coefficient"]}, {c["digits"]}});
        out.push_back({d["refits"]});
        for (const Json& v : d["variance_inflation"]) out.push_back({v["vif"]});
        for (const char* kind : {"cook", "leverage"}) {
            const Json& k = d[kind];
            out.insert(out.end(), {{k["largest"]["value"]}, {k["largest"]["observation"]}});
            for (const Json& o : k["above"])
                out.insert(out.end(), {{o["observation"]}, {o["value"]}});
        }
        out.insert(out.end(), {{d["durbin_watson"]},
                               {d["shapiro_wilk"]["w"]},
                               Probability(d["shapiro_wilk"]["probability"])});
    }
}

void AddEstimate(const Json& estimate, std::vector<Printed>& out) {
    for (const Json& v : estimate["values"]) out.push_back({v["value"]});
    out.insert(out.end(), {{estimate["predicted"]},
                           {estimate["confidence"][0]},
                           {estimate["confidence"][1]},
                           {estimate["prediction"][0]},
                           {estimate["prediction"][1]}});
}

TEST(CliJson, DescriptiveStatisticsAndTheDataFile) {
    const auto [text, json] = RunBoth({"tab441.dat", "--describe", "Length"});
    EXPECT_EQ(json["data"]["file"], "tab441.dat");
    EXPECT_EQ(json["data"]["observations"], 80);
    EXPECT_EQ(json["data"]["variables"], Json::parse(R"([{"name":"Length","full_name":"Length"},
                              {"name":"Weight","full_name":"Weight"}])"));
    const Json& s = json["actions"][0];
    EXPECT_EQ(s["action"], "describe");
    EXPECT_EQ(s["arguments"], Json::array({"Length"}));
    EXPECT_EQ(s["variable"], "Length");
    const Json& p = s["percentiles"];
    const Json& ci = s["mean_confidence_intervals"];
    const double range = s["maximum"].get<double>() - s["minimum"].get<double>();
    ExpectPrinted(text, {{s["observations"]},
                         {s["minimum"]},
                         {s["variance"]},
                         {s["mean"]},
                         {s["std_deviation"]},
                         {s["median"]},
                         {s["std_deviation_n"]},
                         {s["maximum"]},
                         {s["std_error_of_mean"]},
                         {range},
                         {s["sum"]},
                         {s["minimum"]},
                         {p["10"]},
                         {p["25"]},
                         {p["50"]},
                         {p["75"]},
                         {p["90"]},
                         {s["maximum"]},
                         {ci["90"][0]},
                         {ci["90"][1]},
                         {ci["95"][0]},
                         {ci["95"][1]},
                         {ci["99"][0]},
                         {ci["99"][1]}});
    // --format text is the default, byte for byte.
    EXPECT_EQ(RunCli({"--format", "text", "tab441.dat", "--describe", "Length"}).out, text);
}

// A transformed y: the model's form and its linearized equation, every report a simple
// fit offers, the best-model search, and a point estimate brought back to the scale of y.
TEST(CliJson, ASimpleFitWithEveryReportAndItsSearch) {
    auto [text, json] =
        RunBoth({"lxtest.dat", "--reports", "equation,anova,residuals,intervals,diagnostics",
                 "--simple", "Time", "Growth", "best-r2", "--estimate", "5"});
    const Json& fit = json["actions"][1];
    EXPECT_EQ(fit["arguments"], Json::array({"Time", "Growth", "best-r2"}));
    EXPECT_EQ(fit["dependent"], "Growth");
    const int best = fit["search"]["best_r_square"];
    EXPECT_EQ(fit["model"]["index"], best);
    EXPECT_EQ(fit["model"]["form"], fit["search"]["models"][best]["form"]);
    EXPECT_DOUBLE_EQ(fit["search"]["models"][best]["r_square"].get<double>(),
                     fit["equation"]["r_square"].get<double>());
    EXPECT_FALSE(fit.contains("correlation"));  // not offered after a simple regression
    EXPECT_EQ(fit["intervals"]["level"], 95.0);
    EXPECT_EQ(fit["diagnostics"]["dependent"], "log(Growth)");
    const Json& estimate = json["actions"][2];
    EXPECT_EQ(estimate["y_transformed"], true);
    EXPECT_EQ(estimate["dependent"], "Growth");

    TakeEquation(text, fit["equation"]["text"]);
    TakeEquation(text, fit["equation"]["linearized"]);
    std::vector<Printed> values;
    AddFit(fit, values);
    AddEstimate(estimate, values);
    ExpectPrinted(text, values);
}

TEST(CliJson, AMultipleFitOfTheLongleyDataWithAPointEstimate) {
    auto [text, json] = RunBoth(
        {"longley.dat", "--reports", "equation,anova,correlation,residuals,intervals,diagnostics",
         "--level", "90", "--fit",
         "Employed = 1 + GNPDeflator + GNP + Unemployed + ArmedForces + Population + Year",
         "--estimate", "100,400000,3000,2500,120000,1960"});
    ASSERT_EQ(json["actions"].size(), 4u);
    EXPECT_EQ(json["actions"][0]["action"], "reports");
    EXPECT_EQ(json["actions"][1], Json::parse(R"({"action":"level","arguments":["90"]})"));
    const Json& fit = json["actions"][2];
    EXPECT_FALSE(fit.contains("model"));
    EXPECT_EQ(fit["equation"]["coefficients"].size(), 7u);
    EXPECT_EQ(fit["equation"]["coefficients"][6]["term"], "Year");
    EXPECT_EQ(fit["correlation"]["variables"][0], "Employed");
    EXPECT_EQ(fit["residuals"].size(), 16u);
    EXPECT_EQ(json["actions"][3]["values"][1]["variable"], "GNP");

    TakeEquation(text, fit["equation"]["text"]);
    std::vector<Printed> values;
    AddFit(fit, values);
    AddEstimate(json["actions"][3], values);
    ExpectPrinted(text, values);
}

// Each form's line of the comparison, read after its name.
TEST(CliJson, TheModelComparison) {
    const auto [text, json] = RunBoth({"lxtest.dat", "--compare", "Time", "Growth"});
    const Json& comparison = json["actions"][0];
    EXPECT_EQ(comparison["dependent"], "Growth");
    EXPECT_EQ(comparison["independent"], "Time");
    ASSERT_EQ(comparison["models"].size(), 12u);
    for (const Json& model : comparison["models"]) {
        std::string name = model["form"];
        name.resize(22, ' ');
        const size_t at = text.find("\r\n" + name);
        ASSERT_NE(at, std::string::npos) << name;
        const std::string line = text.substr(at + 24, text.find('\r', at + 2) - at - 24);
        std::vector<Printed> values = {{model["linearised"]["r_square"]},
                                       {model["linearised"]["standard_error"]}};
        if (!model["original_scale"].is_null()) {
            values.insert(values.end(), {{model["original_scale"]["r_square"]},
                                         {model["original_scale"]["rmse"]}});
        }
        if (!model["leave_one_out"].is_null()) {
            values.insert(values.end(), {{model["leave_one_out"]["press_rmse"]},
                                         {model["leave_one_out"]["rank"]}});
        }
        ExpectPrinted(line, values);
    }
}

TEST(CliJson, FaultsWriteNoDocument) {
    const CliResult unknown = RunCli({"--format", "xml", "tab21.dat"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err.substr(0, unknown.err.find('\n')),
              "lumox-cli: --format takes text or json");

    TempDir dir;
    const std::string output = dir.File("r.json");
    const std::vector<std::string> failing = {"--format", "json",       "tab21.dat", "--describe",
                                              "Hours",    "--describe", "Nope"};
    CliResult run = RunCli(failing);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "lumox: No variable \"Nope\" in the data file.\n");
    std::vector<std::string> toFile = failing;
    toFile.insert(toFile.end(), {"--output", output});
    run = RunCli(toFile);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(output));

    // A name that is not UTF-8 is replaced in the document, never refused mid-write.
    const std::string latin = dir.Write("latin.dat", "Caf\xE9 Y\r\n1 2\r\n2 4\r\n3 5\r\n");
    run = RunCli({"--format", "json", "--output", output, latin, "--describe", "Y"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Json::parse(ReadFile(output))["data"]["variables"][0]["name"], "Caf\xEF\xBF\xBD");
}

}  // namespace
}  // namespace lumox::test

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>

#include "cli_run.h"
#include "support/temp_dir.h"

// --format json read back, every number against the text report of the same run: both are
// written from the same results, so each JSON value rounds to the digits the text prints.
namespace lumox::test {
namespace {

using Json = nlohmann::json;

// A number as a report prints it; small stands for "< .0001", a probability below it.
struct Printed {
    double value = 0.0;
    bool small = false;
};

// Each value lies within half a unit of the last digit of its word of the text, the words
// (separated by blanks, brackets, commas and equals signs) that read as numbers, in order.
void ExpectPrinted(const std::string& report, const std::vector<Printed>& values) {
    const std::string text = std::regex_replace(report, std::regex("< ?\\.0001"), " SMALL ");
    static const std::regex word("[^ \\r\\n\\[\\],=]+");
    static const std::regex number("[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?|SMALL");
    std::vector<std::string> words;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it) {
        if (std::regex_match(it->str(), number)) words.push_back(it->str());
    }
    ASSERT_EQ(words.size(), values.size()) << report;
    for (size_t k = 0; k < words.size(); ++k) {
        const std::string& w = words[k];
        if (values[k].small || w == "SMALL") {
            EXPECT_TRUE(values[k].small && w == "SMALL") << k << ": " << w;
            continue;
        }
        const size_t e = std::min(w.find_first_of("eE"), w.size());
        const size_t point = std::min(w.find('.'), e);
        const int decimals = static_cast<int>(e - point) - (point < e ? 1 : 0);
        const int exponent = e < w.size() ? std::stoi(w.substr(e + 1)) : 0;
        const double half = 0.5 * std::pow(10.0, exponent - decimals) * (1 + 1e-12);
        EXPECT_LE(std::fabs(values[k].value - std::stod(w)), half)
            << k << ": " << w << " printed for " << values[k].value;
    }
}

// Takes the equation out of the text, its continued lines joined: its words are not numbers.
void TakeEquation(std::string& text, const std::string& equation) {
    text = std::regex_replace(text, std::regex("\r\n {11}(?= [-+] )"), "");
    const size_t at = text.find(equation + "\r\n");
    ASSERT_NE(at, std::string::npos) << equation;
    text.erase(at, equation.size());
}

// The numbers of the text reports of a run, in the order printed, read from its JSON
// document; the equations are taken out of the text.
std::vector<Printed> InTextOrder(const Json& document, std::string& text) {
    std::vector<Printed> out;
    auto add = [&out](std::initializer_list<Json> values) {
        for (const Json& v : values) out.push_back({v.get<double>()});
    };
    auto probability = [&out](const Json& v) {
        out.push_back({v.get<double>(), v.get<double>() < 0.0001});
    };
    for (const Json& a : document["actions"]) {
        if (a["action"] == "describe") {
            const Json &p = a["percentiles"], &ci = a["mean_confidence_intervals"];
            add({a["observations"],
                 a["minimum"],
                 a["variance"],
                 a["mean"],
                 a["std_deviation"],
                 a["median"],
                 a["std_deviation_n"],
                 a["maximum"],
                 a["std_error_of_mean"],
                 a["maximum"].get<double>() - a["minimum"].get<double>(),
                 a["sum"],
                 a["minimum"],
                 p["10"],
                 p["25"],
                 p["50"],
                 p["75"],
                 p["90"],
                 a["maximum"],
                 ci["90"][0],
                 ci["90"][1],
                 ci["95"][0],
                 ci["95"][1],
                 ci["99"][0],
                 ci["99"][1]});
        }
        if (a.contains("equation")) {
            const Json& eq = a["equation"];
            TakeEquation(text, eq["text"]);
            if (eq.contains("linearized")) TakeEquation(text, eq["linearized"]);
            add({eq["r_square"], std::sqrt(std::fabs(eq["r_square"].get<double>())),
                 eq["adjusted_r_square"], eq["standard_error"]});
            for (const Json& c : eq["coefficients"]) {
                add({c["coefficient"], c["standard_error"], c["t"]});
                probability(c["probability"]);
            }
        }
        if (a.contains("anova")) {
            const Json &r = a["anova"]["regression"], &e = a["anova"]["residual"],
                       &t = a["anova"]["total"];
            add({r["df"], r["sum_of_squares"], r["mean_square"], r["f"]});
            probability(r["probability"]);
            add({e["df"], e["sum_of_squares"], e["mean_square"], t["df"], t["sum_of_squares"]});
        }
        if (a.contains("correlation")) {
            const Json& c = a["correlation"];
            for (size_t i = 0; i < c["r"].size(); ++i) {
                for (size_t j = 0; j <= i; ++j) add({c["r"][i][j]});
                for (size_t j = 0; j <= i; ++j) probability(c["probability"][i][j]);
            }
        }
        for (const Json& r : a.value("residuals", Json::array())) {
            add({r["observation"], r["y"], r["predicted"], r["sd_predicted"], r["residual"],
                 r["standardized_residual"]});
        }
        if (a.contains("intervals")) {
            for (const Json& r : a["intervals"]["observations"]) {
                add({r["observation"], r["y"], r["predicted"], r["confidence"][0],
                     r["confidence"][1], r["prediction"][0], r["prediction"][1]});
            }
        }
        if (a.contains("diagnostics")) {
            const Json& d = a["diagnostics"];
            add({d["condition_number"]});
            for (const Json& c : d["coefficients"]) add({c["coefficient"], c["digits"]});
            add({d["refits"]});
            for (const Json& v : d["variance_inflation"]) add({v["vif"]});
            for (const char* kind : {"cook", "leverage"}) {
                add({d[kind]["largest"]["value"], d[kind]["largest"]["observation"]});
                for (const Json& o : d[kind]["above"]) add({o["observation"], o["value"]});
            }
            add({d["durbin_watson"], d["shapiro_wilk"]["w"]});
            probability(d["shapiro_wilk"]["probability"]);
        }
        if (a["action"] == "estimate") {
            for (const Json& v : a["values"]) add({v["value"]});
            add({a["predicted"], a["confidence"][0], a["confidence"][1], a["prediction"][0],
                 a["prediction"][1]});
        }
    }
    return out;
}

// Runs lumox-cli as text and as JSON: the same messages, and both succeed.
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

const std::vector<std::string> kLongley = {
    "longley.dat",
    "--reports",
    "equation,anova,correlation,residuals,intervals,diagnostics",
    "--level",
    "90",
    "--fit",
    "Employed = 1 + GNPDeflator + GNP + Unemployed + ArmedForces + Population + Year",
    "--estimate",
    "100,400000,3000,2500,120000,1960"};
// A transformed y, every report a simple fit offers, and a best-model search.
const std::vector<std::string> kSimple = {
    "lxtest.dat", "--reports",  "equation,anova,residuals,intervals,diagnostics",
    "--simple",   "Time",       "Growth",
    "best-r2",    "--estimate", "5"};

TEST(CliJson, EveryNumberRoundsToTheTextReport) {
    for (const auto& args :
         {std::vector<std::string>{"tab441.dat", "--describe", "Length"}, kSimple, kLongley}) {
        auto [text, json] = RunBoth(args);
        ExpectPrinted(text, InTextOrder(json, text));
    }
    // --format text is the default, byte for byte.
    EXPECT_EQ(RunCli({"--format", "text", "tab21.dat", "--describe", "Hours"}).out,
              RunCli({"tab21.dat", "--describe", "Hours"}).out);
}

TEST(CliJson, ShapeAndNames) {
    const Json longley = RunBoth(kLongley).second;
    EXPECT_EQ(longley["data"]["file"], "longley.dat");
    EXPECT_EQ(longley["data"]["observations"], 16);
    EXPECT_EQ(longley["data"]["variables"][1],
              Json::parse(R"({"name":"GNPDeflator","full_name":"GNPDeflator"})"));
    const Json& actions = longley["actions"];
    ASSERT_EQ(actions.size(), 4u);
    EXPECT_EQ(actions[1], Json::parse(R"({"action":"level","arguments":["90"]})"));
    EXPECT_EQ(actions[2]["action"], "fit");
    EXPECT_EQ(actions[2]["equation"]["coefficients"][6]["term"], "Year");
    EXPECT_EQ(actions[2]["correlation"]["variables"][0], "Employed");
    EXPECT_EQ(actions[2]["intervals"]["level"], 90.0);
    EXPECT_EQ(actions[3]["values"][1]["variable"], "GNP");

    const Json simple = RunBoth(kSimple).second;
    const Json& fit = simple["actions"][1];
    const int best = fit["search"]["best_r_square"];
    EXPECT_EQ(fit["model"]["index"], best);
    EXPECT_EQ(fit["model"]["form"], fit["search"]["models"][best]["form"]);
    EXPECT_EQ(fit["search"]["models"][best]["r_square"], fit["equation"]["r_square"]);
    EXPECT_FALSE(fit.contains("correlation"));  // not offered after a simple regression
    EXPECT_EQ(fit["diagnostics"]["dependent"], "log(Growth)");
    EXPECT_EQ(simple["actions"][2]["y_transformed"], true);

    // e^-GNP cannot be taken of Longley's GNP: that form has no values, not zeros.
    const Json longleyBest = RunBoth({"longley.dat", "--simple", "GNP", "Employed", "best-se"}).second;
    const Json& search = longleyBest["actions"][0]["search"];
    EXPECT_EQ(search["models"][11],
              Json::parse(R"j({"model":11,"form":"y = 1 / (a + be^(-x))","fitted":false,)j"
                          R"j("r_square":null,"standard_error":null})j"));
    EXPECT_EQ(search["models"][0]["fitted"], true);
}

TEST(CliJson, FaultsWriteNoDocument) {
    const CliResult unknown = RunCli({"--format", "xml", "tab21.dat"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err.substr(0, unknown.err.find('\n')),
              "lumox-cli: --format takes text or json");

    TempDir dir;
    const std::string output = dir.File("r.json");
    for (const bool toFile : {false, true}) {
        std::vector<std::string> args = {"--format", "json",       "tab21.dat", "--describe",
                                         "Hours",    "--describe", "Nope"};
        if (toFile) args.insert(args.end(), {"--output", output});
        const CliResult run = RunCli(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "lumox: No variable \"Nope\" in the data file.\n");
    }
    EXPECT_FALSE(std::filesystem::exists(output));

    // A name that is not UTF-8 is replaced in the document, never refused mid-write.
    const std::string latin = dir.Write("latin.dat", "Caf\xE9 Y\r\n1 2\r\n2 4\r\n3 5\r\n");
    const CliResult run =
        RunCli({"--format", "json", "--output", output, latin, "--describe", "Y"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Json::parse(ReadFile(output))["data"]["variables"][0]["name"], "Caf\xEF\xBF\xBD");
}

}  // namespace
}  // namespace lumox::test

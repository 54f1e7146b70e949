#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "document/lumox_doc.h"
#include "regression/regression_fit.h"
#include "regression/regression_helpers.h"
#include "support/accuracy.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::kOne;
using test::LogRelativeError;
using test::MakeModel;
using test::ScriptedPrompt;
using test::Var;

// A certified linear least-squares data set: its file, the x terms of its model after the
// constant, the certified coefficients, their standard deviations, the residual
// standard deviation and R square (quoted from the data sets' README, 15 digits), and the
// fewest correct digits this fit must keep for each kind of value: half a digit below
// what it reaches.
struct Floors {
    double b;
    double sd;
    double rsd;
    double r2;
};

struct Certified {
    const char* file;
    std::vector<Term> terms;
    std::vector<double> b;
    std::vector<double> sd;
    double rsd;
    double r2;
    Floors floors;
};

const std::vector<Term> kQuintic = {Var(1), Var(1, Transform::Power(2)),
                                    Var(1, Transform::Power(3)), Var(1, Transform::Power(4)),
                                    Var(1, Transform::Power(5))};
const std::vector<double> kZeros(6, 0.0);
const std::vector<double> kOnes(6, 1.0);

// clang-format off
std::vector<Certified> CertifiedSets() {
    return {
        {"Norris.dat", {Var(1)},
         {-0.262323073774029, 1.00211681802045},
         {0.232818234301152, 0.429796848199937E-03},
         0.884796396144373, 0.999993745883712, {13.6, 13.4, 13.5, 14.5}},
        {"Pontius.dat", {Var(1), Var(1, Transform::Power(2))},
         {0.673565789473684E-03, 0.732059160401003E-06, -0.316081871345029E-14},
         {0.107938612033077E-03, 0.157817399981659E-09, 0.486652849992036E-16},
         0.205177424076185E-03, 0.999999900178537, {13.0, 12.9, 12.9, 14.5}},
        {"Longley.dat", {Var(1), Var(2), Var(3), Var(4), Var(5), Var(6)},
         {-3482258.63459582, 15.0618722713733, -0.358191792925910E-01, -2.02022980381683,
          -1.03322686717359, -0.511041056535807E-01, 1829.15146461355},
         {890420.383607373, 84.9149257747669, 0.334910077722432E-01, 0.488399681651699,
          0.214274163161675, 0.226073200069370, 455.478499142212},
         304.854073561965, 0.995479004577296, {14.1, 12.3, 14.2, 14.5}},
        // A perfect fit: the certified deviations are 0, so their LRE is -log10|estimate|;
        // an exact fit reaches the cap of 15 digits.
        {"Wampler1.dat", kQuintic, kOnes, kZeros, 0.0, 1.0, {14.5, 14.5, 14.5, 14.5}},
        {"Wampler2.dat", kQuintic, {1, 0.1, 0.01, 0.001, 0.0001, 0.00001}, kZeros, 0.0, 1.0,
         {12.7, 14.5, 14.5, 14.5}},
        {"Wampler3.dat", kQuintic, kOnes,
         {2152.32624678170, 2363.55173469681, 779.343524331583, 101.475507550350,
          5.64566512170752, 0.112324854679312},
         2360.14502379268, 0.999995559025820, {14.5, 13.3, 14.3, 14.5}},
        {"Wampler4.dat", kQuintic, kOnes,
         {215232.624678170, 236355.173469681, 77934.3524331583, 10147.5507550350,
          564.566512170752, 11.2324854679312},
         236014.502379268, 0.957478440825662, {14.5, 13.3, 14.3, 14.5}},
        {"Wampler5.dat", kQuintic, kOnes,
         {21523262.4678170, 23635517.3469681, 7793435.24331583, 1014755.07550350,
          56456.6512170752, 1123.24854679312},
         23601450.2379268, 0.224668921574940E-02, {14.5, 13.3, 14.3, 13.3}},
    };
}
// clang-format on

TEST(CertifiedData, EveryValueKeepsItsDigits) {
    std::printf("%-14s %8s %8s %8s %8s\n", "data set", "min b", "min SD", "RSD", "R2");
    for (const Certified& set : CertifiedSets()) {
        ScriptedPrompt prompt;
        CLumoxDoc doc;
        const std::string path = std::string(LUMOX_SOURCE_DIR) + "/tests/data/reference/" + set.file;
        ASSERT_TRUE(doc.OnOpenDocument(path)) << path;
        std::vector<Term> entries = {Var(0), kOne};
        entries.insert(entries.end(), set.terms.begin(), set.terms.end());
        ASSERT_EQ(test::FitDocument(doc, MakeModel(entries)), 0) << set.file;
        const RegressionFit& fit = doc.Fit();
        ASSERT_EQ(fit.m_p, set.b.size());
        double minB = 15.0;
        double minSd = 15.0;
        for (uint32_t j = 0; j < fit.m_p; ++j) {
            minB = std::min(minB, LogRelativeError(fit.m_coefficients.At(j, 0), set.b[j]));
            minSd = std::min(minSd, LogRelativeError(fit.CoefficientSe(j), set.sd[j]));
        }
        const double rsd = LogRelativeError(fit.m_standardError, set.rsd);
        const double r2 = LogRelativeError(fit.m_rSquare, set.r2);
        std::printf("%-14s %8.1f %8.1f %8.1f %8.1f\n", set.file, minB, minSd, rsd, r2);
        EXPECT_GE(minB, set.floors.b) << set.file;
        EXPECT_GE(minSd, set.floors.sd) << set.file;
        EXPECT_GE(rsd, set.floors.rsd) << set.file;
        EXPECT_GE(r2, set.floors.r2) << set.file;
        for (const auto& message : prompt.messages)
            ADD_FAILURE() << set.file << ": " << message.text;
    }
}

}  // namespace
}  // namespace lumox

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"
#include "support/temp_dir.h"

namespace lumox::test {
namespace {

const std::string kUsage =
    "Usage: lumox-cli [OPTIONS] DATAFILE [ACTION ...]\n"
    "Try 'lumox-cli --help' for more information.\n";

TEST(Cli, RecordsInputDataByteForByte) {
    const CliResult run = RunCli({"tab21.dat", "--input-data"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Expected("tab21-input.txt"));
}

// Checked against python3: mean, variances and quartiles with the statistics module, the
// 95 % bound with the t quantile from mpmath (ours lies on the 2^-20 grid just below it).
TEST(Cli, DescribesAVariableNamedByNameOrByNumber) {
    const CliResult byName = RunCli({"tab441.dat", "--describe", "Length"});
    EXPECT_EQ(byName.status, 0);
    EXPECT_EQ(byName.err, "");
    EXPECT_EQ(byName.out, Expected("tab441-describe.txt"));
    const CliResult byNumber = RunCli({"tab441.dat", "--describe", "#1"});
    EXPECT_EQ(byNumber.out, byName.out);

    const CliResult unknown = RunCli({"tab441.dat", "--describe", "#3"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "lumox: No variable \"#3\" in the data file.\n");

    // The name the listings show (its first eight characters) finds a column when only
    // one shows it.
    const CliResult listed = RunCli({"longley.dat", "--describe", "Unemploy"});
    EXPECT_EQ(listed.out, RunCli({"longley.dat", "--describe", "Unemployed"}).out);
    TempDir dir;
    const std::string twins = dir.Write("twins.dat", "Pressure1 Pressure2\r\n1 2\r\n3 4\r\n");
    const CliResult ambiguous = RunCli({twins, "--describe", "Pressure"});
    EXPECT_EQ(ambiguous.status, 1);
    EXPECT_EQ(ambiguous.err,
              "lumox: \"Pressure\" is the listed name of more than one variable: name it in full.\n");
}

// The numbers of these reports are checked against independent values by the regression
// tests (Longley against its certified coefficients); here the whole run is compared.
TEST(Cli, FitsRecordsAndEstimatesLikeTheWindows) {
    const CliResult best =
        RunCli({"lxtest.dat", "--simple", "Time", "Growth", "best-r2", "--estimate", "5"});
    EXPECT_EQ(best.status, 0);
    EXPECT_EQ(best.out, Expected("lxtest-best-r2.txt"));
    // The information note of a transformed y goes to standard error like every message.
    EXPECT_EQ(best.err,
              "lumox: Predicted Y and Confidence/Prediction intervals  are shown in terms of "
              "original scale data.\n");

    const CliResult fit =
        RunCli({"longley.dat", "--reports", "equation,anova,correlation,residuals,intervals",
                "--level", "90", "--fit",
                "Employed = 1 + GNPDeflator + GNP + Unemployed + ArmedForces + Population + Year",
                "--estimate", "100,400000,3000,2500,120000,1960"});
    EXPECT_EQ(fit.status, 0);
    EXPECT_EQ(fit.err, "");
    EXPECT_EQ(fit.out, Expected("longley-fit.txt"));
}

// The numbers of both reports are checked against R by tests/regression/honest_fits_test;
// here the whole texts. The comparison leaves no fit behind: an estimate after it fails.
TEST(Cli, ComparesTheTwelveModelsAndDiagnosesAFit) {
    const CliResult compare = RunCli({"lxtest.dat", "--compare", "Time", "Growth"});
    EXPECT_EQ(compare.status, 0);
    EXPECT_EQ(compare.err, "");
    EXPECT_EQ(compare.out, Expected("lxtest-compare.txt"));

    const CliResult diagnosed =
        RunCli({"longley.dat", "--reports", "equation,diagnostics", "--fit",
                "Employed = 1 + GNPDeflator + GNP + Unemployed + ArmedForces + Population + Year"});
    EXPECT_EQ(diagnosed.status, 0);
    EXPECT_EQ(diagnosed.err, "");
    EXPECT_EQ(diagnosed.out, Expected("longley-diagnostics.txt"));

    const std::vector<std::pair<std::vector<std::string>, std::string>> faults = {
        {{"lxtest.dat", "--compare", "Time", "Time"},
         "lumox: Please select a variable for both X and Y!\n"},
        {{"lxtest.dat", "--compare", "Time", "Growth", "--estimate", "5"},
         "lumox: No equation has been fitted for a point estimate!\n"},
        {{"lxtest.dat", "--simple", "Time", "Growth", "0", "--scatter", "Time:Growth:bands"},
         "lumox: Cannot read the scatter graph \"Time:Growth:bands\": bands follow the fitted "
         "curve, as in X:Y:fit:bands.\n"},
        {{"tab411.dat", "--fit", "Yield = 1 + Temp + Flow", "--scatter", "Pressure:Yield:bands"},
         "lumox: Bands need a variable of the fitted equation as X and its dependent variable "
         "as Y!\n"},
        {{"lxtest.dat", "--reports", "equation,diagnostic", "--simple", "Time", "Growth", "0"},
         "lumox: Unknown report \"diagnostic\" in --reports.\n"},
    };
    for (const auto& [args, err] : faults) {
        const CliResult run = RunCli(args);
        EXPECT_EQ(run.status, 1) << err;
        EXPECT_EQ(run.err, err);
    }
}

TEST(Cli, RegressionFaultsStopTheRun) {
    TempDir dir;
    const std::string zero = dir.Write("zero.dat", "X Y\r\n1 2\r\n2 0\r\n3 5\r\n4 7\r\n");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"tab421.dat", "--estimate", "10"},
         "lumox: No equation has been fitted for a point estimate!\n"},
        {{"tab421.dat", "--fit", "Response = 1 + Dose + Dose"},
         "lumox: Equation has duplicate columns!\n"},
        {{"tab421.dat", "--fit", "Response = Dose"},
         "lumox: Cannot read the equation \"Response = Dose\": the first x term must be 1.\n"},
        {{"tab421.dat", "--simple", "Dose", "Response", "12"},
         "lumox: Unknown model \"12\": give 0 to 11, best-r2 or best-se.\n"},
        {{"tab421.dat", "--simple", "Dose", "Dose", "0"},
         "lumox: Please select a variable for both X and Y!\n"},
        {{"tab421.dat", "--fit", "Response = 1 + Dose", "--estimate", "1,2"},
         "lumox: Number of variables entered is incorrect!\n"},
        {{zero, "--simple", "X", "Y", "1"},
         "lumox: Calculation stopped. Look for a zero data value!\n"
         "lumox: Data not suitable for this transform!\n"},
    };
    for (const auto& [args, err] : cases) {
        const CliResult run = RunCli(args);
        EXPECT_EQ(run.status, 1) << err;
        EXPECT_EQ(run.err, err);
    }
    // A best-model search shows the messages of the models it cannot fit and goes on.
    const CliResult search =
        RunCli({zero, "--reports", "equation", "--simple", "X", "Y", "best-r2"});
    EXPECT_EQ(search.status, 0);
    EXPECT_NE(search.err.find("lumox: Data not suitable for this transform!\n"), std::string::npos);
    EXPECT_NE(search.out.find("REGRESSION EQUATION"), std::string::npos);
}

TEST(Cli, DrawsGraphPagesIntoImageFiles) {
    TempDir dir;
    const CliResult run = RunCli({"lxtest.dat",
                                  "--reports",
                                  "equation",
                                  "--simple",
                                  "Time",
                                  "Growth",
                                  "1",
                                  "--scatter",
                                  "Time:Growth:fit:trend",
                                  "--image",
                                  dir.File("one.png"),
                                  "--scatter",
                                  "Normal Z:Std. Residuals",
                                  "--scatter",
                                  "Time:Residuals",
                                  "--scatter",
                                  "Predicted Y:Growth",
                                  "--title",
                                  "Check",
                                  "--image",
                                  dir.File("four.svg"),
                                  "--histogram",
                                  "Growth:8:normal",
                                  "--image",
                                  dir.File("histogram.pdf")});
    EXPECT_EQ(run.status, 0);
    // Residuals of an equation that transformed y are shown on the original scale.
    EXPECT_EQ(run.err,
              "lumox: Y calculated and residuals are plotted in terms of original scale data.\n");
    EXPECT_EQ(ReadFile(dir.File("one.png")).substr(0, 8), "\x89PNG\r\n\x1a\n");
    const std::string svg = ReadFile(dir.File("four.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Check"), std::string::npos);
    EXPECT_NE(svg.find("Std. Residuals"), std::string::npos);
    EXPECT_EQ(ReadFile(dir.File("histogram.pdf")).substr(0, 5), "%PDF-");
    // Drawing records nothing: the Results hold the equation report alone.
    EXPECT_EQ(run.out.find("REGRESSION EQUATION"), 4u);
    EXPECT_EQ(run.out.find("ANALYSIS OF VARIANCE"), std::string::npos);
}

// lumox-cli has no graphics of its own: it runs lumox-cli-graphics beside it for --image,
// with the same standard input, and says so when that program is missing.
TEST(Cli, PicturesAreDrawnByTheGraphicsProgram) {
    TempDir dir;
    const std::string data = ReadFile(std::string(LUMOX_SOURCE_DIR) + "/examples/tab21.dat");
    const std::string input = dir.Write("input.dat", data);
    const CliResult piped = RunCli(
        {"-", "--describe", "Score", "--scatter", "Hours:Score", "--image", dir.File("piped.svg")},
        input);
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_NE(ReadFile(dir.File("piped.svg")).find("Hours"), std::string::npos);
    EXPECT_EQ(piped.out, RunCli({"tab21.dat", "--describe", "Score"}).out);

    const std::string alone = dir.File("lumox-cli");
    std::filesystem::copy_file(LUMOX_CLI, alone);
    const CliResult missing = RunCliProgram(
        alone, {"tab21.dat", "--scatter", "Hours:Score", "--image", dir.File("x.png")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "lumox: Graph: cannot start lumox-cli-graphics, which draws the --image pictures: "
              "No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.png")));
    // Without pictures the copy runs alone.
    EXPECT_EQ(RunCliProgram(alone, {"tab21.dat", "--describe", "Score"}).status, 0);
}

TEST(Cli, GraphFaultsStopTheRun) {
    TempDir dir;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"lxtest.dat", "--image", dir.File("x.png")}, "Graph: Data to plot incomplete!"},
        {{"lxtest.dat", "--scatter", "Time:Growth", "--image", dir.File("x.bmp")},
         "Graph: " + dir.File("x.bmp") + " is not a .png, .svg or .pdf file!"},
        {{"lxtest.dat", "--scatter", "Time:Growth:fit"},
         "A fitted curve needs the variable of the fitted equation as X and its dependent "
         "variable as Y!"},
        {{"lxtest.dat", "--scatter", "Time:Residuals"},
         "\"Residuals\" needs a fitted equation: fit one first."},
        {{"lxtest.dat", "--scatter", "Time"},
         "Cannot read the scatter graph \"Time\": write X:Y[:fit][:trend]."},
        {{"lxtest.dat", "--histogram", "Time:7"},
         "Cannot read the histogram \"Time:7\": classes are 2, 4, 6, 8, 10, 12, 15, 20 or 24; "
         "the kind relative or cumulative; and normal."},
    };
    for (const auto& [args, message] : cases) {
        const CliResult run = RunCli(args);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_EQ(run.err, "lumox: " + message + "\n");
    }
    // A graph that cannot be scaled is left blank in the written page, and the run fails.
    const std::string negative = dir.Write("negative.dat", "A B\r\n-2 1\r\n-2 2\r\n-2 3\r\n");
    const CliResult blank =
        RunCli({negative, "--histogram", "A", "--image", dir.File("blank.png")});
    EXPECT_EQ(blank.status, 1);
    EXPECT_EQ(blank.err, "lumox: Graph: Failed to scale data!\n");
    EXPECT_EQ(ReadFile(dir.File("blank.png")).substr(1, 3), "PNG");
}

TEST(Cli, UsageErrorsExitWithTwo) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no data file given"},
        {{"tab21.dat", "--describe"}, "--describe needs a value"},
        {{"tab21.dat", "--simple", "Hours", "Score"}, "--simple needs 3 values"},
        {{"tab21.dat", "--frobnicate"}, "unknown option --frobnicate"},
        {{"tab21.dat", "tab411.dat"}, "unexpected argument tab411.dat"},
        {{"tab21.dat", "--grid", "maybe"}, "--grid takes on or off"},
        {{"tab21.dat", "--xintervals", "11"}, "--xintervals takes a whole number from 2 to 10"},
        {{"tab21.dat", "--points", "huge"}, "--points takes small or large"},
        {{"tab21.dat", "--title", std::string(31, 't')}, "--title takes at most 30 characters"},
        {{"tab21.dat", "--sheet", "Sheet1"},
         "--sheet is for a spreadsheet (.xlsx or .ods); tab21.dat is none"},
        {{"tab21.dat", "--simple", "Hours", "Score", "0", "--reports", "anova"},
         "--reports has no effect after the last --fit or --simple; put it before them"},
        // Characters are counted, not bytes: 29 letters and two accented ones are 31.
        {{"tab21.dat", "--title", std::string(29, 't') + "\xC3\xA9\xC3\xA9"},
         "--title takes at most 30 characters"},
    };
    for (const auto& [args, error] : cases) {
        const CliResult run = RunCli(args);
        EXPECT_EQ(run.status, 2) << error;
        EXPECT_EQ(run.out, "") << error;
        EXPECT_EQ(run.err, "lumox-cli: " + error + "\n" + kUsage);
    }
    // Thirty characters, two of them two bytes long, are as many as the window's title takes.
    const CliResult accented = RunCli(
        {"tab21.dat", "--title", std::string(28, 't') + "\xC3\xA9\xC3\xA9", "--describe", "Hours"});
    EXPECT_EQ(accented.status, 0) << accented.err;
    const CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: lumox-cli [OPTIONS] DATAFILE [ACTION ...]\n", 0), 0u);
}

TEST(Cli, FileFaultsAreMessagesOnStandardErrorAndExitOne) {
    TempDir dir;
    const std::string numeric = dir.Write("numeric.dat", "1 2\r\n3 4\r\n5 6\r\n");
    const std::string shortFile = dir.Write("short.dat", "X Y\r\n1 2\r\n");

    CliResult run = RunCli({dir.File("missing.dat")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "lumox: Data File: cannot open " + dir.File("missing.dat") + "!\n");

    run = RunCli({shortFile, "--input-data"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "lumox: Not enough data for calculation or graphing!\n");

    // Without --yes the all-numeric header is refused; with it the names are kept.
    const std::string question =
        "lumox: Data File: column names in the first row are all numeric! Is this correct?\n";
    run = RunCli({numeric, "--input-data"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, question);
    run = RunCli({numeric, "--yes", "--input-data"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, question);
    EXPECT_EQ(run.out, "\r\n\r\nINPUT DATA\r\n\r\n1  2  \r\n3  4\r\n5  6\r\n");
}

TEST(Cli, AFailedActionStopsTheRunButKeepsWhatWasRecorded) {
    const CliResult run = RunCli({"tab21.dat", "--input-data", "--level", "100", "--input-data"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, Expected("tab21-input.txt"));
    EXPECT_EQ(run.err, "lumox: --level \"100\": Maximum value is:99.99\n");

    const CliResult low = RunCli({"tab21.dat", "--level", "4"});
    EXPECT_EQ(low.status, 1);
    EXPECT_EQ(low.err, "lumox: --level \"4\": Minimum value is:50.00\n");

    const CliResult empty = RunCli({"tab21.dat", "--level", ""});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "lumox: --level \"\": Please enter data...\n");

    const CliResult reports =
        RunCli({"tab21.dat", "--reports", "equation,pictures", "--simple", "Hours", "Score", "0"});
    EXPECT_EQ(reports.status, 1);
    EXPECT_EQ(reports.err, "lumox: Unknown report \"pictures\" in --reports.\n");
}

// A dBase table opens by its extension (a table made by other software; its deleted
// record is dropped), and a table with a character field is refused.
TEST(Cli, OpensDbaseTablesByTheirExtension) {
    const std::string files = std::string(LUMOX_SOURCE_DIR) + "/tests/data/files/";
    const CliResult run = RunCli({files + "deleted.dbf", "--input-data"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "\r\n\r\nINPUT DATA\r\n\r\nX   Y      Weight   \r\n1   2.25   10\r\n"
              "-7  0.125  1000000\r\n42  12.5   0\r\n");
    const CliResult refused = RunCli({files + "labelled.dbf", "--input-data"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "lumox: Data File: detected a non-numeric dBase field!\n");
}

TEST(Cli, TheResultsWindowLimitDoesNotApply) {
    TempDir dir;
    std::string file = "A B C\r\n";
    for (int i = 0; i < 3000; ++i) file += "123.456 789.012 345.678\r\n";
    const CliResult run = RunCli({dir.Write("big.dat", file), "--input-data", "--input-data"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");  // no "Report too large for results!" question
    EXPECT_GT(run.out.size(), 2 * 52000u);
}

TEST(Cli, WritesTheResultsToAnOutputFile) {
    TempDir dir;
    const CliResult run = RunCli({"--output", dir.File("r.txt"), "tab21.dat", "--input-data"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(dir.File("r.txt")), Expected("tab21-input.txt"));
}

}  // namespace
}  // namespace lumox::test

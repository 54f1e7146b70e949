#include <gtest/gtest.h>

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
    };
    for (const auto& [args, error] : cases) {
        const CliResult run = RunCli(args);
        EXPECT_EQ(run.status, 2) << error;
        EXPECT_EQ(run.out, "") << error;
        EXPECT_EQ(run.err, "lumox-cli: " + error + "\n" + kUsage);
    }
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
    EXPECT_EQ(run.err, "lumox: Maximum value is:99.99\n");

    const CliResult low = RunCli({"tab21.dat", "--level", "4"});
    EXPECT_EQ(low.status, 1);
    EXPECT_EQ(low.err, "lumox: Minimum value is:50.00\n");

    const CliResult reports = RunCli({"tab21.dat", "--reports", "equation,pictures"});
    EXPECT_EQ(reports.status, 1);
    EXPECT_EQ(reports.err, "lumox: Unknown report \"pictures\" in --reports.\n");
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

// Spreadsheets written by other programs' libraries (make_sheets.py, run at test time)
// read as the same data's text file does.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli_run.h"
#include "support/temp_dir.h"

namespace lumox::test {
namespace {

class SheetFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new TempDir;
        const std::string command = std::string(LUMOX_SYSTEM_PYTHON) +
                                    " " LUMOX_CLI_TESTS "/make_sheets.py " + folder_->Path();
        const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
        char line[256];
        while (pipe && std::fgets(line, sizeof line, pipe.get()) != nullptr) missing_ += line;
    }
    static void TearDownTestSuite() { delete folder_; }

    // The book's path; empty, with the reason kept for the skip, when it was not written.
    std::string Book(const std::string& name) {
        const std::string path = folder_->File(name);
        if (std::filesystem::exists(path)) return path;
        skipped_ += name + " (python3 module missing: " + missing_ + ") ";
        return {};
    }

    static TempDir* folder_;
    static std::string missing_;
    std::string skipped_;
};

TempDir* SheetFiles::folder_ = nullptr;
std::string SheetFiles::missing_;

TEST_F(SheetFiles, ReadAsTheSameDataAsTheTextFile) {
    TempDir dir;
    const std::string text = dir.Write("doses.dat",
                                       "Dose Response Weight\r\n0.5 1.25 10\r\n2 -0.03 1000000\r\n"
                                       "4 4 4\r\n4 4 4\r\n12.75 1e-05 -7\r\n");
    const CliResult expected = RunCli({text, "--input-data"});
    ASSERT_EQ(expected.status, 0);
    const std::vector<std::vector<std::string>> cases = {
        {"openpyxl.xlsx"}, {"openpyxl.xlsx", "--sheet", "Doses"}, {"xlsxwriter.xlsx"}, {"odf.ods"}};
    for (std::vector<std::string> args : cases) {
        args[0] = Book(args[0]);
        if (args[0].empty()) continue;
        args.push_back("--input-data");
        const CliResult run = RunCli(args);
        EXPECT_EQ(run.status, 0) << args[0];
        EXPECT_EQ(run.err, "") << args[0];
        EXPECT_EQ(run.out, expected.out) << args[0];
    }
    if (!skipped_.empty()) GTEST_SKIP() << skipped_;
}

TEST_F(SheetFiles, SheetsWithGapsTextOrStrayValuesAndUnknownSheets) {
    const std::string book = Book("openpyxl.xlsx");
    if (book.empty()) GTEST_SKIP() << skipped_;
    TempDir dir;
    const CliResult complete =
        RunCli({dir.Write("gaps.dat", "x y\r\n1 2\r\n3 4\r\n6 8\r\n"), "--input-data"});
    struct Case {
        std::string sheet;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"Gaps", 0, complete.out, "lumox: 3 rows with missing values left out: 3, 5, 7\n"},
        {"Text", 1, "", "lumox: Data File: Text!B3 is not a number!\n"},
        {"Wide", 1, "", "lumox: Data File: Wide!D3 lies beyond the last named column!\n"},
        {"doses", 1, "",
         "lumox: Data File: openpyxl.xlsx has no sheet \"doses\"; its sheets are \"Doses\", "
         "\"Gaps\", \"Text\", \"Wide\"!\n"},
    };
    for (const Case& c : cases) {
        const CliResult run = RunCli({book, "--sheet", c.sheet, "--input-data"});
        EXPECT_EQ(run.status, c.status) << c.sheet;
        EXPECT_EQ(run.out, c.out) << c.sheet;
        EXPECT_EQ(run.err, c.err) << c.sheet;
    }
    // A script reading the JSON learns which sheet it holds.
    const CliResult json = RunCli({book, "--sheet", "Gaps", "--format", "json", "--input-data"});
    EXPECT_NE(json.out.find("\"sheet\": \"Gaps\""), std::string::npos) << json.out;
}

}  // namespace
}  // namespace lumox::test

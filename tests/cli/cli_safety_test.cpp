#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "cli_run.h"
#include "support/temp_dir.h"

namespace lumox::test {
namespace {
namespace fs = std::filesystem;

const std::string kExamples = std::string(LUMOX_SOURCE_DIR) + "/examples/";

// What stands at --output before a run is never damaged by it.
TEST(CliSafety, AFailedRunNeverReplacesAnExistingOutput) {
    TempDir dir;
    const std::string old = dir.Write("old.txt", "old");
    CliResult run = RunCli({"tab21.dat", "--describe", "Nope", "--output", old});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "lumox: No variable \"Nope\" in the data file.\nlumox: " + old +
                           " left unchanged: the run did not complete.\n");
    EXPECT_EQ(ReadFile(old), "old");

    // The data file itself, directly or through a link, is refused before anything runs.
    const std::string data = ReadFile(kExamples + "tab21.dat");
    const std::string input = dir.Write("s.dat", data);
    fs::create_symlink("s.dat", dir.File("link.dat"));
    for (const std::string& output : {input, dir.File("link.dat")}) {
        run = RunCli({input, "--describe", "Hours", "--output", output});
        EXPECT_EQ(run.status, 2) << output;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
                  "lumox-cli: --output names the data file " + input)
            << output;
        EXPECT_EQ(ReadFile(input), data) << output;
    }

    // A new file still gets what was recorded before the failing action.
    run = RunCli(
        {"tab21.dat", "--input-data", "--describe", "Nope", "--output", dir.File("new.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ReadFile(dir.File("new.txt")), Expected("tab21-input.txt"));
}

TEST(CliSafety, OutputGoesThroughLinksKeepsModesAndRespectsReadOnlyFiles) {
    TempDir dir;
    const std::string target = dir.Write("target.txt", "old");
    ::chmod(target.c_str(), 0600);
    fs::create_symlink("target.txt", dir.File("link.txt"));
    CliResult run = RunCli({"tab21.dat", "--input-data", "--output", dir.File("link.txt")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(fs::is_symlink(dir.File("link.txt")));
    EXPECT_EQ(ReadFile(target), Expected("tab21-input.txt"));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const std::string locked = dir.Write("locked.txt", "keep");
    ::chmod(locked.c_str(), 0444);
    run = RunCli({"tab21.dat", "--input-data", "--output", locked});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "lumox: Could not save Results to file! " + locked + ": the file is read-only\n");
    EXPECT_EQ(ReadFile(locked), "keep");

    run = RunCli({"tab21.dat", "--input-data", "--output", dir.File("none/r.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "lumox: Could not save Results to file! " + dir.File("none/r.txt") +
                           ": No such file or directory\n");
}

TEST(CliSafety, AStandardOutputThatCannotBeWrittenIsAFailure) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"tab21.dat", "--describe", "Hours"},
          {"--help"},
          {"--version"}}) {
        const CliResult run = RunCli(args, "/dev/null", "/dev/full");
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_EQ(run.err, "lumox: Could not write to standard output: No space left on device\n");
    }
}

TEST(CliSafety, EstimateAndLevelValuesAreCheckedWhole) {
    struct Case {
        std::string option;
        std::string value;
        std::string message;  // empty: accepted
    };
    const std::string decimals6 = "not a number with at most 6 decimals";
    const std::string decimals2 = "not a number with at most 2 decimals";
    const std::vector<Case> cases = {
        {"--estimate", "abc", "--estimate value 1 \"abc\": " + decimals6},
        {"--estimate", "nan", "--estimate value 1 \"nan\": " + decimals6},
        {"--estimate", "0x10", "--estimate value 1 \"0x10\": " + decimals6},
        {"--estimate", "5abc", "--estimate value 1 \"5abc\": " + decimals6},
        {"--estimate", "-", "--estimate value 1 \"-\": " + decimals6},
        {"--estimate", ".", "--estimate value 1 \".\": " + decimals6},
        {"--estimate", "1e", "--estimate value 1 \"1e\": " + decimals6},
        {"--estimate", "1e+", "--estimate value 1 \"1e+\": " + decimals6},
        {"--estimate", "1.1234567", "--estimate value 1 \"1.1234567\": " + decimals6},
        {"--estimate", "", "--estimate value 1 \"\": Please enter data..."},
        {"--estimate", " 5", "--estimate value 1 \" 5\": " + decimals6},
        {"--estimate", "1e400", "--estimate value 1 \"1e400\": Maximum value is:1e+20"},
        {"--estimate", "-2e20", "--estimate value 1 \"-2e20\": Minimum value is:-1e+20"},
        {"--estimate", "12345678901234567",
         "--estimate value 1 \"12345678901234567\": Too many characters..."},
        {"--estimate", "5.5", ""},
        {"--estimate", "55e-1", ""},
        {"--estimate", "-3.", ""},
        {"--level", "95x", "--level \"95x\": " + decimals2},
        {"--level", "abc", "--level \"abc\": " + decimals2},
        {"--level", "95.555", "--level \"95.555\": " + decimals2},
        {"--level", "9e1", "--level \"9e1\": " + decimals2},
        {"--level", "-", "--level \"-\": " + decimals2},
        {"--level", "49.99", "--level \"49.99\": Minimum value is:50.00"},
        {"--level", "90", ""},
        {"--level", "99.99", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option + " " + c.value);
        std::vector<std::string> args = {"tab21.dat", "--simple", "Hours", "Score", "0"};
        if (c.option == "--level") {
            args.insert(args.begin() + 1, {"--level", c.value});
            args.insert(args.end(), {"--estimate", "5"});
        } else {
            args.insert(args.end(), {"--estimate", c.value});
        }
        const CliResult run = RunCli(args);
        EXPECT_EQ(run.status, c.message.empty() ? 0 : 1);
        EXPECT_EQ(run.err, c.message.empty() ? "" : "lumox: " + c.message + "\n");
    }
    // Every value of a list is checked; an empty one is not skipped.
    const CliResult list =
        RunCli({"longley.dat", "--fit", "Employed = 1 + GNP + Year", "--estimate", "400000,,1960"});
    EXPECT_EQ(list.status, 1);
    EXPECT_EQ(list.err, "lumox: --estimate value 2 \"\": Please enter data...\n");
}

TEST(CliSafety, VariablesByExactNameThenNumberThenFullHeaderName) {
    TempDir dir;
    const std::string hashes =
        dir.Write("hash.dat", "#2 Y Z\r\n1 10 100\r\n2 20 200\r\n3 31 300\r\n");
    const std::string longName =
        dir.Write("long.dat", "TemperatureInKelvin Y\r\n1 10\r\n2 20\r\n3 31\r\n");
    struct Case {
        std::string file;
        std::string name;
        std::string sameAs;  // another name of the same variable
    };
    const std::vector<Case> cases = {
        {hashes, "#2", "#1"},
        {hashes, "Z", "#3"},
        {longName, "TemperatureInKelvin", "TemperatureInKel"},
        {longName, "TemperatureInKel", "#1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliResult named = RunCli({c.file, "--describe", c.name});
        const CliResult other = RunCli({c.file, "--describe", c.sameAs});
        EXPECT_EQ(named.status, 0);
        EXPECT_EQ(named.err, "");
        EXPECT_EQ(named.out, other.out);
        EXPECT_NE(named.out, "");
    }
    const CliResult unknown = RunCli({longName, "--describe", "TemperatureInKelvinX"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "lumox: No variable \"TemperatureInKelvinX\" in the data file.\n");
}

TEST(CliSafety, DataFromStandardInputOrAFifo) {
    const CliResult fromFile = RunCli({"tab21.dat", "--describe", "Hours"});
    ASSERT_EQ(fromFile.status, 0);

    const CliResult dash = RunCli({"-", "--describe", "Hours"}, kExamples + "tab21.dat");
    EXPECT_EQ(dash.status, 0);
    EXPECT_EQ(dash.err, "");
    EXPECT_EQ(dash.out, fromFile.out);

    TempDir dir;
    const std::string fifo = dir.File("data.pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        const std::string bytes = ReadFile(kExamples + "tab21.dat");
        FILE* out = std::fopen(fifo.c_str(), "wb");
        if (out == nullptr) return;
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    });
    const CliResult piped = RunCli({fifo, "--describe", "Hours"});
    writer.join();
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.err, "");
    EXPECT_EQ(piped.out, fromFile.out);

    const CliResult empty = RunCli({"-", "--describe", "Hours"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "lumox: No variable \"Hours\" in the data file.\n");
}

// Input larger than any data file is refused, not read until memory runs out: an endless
// device after the bound, a regular file by its size before it is read.
TEST(CliSafety, InputLargerThanAnyDataFileIsRefused) {
    TempDir dir;
    const std::string big = dir.Write("big.dat", "X Y\r\n");
    fs::resize_file(big, 300u << 20);  // sparse: no disk is used
    for (const std::string& path : {std::string("/dev/zero"), big}) {
        const CliResult run = RunCli({path, "--describe", "#1"});
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_EQ(run.err, "lumox: Data File: " + path + " is larger than any data file can be!\n");
        EXPECT_EQ(run.out, "") << path;
    }
}

// Pictures need no display, whatever platform the desktop's environment names.
TEST(CliSafety, PicturesWithAnInheritedPlatformAndNoDisplay) {
    TempDir dir;
    struct Environment {
        Environment() {
            ::setenv("QT_QPA_PLATFORM", "xcb", 1);
            ::unsetenv("DISPLAY");
        }
        ~Environment() { ::setenv("QT_QPA_PLATFORM", "offscreen", 1); }
    } desktop;
    const CliResult run = RunCli({"tab21.dat", "--describe", "Hours", "--scatter", "Hours:Score",
                                  "--image", dir.File("x.svg"), "--output", dir.File("r.txt")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(ReadFile(dir.File("x.svg")).find("<svg"), std::string::npos);
    EXPECT_NE(ReadFile(dir.File("r.txt")).find("DESCRIPTIVE STATISTICS"), std::string::npos);
}

}  // namespace
}  // namespace lumox::test

#ifndef LUMOX_TESTS_CLI_CLI_RUN_H
#define LUMOX_TESTS_CLI_CLI_RUN_H

#include <string>
#include <vector>

namespace lumox::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs lumox-cli with args in the folder of the example data and captures what it writes;
// standard input is read from stdinPath, standard output goes to stdoutPath when given
// (out then stays empty).
CliResult RunCli(const std::vector<std::string>& args, const std::string& stdinPath = "/dev/null",
                 const std::string& stdoutPath = "");
// The same with another copy of the program.
CliResult RunCliProgram(const std::string& program, const std::vector<std::string>& args,
                        const std::string& stdinPath = "/dev/null",
                        const std::string& stdoutPath = "");

// The bytes of tests/cli/expected/<name>.
std::string Expected(const std::string& name);

}  // namespace lumox::test

#endif

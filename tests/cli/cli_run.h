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

// Runs lumox-cli with args in the folder of the example data and captures what it writes.
CliResult RunCli(const std::vector<std::string>& args);

// The bytes of tests/cli/expected/<name>.
std::string Expected(const std::string& name);

}  // namespace lumox::test

#endif

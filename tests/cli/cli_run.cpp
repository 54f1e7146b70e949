#include "cli_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

extern char** environ;

namespace lumox::test {

CliResult RunCli(const std::vector<std::string>& args, const std::string& stdinPath,
                 const std::string& stdoutPath) {
    return RunCliProgram(LUMOX_CLI, args, stdinPath, stdoutPath);
}

CliResult RunCliProgram(const std::string& program, const std::vector<std::string>& args,
                        const std::string& stdinPath, const std::string& stdoutPath) {
    TempDir dir;
    const std::string outPath = stdoutPath.empty() ? dir.File("out") : stdoutPath;
    const std::string errPath = dir.File("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, stdinPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    const std::string examples = std::string(LUMOX_SOURCE_DIR) + "/examples";
    posix_spawn_file_actions_addchdir_np(&actions, examples.c_str());

    std::vector<std::string> argv0 = {program};
    argv0.insert(argv0.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argv0) argv.push_back(arg.data());
    argv.push_back(nullptr);

    CliResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    if (stdoutPath.empty()) result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    return result;
}

std::string Expected(const std::string& name) {
    return ReadFile(std::string(LUMOX_CLI_TESTS) + "/expected/" + name);
}

}  // namespace lumox::test

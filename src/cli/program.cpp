#include "cli/program.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/cli_options.h"
#include "cli/heap.h"
#include "platform/atomic_file.h"
#include "platform/block_pipeline.h"
#include "platform/prompt.h"
#include "platform/version.h"

namespace lumox::cli {
namespace {

// Writes to standard output and makes sure it arrived: a full disk or a closed pipe is a
// failure, with a message.
bool WriteStandardOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    const int error = errno;
    ShowMessage(std::string("Could not write to standard output: ") + std::strerror(error),
                Icon::Stop);
    return false;
}

bool DrawsPictures(const Options& options) {
    return std::any_of(options.actions.begin(), options.actions.end(),
                       [](const Action& action) { return action.kind == Action::Kind::Image; });
}

// Runs the program with graphics on the same command line, in place of this one; returns
// only when it cannot, after a message. It lies beside this program (the build folder, a
// distribution folder) or, installed, in the program library folder.
int RunGraphicsProgram(char** argv) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = self.parent_path();
    const std::filesystem::path candidates[] = {
        folder / kGraphicsProgram,
        folder / LUMOX_CLI_GRAPHICS_RELATIVE_DIR / kGraphicsProgram,
    };
    int reason = ENOENT;
    for (const std::filesystem::path& program : candidates) {
        if (error || ::access(program.c_str(), X_OK) != 0) continue;
        std::fflush(nullptr);
        ::execv(program.c_str(), argv);
        reason = errno;
    }
    ShowMessage(std::string("Graph: cannot start ") + kGraphicsProgram +
                    ", which draws the --image pictures: " + std::strerror(reason),
                Icon::Stop);
    return 1;
}

// Whether both paths name one existing file (after links).
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

int RunProgram(int argc, char** argv, const Graphics* graphics) {
    std::setlocale(LC_ALL, "C");
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    std::optional<Options> options = ParseOptions(args, error);
    // The report written over the data file, directly or through a link, would lose the data.
    if (options && options->output && SameFile(*options->output, options->dataFile)) {
        error = "--output names the data file " + options->dataFile;
        options.reset();
    }
    if (!options) {
        std::fprintf(stderr,
                     "lumox-cli: %s\nUsage: lumox-cli [OPTIONS] DATAFILE [ACTION ...]\n"
                     "Try 'lumox-cli --help' for more information.\n",
                     error.c_str());
        return 2;
    }
    if (options->help) {
        return WriteStandardOutput(UsageText()) ? 0 : 1;
    }
    if (options->version) {
        return WriteStandardOutput("lumox-cli " LUMOX_VERSION "\n") ? 0 : 1;
    }

    StderrPrompt prompt(options->yes);
    ScopedPrompt installed(prompt);
    if (graphics == nullptr && DrawsPictures(*options)) return RunGraphicsProgram(argv);
    if (graphics == nullptr) {
        std::error_code unknown;
        const uintmax_t bytes = std::filesystem::file_size(options->dataFile, unknown);
        PrepareHeap(unknown ? 0 : bytes);
    }
    Session session(*options, graphics != nullptr ? graphics->write : nullptr);
    const bool completed = session.Run();
    if (graphics != nullptr) graphics->close();
    // No more computing: the helper thread ends while the results are written.
    ReleaseHelper();

    // What was recorded is written even when an action stopped the run, except over an
    // existing file: a failed run never replaces what stands at --output. A JSON document
    // stands for the whole run, so a failed run writes none: no script takes part of the
    // results for all of them.
    if (options->output) {
        struct stat existing {};
        if (!completed && ::stat(options->output->c_str(), &existing) == 0) {
            ShowMessage(options->output->c_str() +
                            std::string(" left unchanged: the run did not complete."),
                        Icon::Information);
            return 1;
        }
    }
    if (!completed && options->format == OutputFormat::Json) return 1;
    const std::string& text = session.Output();
    if (options->output) {
        std::string failure;
        if (!WriteFileAtomically(*options->output, text, &failure)) {
            ShowMessage("Could not save Results to file!\n" + failure, Icon::Stop);
            return 1;
        }
    } else if (!WriteStandardOutput(text)) {
        return 1;
    }
    return completed ? 0 : 1;
}

}  // namespace lumox::cli

// lumox-cli: the batch front end. Runs the actions of its command line on one data file
// with the same engine and recording as the program, and writes the Results text.
#include <sys/stat.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/image_output.h"
#include "cli/session.h"
#include "platform/atomic_file.h"
#include "platform/prompt.h"
#include "platform/version.h"

namespace {

// Writes to standard output and makes sure it arrived: a full disk or a closed pipe is a
// failure, with a message.
bool WriteStandardOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    const int error = errno;
    lumox::ShowMessage(std::string("Could not write to standard output: ") + std::strerror(error),
                       lumox::Icon::Stop);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<lumox::cli::Options> options = lumox::cli::ParseOptions(args, error);
    if (!options) {
        std::fprintf(stderr,
                     "lumox-cli: %s\nUsage: lumox-cli [OPTIONS] DATAFILE [ACTION ...]\n"
                     "Try 'lumox-cli --help' for more information.\n",
                     error.c_str());
        return 2;
    }
    if (options->help) {
        return WriteStandardOutput(lumox::cli::UsageText()) ? 0 : 1;
    }
    if (options->version) {
        return WriteStandardOutput("lumox-cli " LUMOX_VERSION "\n") ? 0 : 1;
    }

    lumox::StderrPrompt prompt(options->yes);
    lumox::ScopedPrompt installed(prompt);
    lumox::cli::Session session(*options);
    const bool completed = session.Run();
    lumox::cli::CloseGraphics();

    // What was recorded is written even when an action stopped the run, except over an
    // existing file: a failed run never replaces what stands at --output.
    const std::string& text = session.ResultsText();
    if (options->output) {
        struct stat existing {};
        if (!completed && ::stat(options->output->c_str(), &existing) == 0) {
            lumox::ShowMessage(options->output->c_str() +
                                   std::string(" left unchanged: the run did not complete."),
                               lumox::Icon::Information);
            return 1;
        }
        std::string failure;
        if (!lumox::WriteFileAtomically(*options->output, text, &failure)) {
            lumox::ShowMessage("Could not save Results to file!\n" + failure, lumox::Icon::Stop);
            return 1;
        }
    } else if (!WriteStandardOutput(text)) {
        return 1;
    }
    return completed ? 0 : 1;
}

// lumox-cli: the batch front end. Runs the actions of its command line on one data file
// with the same engine and recording as the program, and writes the Results text.
#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/image_output.h"
#include "cli/session.h"
#include "platform/atomic_file.h"
#include "platform/prompt.h"
#include "platform/version.h"

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
        std::fputs(lumox::cli::UsageText(), stdout);
        return 0;
    }
    if (options->version) {
        std::puts("lumox-cli " LUMOX_VERSION);
        return 0;
    }

    lumox::StderrPrompt prompt(options->yes);
    lumox::ScopedPrompt installed(prompt);
    lumox::cli::Session session(*options);
    const bool completed = session.Run();
    lumox::cli::CloseGraphics();

    // What was recorded is written even when an action stopped the run.
    const std::string& text = session.ResultsText();
    if (options->output) {
        const bool written = lumox::WriteFileAtomically(*options->output, text);
        if (!written) {
            lumox::ShowMessage("Could not save Results to file!", lumox::Icon::Stop);
            return 1;
        }
    } else {
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return completed ? 0 : 1;
}

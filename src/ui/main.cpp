// lumox: the equation-fitting program.
#include <cstdio>
#include <string_view>

#include "platform/version.h"
#include "ui/program.h"

namespace {

constexpr char kUsage[] =
    "Usage: lumox [DATAFILE]\n"
    "\n"
    "Starts Lumox, the equation-fitting program; a DATAFILE given is opened at start\n"
    "(text, or dBase by the .dbf extension). The options of the Qt toolkit (-platform,\n"
    "-display ...) are accepted too.\n"
    "\n"
    "Options:\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::puts("lumox " LUMOX_VERSION);
            return 0;
        }
    }
    return lumox::RunProgram(argc, argv);
}

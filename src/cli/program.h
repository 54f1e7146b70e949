#ifndef LUMOX_CLI_PROGRAM_H
#define LUMOX_CLI_PROGRAM_H

#include "cli/session.h"

namespace lumox::cli {

// The graph pictures of --image. Drawing them loads Qt, which costs a plain run more time
// than its whole computation; so lumox-cli itself has no graphics and passes a command
// line with --image on to its sibling program lumox-cli-graphics, which has.
struct Graphics {
    GraphImageWriter write;
    void (*close)();
};

// The name of the program with graphics, installed beside lumox-cli or in the program
// library folder.
constexpr const char* kGraphicsProgram = "lumox-cli-graphics";

// Runs lumox-cli on its command line; graphics is null in the program without them. The
// exit status: 0 done, 1 an action or a write failed, 2 a usage error.
int RunProgram(int argc, char** argv, const Graphics* graphics);

}  // namespace lumox::cli

#endif

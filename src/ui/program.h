#ifndef LUMOX_UI_PROGRAM_H
#define LUMOX_UI_PROGRAM_H

#include <functional>

namespace lumox {

class CLumoxApp;

// Runs the program: the application, its main window, the data file named on the command
// line, then the event loop. started, when given, runs once the program has started (the
// start-up benchmark measures from outside through it). Returns the exit status.
int RunProgram(int argc, char* argv[], const std::function<void(CLumoxApp&)>& started = {});

}  // namespace lumox

#endif

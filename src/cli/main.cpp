// lumox-cli: the batch front end. Runs the actions of its command line on one data file
// with the same engine and recording as the program, and writes the Results text.
#include "cli/program.h"

int main(int argc, char** argv) { return lumox::cli::RunProgram(argc, argv, nullptr); }

// lumox: the equation-fitting program.
#include "ui/program.h"

int main(int argc, char* argv[]) { return lumox::RunProgram(argc, argv); }

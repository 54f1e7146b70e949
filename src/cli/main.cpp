// lumox-cli: the batch front end. Runs the actions of its command line on one data file
// with the same engine and recording as the program, and writes the Results text.
#include <malloc.h>

#include "cli/program.h"

int main(int argc, char** argv) {
    // A run is short and its large blocks (the file's text, the data and term matrices,
    // the reports) follow one another: kept in the heap, a freed block serves the next one,
    // where handed back to the system every new one is faulted in page by page anew.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    return lumox::cli::RunProgram(argc, argv, nullptr);
}

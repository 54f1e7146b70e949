// lumox-cli-graphics: lumox-cli with the graph pictures of --image, which lumox-cli runs
// in its place for a command line that asks for them.
#include "cli/image_output.h"
#include "cli/program.h"

int main(int argc, char** argv) {
    static const lumox::cli::Graphics graphics{lumox::cli::WriteGraphImage,
                                               lumox::cli::CloseGraphics};
    return lumox::cli::RunProgram(argc, argv, &graphics);
}

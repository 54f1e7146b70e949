#ifndef LUMOX_CLI_HEAP_H
#define LUMOX_CLI_HEAP_H

#include <cstdint>

namespace lumox::cli {

// Readies lumox-cli's heap for a run over a data file of dataBytes (0 when unknown), before
// the run allocates anything large.
void PrepareHeap(uint64_t dataBytes);

}  // namespace lumox::cli

#endif

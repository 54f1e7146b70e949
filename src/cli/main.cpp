// lumox-cli: the batch front end. Runs the actions of its command line on one data file
// with the same engine and recording as the program, and writes the Results text.
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#include "cli/program.h"

namespace {

// Kept for the whole run; see PrepareHeap.
void* heapFiller = nullptr;

// A run is short and its large blocks (the file's text, the data and term matrices, the
// reports) follow one another: kept in the heap, a freed block serves the next one, where
// handed back to the system every new one is faulted in page by page anew. The heap is
// grown once, ahead, and asked for huge pages, so that its first touches fault in a few
// 2 MB pages instead of a thousand small ones (each costs microseconds in a virtual
// machine). Where the system gives no huge pages this changes nothing.
void PrepareHeap() {
    constexpr size_t kHugePage = size_t{2} << 20;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
    const auto before = reinterpret_cast<uintptr_t>(sbrk(0));
    // Held in a volatile, so that the compiler keeps the pair that grows the heap.
    void* volatile block = malloc(1 << 20);
    free(block);
    const auto after = reinterpret_cast<uintptr_t>(sbrk(0));
    const uintptr_t first = (before + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t last = after & ~(kHugePage - 1);
    if (last <= first) return;
    madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    // The heap's free top starts below the first huge page: a block that reaches it is
    // kept, never touched, so that the run's blocks begin on huge pages.
    constexpr uintptr_t kSlack = 4096;
    if (first - before > kSlack) heapFiller = malloc(first - before - kSlack);
}

}  // namespace

int main(int argc, char** argv) {
    PrepareHeap();
    return lumox::cli::RunProgram(argc, argv, nullptr);
}

#include "cli/heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

#include "platform/block_pipeline.h"

namespace lumox::cli {
namespace {

// A run over a data file of at least this many bytes has its heap touched ahead; one over a
// smaller file is over before that would pay.
constexpr uint64_t kTouchedAheadFrom = 256 * 1024;

// The heap a run takes for each byte of its data file, about: the nine-variable fit of a
// 0.5 MB file with every listing takes 3.1 MB.
constexpr uint64_t kHeapPerDataByte = 6;

// The heap grows by this much at once, and no more than this is touched ahead.
constexpr size_t kTopPad = size_t{16} << 20;

}  // namespace

// A run is short and its large blocks (the file's text, the data and term matrices, the
// reports) follow one another: kept in the heap, a freed block serves the next one, where
// handed back to the system every new one is faulted in page by page anew.
//
// The first touch of a page costs more than the work done on it: microseconds, and in a
// virtual machine whose host hands out memory only as it is first touched, about a
// millisecond a megabyte. So a long run has the heap it will take touched ahead, in order,
// by the helper thread on the other core, while this thread works. (Huge pages do not
// help there: a fresh 2 MB page costs its host as much as its 512 small ones, in one
// stall of the thread that touches it, and a warm one is rare after the host took it back.)
void PrepareHeap(uint64_t dataBytes) {
    // Once a process: a second run in it (the tests make many) finds the heap ready.
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, static_cast<int>(kTopPad));
    if (dataBytes < kTouchedAheadFrom) return;
    // A block a page larger than the heap's free top makes malloc grow the heap; freed, it
    // leaves the free top starting where the block did, where the run's blocks will go.
    const size_t grow = mallinfo2().keepcost + 4096;
    // Held in a volatile, so that the compiler keeps the pair that grows the heap.
    void* volatile block = malloc(grow);
    const auto start = reinterpret_cast<uintptr_t>(block);
    free(block);
    const auto end = reinterpret_cast<uintptr_t>(sbrk(0));
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t first = start & ~(page - 1);
    if (start == 0 || end <= first) return;
    const uintptr_t ahead = std::min<uintptr_t>(end - first, dataBytes * kHeapPerDataByte);
    StartHelperWith([first, ahead] {
        madvise(reinterpret_cast<void*>(first), ahead, MADV_POPULATE_WRITE);
    });
}

}  // namespace lumox::cli

#include "cli/heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

#include "platform/block_pipeline.h"

namespace lumox::cli {
namespace {

constexpr uintptr_t kHugePage = uintptr_t{2} << 20;

// A run over a data file of at least this many bytes has its heap touched ahead; one over a
// smaller file is over before that would pay.
constexpr uint64_t kTouchedAheadFrom = 256 * 1024;

// The heap a run takes for each byte of its data file, about: the nine-variable fit of a
// 0.5 MB file with every listing takes 3.1 MB.
constexpr uint64_t kHeapPerDataByte = 6;

// Kept for the whole run; see PrepareHeap. Volatile, because a block that is never read
// may otherwise be left unallocated by the compiler.
void* volatile heapFiller = nullptr;

}  // namespace

// A run is short and its large blocks (the file's text, the data and term matrices, the
// reports) follow one another: kept in the heap, a freed block serves the next one, where
// handed back to the system every new one is faulted in page by page anew. The heap is
// grown once, ahead, and asked for huge pages, so that its first touches fault in a few
// 2 MB pages instead of a thousand small ones (each costs microseconds in a virtual
// machine). Where the system gives no huge pages this changes nothing.
void PrepareHeap(uint64_t dataBytes) {
    // Once a process: a second run in it (the tests make many) finds the heap ready.
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
    // A block a page larger than the heap's free top makes malloc grow the heap, which
    // writes just one thing: the new top's header, right after the block. That page is
    // faulted in small, and a 2 MB stretch holding a small page never gets a huge one,
    // so the huge pages start after it.
    const size_t grow = mallinfo2().keepcost + 4096;
    // Held in a volatile, so that the compiler keeps the pair that grows the heap.
    void* volatile block = malloc(grow);
    const auto start = reinterpret_cast<uintptr_t>(block);
    free(block);
    const uintptr_t written = start + grow + 64;
    const auto end = reinterpret_cast<uintptr_t>(sbrk(0));
    const uintptr_t first = (written + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t last = end & ~(kHugePage - 1);
    if (start == 0 || last <= first) return;
    madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    // The heap's free top, from the block's place on, starts below the first huge page: a
    // block that reaches it is kept, never touched, so that the run's blocks begin on huge
    // pages.
    constexpr uintptr_t kSlack = 4096;
    if (first - start > kSlack) heapFiller = malloc(first - start - kSlack);
    // A long run's heap is touched ahead by the helper thread, on the other core, while
    // this one reads the file: a first touch costs more than the work on the memory (in a
    // virtual machine whose host hands out memory as it is first touched, about a
    // millisecond a megabyte), and there it is out of the way.
    if (dataBytes < kTouchedAheadFrom) return;
    const uintptr_t ahead = std::min<uintptr_t>(
        last - first, (dataBytes * kHeapPerDataByte + kHugePage - 1) & ~(kHugePage - 1));
    StartHelperWith(
        [first, ahead] {madvise(reinterpret_cast<void*>(first), ahead, MADV_POPULATE_WRITE);});
}

}  // namespace lumox::cli

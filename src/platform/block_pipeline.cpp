#include "platform/block_pipeline.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <utility>

namespace lumox {
namespace {

constexpr size_t kNoBlock = ~size_t{0};

struct Pipeline {
    Pipeline() { std::fill(std::begin(held), std::end(held), kNoBlock); }
    const MakeBlock* make = nullptr;
    const CommitBlock* commit = nullptr;
    size_t count = 0;
    std::atomic<size_t> next{0};
    std::atomic<bool> stopped{false};
    // The slots and which block each holds made (kNoBlock when free), under lock.
    std::mutex lock;
    size_t held[kPipelineSlots];
    bool taken[kPipelineSlots] = {};
    size_t committed = 0;  // the blocks before this one are committed
    // Counts slot releases, to wake a thread that waits for a free slot.
    std::atomic<unsigned> freed{0};
    std::exception_ptr failure;
};

void Stop(Pipeline& pipeline) {
    pipeline.stopped.store(true);
    pipeline.freed.fetch_add(1);
    pipeline.freed.notify_all();
}

// A free slot, taken; -1 when the pipeline stopped while waiting for one.
int TakeSlot(Pipeline& pipeline) {
    for (;;) {
        const unsigned seen = pipeline.freed.load();
        {
            const std::lock_guard<std::mutex> guard(pipeline.lock);
            if (pipeline.stopped.load()) return -1;
            for (int slot = 0; slot < kPipelineSlots; ++slot) {
                if (!pipeline.taken[slot]) {
                    pipeline.taken[slot] = true;
                    return slot;
                }
            }
        }
        // Every slot holds a block waiting for an earlier one that the other thread makes.
        pipeline.freed.wait(seen);
    }
}

// Records block as made in slot, and commits every made block that is next in turn.
void Finish(Pipeline& pipeline, size_t block, int slot) {
    bool released = false;
    {
        const std::lock_guard<std::mutex> guard(pipeline.lock);
        pipeline.held[slot] = block;
        for (bool found = true; found && !pipeline.stopped.load();) {
            found = false;
            for (int each = 0; each < kPipelineSlots; ++each) {
                if (pipeline.held[each] != pipeline.committed) continue;
                found = true;
                const bool goOn = (*pipeline.commit)(pipeline.committed, each);
                pipeline.held[each] = kNoBlock;
                pipeline.taken[each] = false;
                released = true;
                ++pipeline.committed;
                if (!goOn) pipeline.stopped.store(true);
                break;
            }
        }
    }
    if (released || pipeline.stopped.load()) {
        pipeline.freed.fetch_add(1);
        pipeline.freed.notify_all();
    }
}

void Work(Pipeline& pipeline) {
    try {
        while (!pipeline.stopped.load(std::memory_order_relaxed)) {
            const int slot = TakeSlot(pipeline);
            if (slot < 0) return;
            const size_t block = pipeline.next.fetch_add(1);
            if (block >= pipeline.count) {
                const std::lock_guard<std::mutex> guard(pipeline.lock);
                pipeline.taken[slot] = false;
                return;
            }
            (*pipeline.make)(block, slot);
            Finish(pipeline, block, slot);
        }
    } catch (...) {
        {
            const std::lock_guard<std::mutex> guard(pipeline.lock);
            if (!pipeline.failure) pipeline.failure = std::current_exception();
        }
        Stop(pipeline);
    }
}

// The helper thread: started once, on first need, and kept for the process's life, so
// that a pipeline costs it a wake-up rather than a new thread.
struct Helper {
    std::atomic<Pipeline*> job{nullptr};
    std::atomic<bool> busy{false};  // a pipeline is using the helper
    // Counts the jobs the helper finished. It lives as long as the process, so that the
    // helper can signal through it after the pipeline itself is gone.
    std::atomic<unsigned> finished{0};
    pthread_t thread{};
    bool started = false;
    std::atomic<bool> released{false};
    std::function<void()> first;  // run before any pipeline's blocks
};

// The job that ends the helper.
Pipeline* const kQuit = reinterpret_cast<Pipeline*>(alignof(Pipeline));

void* Help(void* argument) {
    auto& helper = *static_cast<Helper*>(argument);
    if (helper.first) {
        helper.first();
        helper.first = nullptr;
    }
    for (;;) {
        helper.job.wait(nullptr);
        Pipeline* const pipeline = helper.job.exchange(nullptr);
        if (pipeline == kQuit) return nullptr;
        if (pipeline == nullptr) continue;
        Work(*pipeline);
        helper.finished.fetch_add(1);
        helper.finished.notify_all();
    }
    return nullptr;
}

// The cores the process may use but the one this thread runs on; false when none is left.
bool OtherCores(cpu_set_t& cores) {
    if (sched_getaffinity(0, sizeof cores, &cores) != 0) return false;
    const int here = sched_getcpu();
    if (here >= 0) CPU_CLR(here, &cores);
    return CPU_COUNT(&cores) > 0;
}

bool StartHelper(Helper& helper, const cpu_set_t& cores) {
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) return false;
    pthread_attr_setaffinity_np(&attributes, sizeof cores, &cores);
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    const bool started = pthread_create(&helper.thread, &attributes, Help, &helper) == 0;
    pthread_attr_destroy(&attributes);
    return started;
}

Helper theHelper;
std::once_flag helperStart;

}  // namespace

bool StartHelperWith(std::function<void()> first) {
    cpu_set_t cores;
    if (!OtherCores(cores)) return false;
    bool starting = false;
    std::call_once(helperStart, [&] {
        theHelper.first = std::move(first);
        theHelper.started = StartHelper(theHelper, cores);
        starting = theHelper.started;
    });
    return starting;
}

void RunBlockPipeline(size_t count, const MakeBlock& make, const CommitBlock& commit) {
    Pipeline pipeline;
    pipeline.make = &make;
    pipeline.commit = &commit;
    pipeline.count = count;
    bool offered = false;
    unsigned finished = 0;
    cpu_set_t cores;
    if (count > 1 && !theHelper.released.load() && OtherCores(cores) &&
        !theHelper.busy.exchange(true)) {
        std::call_once(helperStart, [&cores] { theHelper.started = StartHelper(theHelper, cores); });
        // The helper is kept off this thread's core: left free to go anywhere, a woken
        // thread is often put on its waker's core, where the two would take turns. (A new
        // thread likewise waits on its creator's core, and reaches an idle one only
        // milliseconds later.)
        if (theHelper.started &&
            pthread_setaffinity_np(theHelper.thread, sizeof cores, &cores) == 0) {
            finished = theHelper.finished.load();
            theHelper.job.store(&pipeline);
            theHelper.job.notify_one();
            offered = true;
        } else {
            theHelper.busy.store(false);
        }
    }
    Work(pipeline);
    if (offered) {
        // A helper that has not taken the job yet is spared it; one that took it is waited for.
        Pipeline* expected = &pipeline;
        if (!theHelper.job.compare_exchange_strong(expected, nullptr)) {
            theHelper.finished.wait(finished);
        }
        theHelper.busy.store(false);
    }
    if (pipeline.failure) std::rethrow_exception(pipeline.failure);
}

void ReleaseHelper() {
    if (theHelper.released.exchange(true) || !theHelper.started) return;
    theHelper.job.store(kQuit);
    theHelper.job.notify_one();
}

void RunSideBySide(const std::function<void()>& first, const std::function<void()>& second) {
    RunBlockPipeline(
        2, [&](size_t block, int) { block == 0 ? first() : second(); },
        [](size_t, int) { return true; });
}

}  // namespace lumox

#ifndef LUMOX_PLATFORM_BLOCK_PIPELINE_H
#define LUMOX_PLATFORM_BLOCK_PIPELINE_H

#include <cstddef>
#include <functional>

namespace lumox {

// How many blocks can be made and waiting for their commit at once; the caller keeps
// that many scratch areas, one for each slot.
constexpr int kPipelineSlots = 4;

// Scratch areas are aligned to this, so that two threads writing to two slots never write
// to one cache line: each write would take the line from the other core.
constexpr size_t kCacheLineBytes = 64;

// The two steps of a block of work. make(block, slot) does the block's own work, on either
// thread, into scratch area slot; commit(block, slot) then adds it to the whole, after
// every earlier block's commit and before any later one, one commit at a time. commit
// returns false to stop: no later block is committed.
using MakeBlock = std::function<void(size_t block, int slot)>;
using CommitBlock = std::function<bool(size_t block, int slot)>;

// Runs blocks 0 to count - 1 on this thread and, when there are two or more, on a helper
// thread on another core (when the process may use one), each taking the next block as it
// comes free; the result is as if the blocks were made and committed one after another.
// An exception from either step stops the rest and is thrown here once both threads are
// done with the blocks. One pipeline runs at a time; another started meanwhile (from
// another thread) runs on its caller's thread alone.
void RunBlockPipeline(size_t count, const MakeBlock& make, const CommitBlock& commit);

// Runs first and second, which must not write what the other reads or writes, side by
// side when the helper is free: RunBlockPipeline of two blocks.
void RunSideBySide(const std::function<void()>& first, const std::function<void()>& second);

// Ends the helper thread, without waiting for it, once no more pipelines are to come:
// left for the process's exit, the helper would have to be woken on its core then, and the
// exit would wait for it. Later pipelines run on their caller's thread alone.
void ReleaseHelper();

// Starts the helper thread now, on another core, and has it run first before it takes any
// pipeline's blocks: work that nobody waits for, such as touching memory ahead of its use.
// False, with first not run, when there is no other core or the helper is already there.
bool StartHelperWith(std::function<void()> first);

}  // namespace lumox

#endif

#include "platform/block_pipeline.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace lumox {
namespace {

// A pipeline whose blocks write their number into a slot's scratch and whose commits
// append it: the whole must hold every committed block once, in order.
struct Recorded {
    std::vector<size_t> committed;
    std::atomic<int> made{0};
};

void RunPipeline(size_t count, Recorded& recorded, size_t stopAt = ~size_t{0}, size_t throwAt = ~size_t{0}) {
    size_t scratch[kPipelineSlots] = {};
    RunBlockPipeline(
        count,
        [&](size_t block, int slot) {
            if (block == throwAt) throw std::runtime_error("block " + std::to_string(block));
            // Unequal blocks, so that the two threads overtake one another.
            volatile double sink = 0.0;
            for (size_t i = 0; i < (block % 7) * 4000; ++i) sink = sink + 1.0;
            scratch[slot] = block;
            ++recorded.made;
        },
        [&](size_t block, int slot) {
            EXPECT_EQ(scratch[slot], block);
            recorded.committed.push_back(scratch[slot]);
            return block != stopAt;
        });
}

TEST(BlockPipeline, CommitsEveryBlockOnceInOrder) {
    for (const size_t count : {size_t{0}, size_t{1}, size_t{2}, size_t{5}, size_t{300}}) {
        for (int round = 0; round < 10; ++round) {
            Recorded recorded;
            RunPipeline(count, recorded);
            std::vector<size_t> expected(count);
            for (size_t k = 0; k < count; ++k) expected[k] = k;
            ASSERT_EQ(recorded.committed, expected) << count << " blocks";
            EXPECT_EQ(recorded.made, static_cast<int>(count));
        }
    }
}

TEST(BlockPipeline, AFalseCommitStopsTheLaterBlocks) {
    for (int round = 0; round < 50; ++round) {
        Recorded recorded;
        RunPipeline(200, recorded, 37);
        ASSERT_EQ(recorded.committed.size(), 38u);
        EXPECT_EQ(recorded.committed.back(), 37u);
    }
}

TEST(BlockPipeline, AFailingBlockIsThrownToTheCallerAndCommitsNothingAfterIt) {
    for (int round = 0; round < 50; ++round) {
        Recorded recorded;
        EXPECT_THROW(
            {
                try {
                    RunPipeline(200, recorded, ~size_t{0}, 91);
                } catch (const std::runtime_error& error) {
                    EXPECT_STREQ(error.what(), "block 91");
                    throw;
                }
            },
            std::runtime_error);
        ASSERT_LE(recorded.committed.size(), 91u);
        for (size_t k = 0; k < recorded.committed.size(); ++k) ASSERT_EQ(recorded.committed[k], k);
        // The helper outlives the failure: the next pipeline runs whole.
        Recorded next;
        RunPipeline(100, next);
        ASSERT_EQ(next.committed.size(), 100u);
    }
}

// A first task given to the helper runs on it, once; pipelines then run whole.
TEST(BlockPipeline, TheHelpersFirstTaskRunsBeforeItsBlocks) {
    std::atomic<int> runs{0};
    const bool started = StartHelperWith([&runs] { ++runs; });
    EXPECT_FALSE(StartHelperWith([&runs] { ++runs; }));  // the helper is already there
    for (int wait = 0; started && runs == 0 && wait < 5000; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(runs, started ? 1 : 0);
    Recorded recorded;
    RunPipeline(100, recorded);
    ASSERT_EQ(recorded.committed.size(), 100u);
    for (size_t k = 0; k < 100; ++k) ASSERT_EQ(recorded.committed[k], k);
}

// Once the helper is released, pipelines still run whole, on their caller's thread.
TEST(BlockPipeline, RunsWholeAfterTheHelperIsReleased) {
    ReleaseHelper();
    ReleaseHelper();
    Recorded recorded;
    RunPipeline(100, recorded);
    ASSERT_EQ(recorded.committed.size(), 100u);
    for (size_t k = 0; k < 100; ++k) ASSERT_EQ(recorded.committed[k], k);
}

}  // namespace
}  // namespace lumox

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/format.h"
#include "platform/text_parts.h"

namespace lumox {
namespace {

// Item i's text has a length that varies with i, so that a part cut at the wrong item or
// joined out of order changes the whole text.
void ComposeNumbered(size_t begin, size_t end, std::string& text) {
    for (size_t i = begin; i < end; ++i) AppendFormat(text, "%zu:%.*s\r\n", i, int(i % 7), "abcdefg");
}

TEST(ComposeInParts, WritesWhatOneSerialPassWritesForShortAndLongLists) {
    // Around the length at which a list is first cut, and the largest data set.
    for (const size_t count : {0, 1, 1023, 1024, 2047, 2048, 2049, 6553, 65535}) {
        std::string serial = "before\r\n";
        ComposeNumbered(0, count, serial);
        std::string parts = "before\r\n";
        ComposeInParts(count, 8, ComposeNumbered, parts);
        EXPECT_EQ(parts, serial) << count << " items";
    }
}

TEST(ComposeInParts, ThrowsTheFailureOfAPartAfterAllPartsEnded) {
    for (const size_t failing : {0, 4000}) {
        std::string out;
        const ComposeItems compose = [failing](size_t begin, size_t end, std::string& text) {
            if (failing >= begin && failing < end) throw std::runtime_error("item failed");
            ComposeNumbered(begin, end, text);
        };
        EXPECT_THROW(ComposeInParts(8000, 8, compose, out), std::runtime_error) << failing;
    }
}

}  // namespace
}  // namespace lumox

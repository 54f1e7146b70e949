#ifndef LUMOX_PLATFORM_PARALLEL_PARTS_H
#define LUMOX_PLATFORM_PARALLEL_PARTS_H

#include <cstddef>
#include <functional>
#include <string>

namespace lumox {

// The number of parts to cut count items into: one per processor core, but no part of
// fewer than minItems (a thread costs more than a few items), and at least one.
size_t PartCount(size_t count, size_t minItems);

// Runs work(k) for k = 0 .. parts - 1 at the same time, part 0 on the calling thread and
// each other on a thread of its own; returns when all have ended. The parts must share
// nothing that one of them writes. The exception of the first part that threw (in part
// order) is thrown here.
void RunParts(size_t parts, const std::function<void(size_t part)>& work);

// Appends part of a long text: the lines of items [begin, end) go onto text.
using ComposeItems = std::function<void(size_t begin, size_t end, std::string& text)>;

// Appends to out the text of count items, in item order, byte for byte what one call
// compose(0, count, out) would append: a long list is cut into consecutive parts composed
// at the same time (the first straight onto out, the others into buffers of their own)
// and joined in order. bytesPerItem is about the length of one item's text.
void ComposeInParts(size_t count, size_t bytesPerItem, const ComposeItems& compose,
                    std::string& out);

}  // namespace lumox

#endif

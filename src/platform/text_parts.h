#ifndef LUMOX_PLATFORM_TEXT_PARTS_H
#define LUMOX_PLATFORM_TEXT_PARTS_H

#include <cstddef>
#include <functional>
#include <string>

namespace lumox {

// Appends part of a long text: the lines of items [begin, end) go onto text.
using ComposeItems = std::function<void(size_t begin, size_t end, std::string& text)>;

// Appends to out the text of count items, in item order, byte for byte what one call
// compose(0, count, out) would append. A long list is cut into consecutive parts, one per
// processor core, composed at the same time into buffers of their own (the first straight
// onto out) and joined in order; compose must therefore only read what it shares with
// other calls. bytesPerItem is about the length of one item's text. An exception of a
// part is thrown here, after every part has ended.
void ComposeInParts(size_t count, size_t bytesPerItem, const ComposeItems& compose,
                    std::string& out);

}  // namespace lumox

#endif

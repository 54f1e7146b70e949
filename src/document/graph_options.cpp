#include "document/graph_options.h"

namespace lumox {

bool GraphOptions::TitleFits(const std::string& title) {
    // Characters of UTF-8 text: every byte but the continuation bytes starts one.
    size_t count = 0;
    for (const char c : title) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count <= static_cast<size_t>(kTitleLimit);
}

bool GraphOptions::IntervalsFit(int intervals) {
    return intervals >= kMinIntervals && intervals <= kMaxIntervals;
}

}  // namespace lumox

#include "setup/setup_prompt.h"

#include <cstdio>
#include <vector>

namespace lumox::setup {

std::string FormatMessage(const char* format, const std::string& value) {
    const int size = std::snprintf(nullptr, 0, format, value.c_str());
    std::vector<char> text(static_cast<size_t>(size) + 1);
    std::snprintf(text.data(), text.size(), format, value.c_str());
    return std::string(text.data(), static_cast<size_t>(size));
}

}  // namespace lumox::setup

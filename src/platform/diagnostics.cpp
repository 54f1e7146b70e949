#include "platform/diagnostics.h"

#include <algorithm>
#include <cstddef>

#include "platform/strings.h"

namespace lumox {

void Diagnostics::Add(std::string text, Icon icon) { items_.push_back({std::move(text), icon}); }

void Diagnostics::Add(int id, Icon icon) { Add(LoadString(id), icon); }

void Diagnostics::AddBeep() { items_.push_back({std::string(), Icon::None, true}); }

void Diagnostics::DropFirst(size_t count) {
    items_.erase(items_.begin(),
                 items_.begin() + static_cast<std::ptrdiff_t>(std::min(count, items_.size())));
}

bool Diagnostics::HasStop() const {
    return std::any_of(items_.begin(), items_.end(),
                       [](const Diagnostic& d) { return !d.beep && d.icon == Icon::Stop; });
}

ComputeError::ComputeError(int id, Icon icon) : said_{LoadString(id), icon} {}

}  // namespace lumox

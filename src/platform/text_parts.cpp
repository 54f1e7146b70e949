#include "platform/text_parts.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace lumox {
namespace {

// Fewer items than this in a part cost more to hand to a thread than to compose here.
constexpr size_t kMinItemsPerPart = 1024;

}  // namespace

void ComposeInParts(size_t count, size_t bytesPerItem, const ComposeItems& compose,
                    std::string& out) {
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t parts = std::clamp<size_t>(count / kMinItemsPerPart, 1, cores);
    if (parts == 1) {
        compose(0, count, out);
        return;
    }
    // Part k holds items [k * count / parts, (k + 1) * count / parts).
    auto first = [count, parts](size_t k) { return k * count / parts; };
    std::vector<std::string> texts(parts - 1);
    std::vector<std::exception_ptr> failures(parts);
    {
        std::vector<std::jthread> workers;
        workers.reserve(parts - 1);
        for (size_t k = 1; k < parts; ++k) {
            workers.emplace_back([&, k] {
                try {
                    std::string& text = texts[k - 1];
                    text.reserve((first(k + 1) - first(k)) * bytesPerItem);
                    compose(first(k), first(k + 1), text);
                } catch (...) {
                    failures[k] = std::current_exception();
                }
            });
        }
        try {
            compose(0, first(1), out);
        } catch (...) {
            failures[0] = std::current_exception();
        }
    }  // the workers join here
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
    for (const std::string& text : texts) out += text;
}

}  // namespace lumox

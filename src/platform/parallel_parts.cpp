#include "platform/parallel_parts.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace lumox {
namespace {

// Fewer items than this in a text part cost more to hand to a thread than to compose here.
constexpr size_t kMinLinesPerPart = 1024;

}  // namespace

size_t PartCount(size_t count, size_t minItems) {
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return std::clamp<size_t>(count / std::max<size_t>(minItems, 1), 1, cores);
}

void RunParts(size_t parts, const std::function<void(size_t part)>& work) {
    std::vector<std::exception_ptr> failures(parts);
    auto run = [&work, &failures](size_t k) {
        try {
            work(k);
        } catch (...) {
            failures[k] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> workers;
        workers.reserve(parts);
        for (size_t k = 1; k < parts; ++k) workers.emplace_back(run, k);
        if (parts > 0) run(0);
    }  // the workers join here
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
}

void ComposeInParts(size_t count, size_t bytesPerItem, const ComposeItems& compose,
                    std::string& out) {
    const size_t parts = PartCount(count, kMinLinesPerPart);
    // Part k holds items [k * count / parts, (k + 1) * count / parts).
    auto first = [count, parts](size_t k) { return k * count / parts; };
    std::vector<std::string> texts(parts);
    RunParts(parts, [&](size_t k) {
        std::string& text = k == 0 ? out : texts[k];
        if (k > 0) text.reserve((first(k + 1) - first(k)) * bytesPerItem);
        compose(first(k), first(k + 1), text);
    });
    for (size_t k = 1; k < parts; ++k) out += texts[k];
}

}  // namespace lumox

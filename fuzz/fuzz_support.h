#ifndef LUMOX_FUZZ_FUZZ_SUPPORT_H
#define LUMOX_FUZZ_FUZZ_SUPPORT_H

#include <cstdlib>
#include <string>

#include "data/data_set.h"
#include "platform/diagnostics.h"
#include "platform/prompt.h"

namespace lumox::fuzz {

// Swallows every message and declines every question, so that a run is silent and takes
// the refusing path of each question.
class SilentPrompt final : public Prompt {
public:
    SilentPrompt() : installed_(*this) {}
    void Show(const std::string&, Icon) override {}
    Answer AskYesNo(const std::string&) override { return Answer::No; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
    void Beep() override {}

private:
    ScopedPrompt installed_;
};

// A refusal always says why: its diagnostics hold a message. Anything else is a fault.
inline void CheckRefusalSaid(const Diagnostics& said) {
    if (said.Empty()) std::abort();
}

// A data set a reader accepted must hold together: one name per column and a value for
// every cell. Anything else is a fault of the reader, reported as a crash.
inline void CheckDataSet(const DataSet& data) {
    const bool whole = data.ColNames().size() == data.Cols() &&
                       data.GetData().Rows() == data.Rows() &&
                       data.GetData().Cols() == data.Cols() &&
                       static_cast<uint64_t>(data.Rows()) * data.Cols() <= Matrix::kMaxElements;
    if (!whole) std::abort();
}

}  // namespace lumox::fuzz

#endif

#ifndef LUMOX_TESTS_SUPPORT_SCRIPTED_PROMPT_H
#define LUMOX_TESTS_SUPPORT_SCRIPTED_PROMPT_H

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/prompt.h"

namespace lumox {

// Failed comparisons show the text rather than the object's bytes.
inline void PrintTo(const Diagnostic& said, std::ostream* out) {
    if (said.beep) {
        *out << "(beep)";
    } else {
        *out << '"' << said.text << '"';
    }
}

}  // namespace lumox

namespace lumox::test {

// A message as a person sees it; the core's diagnostics compare with the same values.
using Message = Diagnostic;

// Records every message and answers questions from a script. Installed for its lifetime;
// a question without a scripted answer fails the test and is answered No.
class ScriptedPrompt : public Prompt {
public:
    ScriptedPrompt();
    ~ScriptedPrompt() override;

    void Show(const std::string& text, Icon icon) override;
    Answer AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    void Beep() override { ++beeps; }

    // The texts of every message and question, in order.
    std::vector<std::string> Texts() const;

    std::vector<Message> messages;
    std::deque<Answer> answers;
    int beeps = 0;
    // Called with each message as it shows, to look at the windows at that moment.
    std::function<void(const Message&)> onShow;

private:
    Answer NextAnswer(const std::string& text);
    Prompt* previous_;
};

// What a computation that cannot go on says: the diagnostic of the ComputeError that step
// throws, or a text that says it threw none.
template <typename Step>
Diagnostic StopOf(Step step) {
    try {
        step();
    } catch (const ComputeError& error) {
        return error.Said();
    }
    return {"(no ComputeError)", Icon::None};
}

// Runs call with a fresh Diagnostics and shows what it said through the current prompt, as
// a window does; returns what call returns.
template <typename Call>
auto Spoken(Call call) {
    Diagnostics said;
    if constexpr (std::is_void_v<decltype(call(said))>) {
        call(said);
        Speak(said);
    } else {
        auto result = call(said);
        Speak(said);
        return result;
    }
}

}  // namespace lumox::test

#endif

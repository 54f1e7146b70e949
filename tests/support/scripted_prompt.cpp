#include "support/scripted_prompt.h"

#include <gtest/gtest.h>

namespace lumox::test {

ScriptedPrompt::ScriptedPrompt() : previous_(&CurrentPrompt()) { SetPrompt(this); }
ScriptedPrompt::~ScriptedPrompt() { SetPrompt(previous_); }

void ScriptedPrompt::Show(const std::string& text, Icon icon) {
    messages.push_back({text, icon});
    if (onShow) onShow(messages.back());
}

Answer ScriptedPrompt::NextAnswer(const std::string& text) {
    messages.push_back({text, Icon::Question});
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return Answer::No;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

Answer ScriptedPrompt::AskYesNo(const std::string& text) { return NextAnswer(text); }
Answer ScriptedPrompt::AskYesNoCancel(const std::string& text) { return NextAnswer(text); }

std::vector<std::string> ScriptedPrompt::Texts() const {
    std::vector<std::string> texts;
    for (const Message& message : messages) texts.push_back(message.text);
    return texts;
}

}  // namespace lumox::test

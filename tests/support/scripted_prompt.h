#ifndef LUMOX_TESTS_SUPPORT_SCRIPTED_PROMPT_H
#define LUMOX_TESTS_SUPPORT_SCRIPTED_PROMPT_H

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "platform/prompt.h"

namespace lumox::test {

struct Message {
    std::string text;
    Icon icon;
    friend bool operator==(const Message&, const Message&) = default;
    // Failed comparisons show the text rather than the object's bytes.
    friend void PrintTo(const Message& message, std::ostream* out) {
        *out << '"' << message.text << '"';
    }
};

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

private:
    Answer NextAnswer(const std::string& text);
    Prompt* previous_;
};

}  // namespace lumox::test

#endif

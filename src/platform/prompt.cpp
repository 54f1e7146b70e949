#include "platform/prompt.h"

#include <cstdio>

#include "platform/strings.h"

namespace lumox {
namespace {

// One line per message with line breaks shown as blanks, so scripts can read it.
class StderrPrompt final : public Prompt {
public:
    void Show(const std::string& text, Icon) override { Print(text); }
    Answer AskYesNo(const std::string& text) override {
        Print(text);
        return Answer::No;
    }
    Answer AskYesNoCancel(const std::string& text) override {
        Print(text);
        return Answer::No;
    }
    void Beep() override {}

private:
    static void Print(const std::string& text) {
        std::string line = text;
        for (char& c : line) {
            if (c == '\r' || c == '\n') c = ' ';
        }
        std::fprintf(stderr, "lumox: %s\n", line.c_str());
    }
};

StderrPrompt g_default_prompt;
Prompt* g_prompt = &g_default_prompt;

}  // namespace

void SetPrompt(Prompt* prompt) { g_prompt = prompt ? prompt : &g_default_prompt; }
Prompt& CurrentPrompt() { return *g_prompt; }

void ShowMessage(const std::string& text, Icon icon) { g_prompt->Show(text, icon); }
void ShowMessage(int id, Icon icon) { g_prompt->Show(LoadString(id), icon); }
Answer AskYesNo(const std::string& text) { return g_prompt->AskYesNo(text); }
Answer AskYesNoCancel(const std::string& text) { return g_prompt->AskYesNoCancel(text); }
void Beep() { g_prompt->Beep(); }

ScopedPrompt::ScopedPrompt(Prompt& prompt) : previous_(&CurrentPrompt()) { SetPrompt(&prompt); }
ScopedPrompt::~ScopedPrompt() { SetPrompt(previous_); }

}  // namespace lumox

#include "platform/prompt.h"

#include <cstdio>

#include "platform/strings.h"

namespace lumox {
namespace {

void PrintLine(const std::string& text) {
    std::string line = text;
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    std::fprintf(stderr, "lumox: %s\n", line.c_str());
}

StderrPrompt g_default_prompt;
Prompt* g_prompt = &g_default_prompt;

}  // namespace

void StderrPrompt::Show(const std::string& text, Icon) { PrintLine(text); }

Answer StderrPrompt::AskYesNo(const std::string& text) {
    PrintLine(text);
    return answerYes_ ? Answer::Yes : Answer::No;
}

Answer StderrPrompt::AskYesNoCancel(const std::string& text) { return AskYesNo(text); }

void SetPrompt(Prompt* prompt) { g_prompt = prompt ? prompt : &g_default_prompt; }
Prompt& CurrentPrompt() { return *g_prompt; }

void ShowMessage(const std::string& text, Icon icon) { g_prompt->Show(text, icon); }
void ShowMessage(int id, Icon icon) { g_prompt->Show(LoadString(id), icon); }
Answer AskYesNo(const std::string& text) { return g_prompt->AskYesNo(text); }
Answer AskYesNoCancel(const std::string& text) { return g_prompt->AskYesNoCancel(text); }
void Beep() { g_prompt->Beep(); }

void Speak(const Diagnostic& diagnostic) {
    if (diagnostic.beep) {
        g_prompt->Beep();
    } else {
        g_prompt->Show(diagnostic.text, diagnostic.icon);
    }
}

void Speak(const Diagnostics& diagnostics) {
    for (const Diagnostic& diagnostic : diagnostics.Items()) Speak(diagnostic);
}

ScopedPrompt::ScopedPrompt(Prompt& prompt) : previous_(&CurrentPrompt()) { SetPrompt(&prompt); }
ScopedPrompt::~ScopedPrompt() { SetPrompt(previous_); }

}  // namespace lumox

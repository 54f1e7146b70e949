#ifndef LUMOX_PLATFORM_PROMPT_H
#define LUMOX_PLATFORM_PROMPT_H

#include <string>

#include "platform/diagnostics.h"

namespace lumox {

// The button a person pressed.
enum class Answer { Ok, Yes, No, Cancel };

// Everything the program says to a person in a message box goes through one Prompt.
// The GUI shows message boxes, the command line prints to standard error, tests record.
class Prompt {
public:
    virtual ~Prompt() = default;
    virtual void Show(const std::string& text, Icon icon) = 0;
    // Yes/No question with the question icon.
    virtual Answer AskYesNo(const std::string& text) = 0;
    // Yes/No/Cancel question with the question icon.
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
    // The warning beep of a refused keystroke.
    virtual void Beep() = 0;
};

// Writes every message as one line "lumox: TEXT" to standard error (line breaks shown as
// blanks) and answers every question with a fixed answer: the batch front end's prompt.
class StderrPrompt final : public Prompt {
public:
    explicit StderrPrompt(bool answerYes = false) : answerYes_(answerYes) {}
    void Show(const std::string& text, Icon icon) override;
    Answer AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    void Beep() override {}

private:
    bool answerYes_;
};

// Installs the program-wide prompt; null restores the default, which writes
// "lumox: TEXT" lines to standard error and answers No to every question.
void SetPrompt(Prompt* prompt);
Prompt& CurrentPrompt();

void ShowMessage(const std::string& text, Icon icon);
// Shows the string-table text of id.
void ShowMessage(int id, Icon icon);
Answer AskYesNo(const std::string& text);
Answer AskYesNoCancel(const std::string& text);
void Beep();
// Shows each diagnostic in order: its message, or the beep.
void Speak(const Diagnostics& diagnostics);
void Speak(const Diagnostic& diagnostic);

// Installs a prompt for the lifetime of this object and restores the previous one.
class ScopedPrompt {
public:
    explicit ScopedPrompt(Prompt& prompt);
    ~ScopedPrompt();
    ScopedPrompt(const ScopedPrompt&) = delete;
    ScopedPrompt& operator=(const ScopedPrompt&) = delete;

private:
    Prompt* previous_;
};

}  // namespace lumox

#endif

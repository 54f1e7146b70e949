#ifndef LUMOX_SETUP_SETUP_PROMPT_H
#define LUMOX_SETUP_SETUP_PROMPT_H

#include <string>

namespace lumox::setup {

enum class PromptIcon { kNone, kWarning, kQuestion };

// Message boxes of the installer: the Qt program shows them, tests record them.
class SetupPrompt {
public:
    virtual ~SetupPrompt() = default;
    virtual void Show(const std::string& text, const std::string& caption, PromptIcon icon) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
    virtual void Beep() = 0;
};

// Fills the one %s of a fixed message.
std::string FormatMessage(const char* format, const std::string& value);

}  // namespace lumox::setup

#endif

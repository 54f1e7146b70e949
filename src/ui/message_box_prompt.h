#ifndef LUMOX_UI_MESSAGE_BOX_PROMPT_H
#define LUMOX_UI_MESSAGE_BOX_PROMPT_H

#include "platform/prompt.h"

namespace lumox {

// The program's message boxes: titled "Lumox", owned by the active window, with the
// icon the message asks for.
class MessageBoxPrompt final : public Prompt {
public:
    void Show(const std::string& text, Icon icon) override;
    Answer AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    void Beep() override;
};

}  // namespace lumox

#endif

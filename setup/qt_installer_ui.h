#ifndef LUMOX_SETUP_QT_INSTALLER_UI_H
#define LUMOX_SETUP_QT_INSTALLER_UI_H

#include <memory>

#include "setup/installer.h"
#include "setup/setup_prompt.h"

namespace lumox::setup {

class CopyDialog;

// Message boxes with the installer's captions and icons.
class MessageBoxPrompt : public SetupPrompt {
public:
    void Show(const std::string& text, const std::string& caption, PromptIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void Beep() override;
};

// The installer's dialogs on screen.
class QtInstallerUi : public InstallerUi {
public:
    QtInstallerUi();
    ~QtInstallerUi() override;

    std::optional<std::string> AskTarget(const std::string& target) override;
    CopyProgress& OpenCopy() override;
    void CloseCopy() override;
    SetupPrompt& Prompt() override { return prompt_; }

private:
    MessageBoxPrompt prompt_;
    std::unique_ptr<CopyDialog> copy_;
};

}  // namespace lumox::setup

#endif

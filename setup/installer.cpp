#include "setup/installer.h"

#include <filesystem>
#include <system_error>

#include "setup/file_copy.h"
#include "setup/install_list.h"
#include "setup/menu_client.h"
#include "setup/setup_prompt.h"
#include "setup/setup_texts.h"
#include "setup/target_check.h"

namespace lumox::setup {

namespace fs = std::filesystem;

namespace {

// The target folder exists afterwards, or it cannot be made (only its last level is made).
bool MakeTargetFolder(const std::string& target) {
    std::error_code error;
    if (fs::is_directory(target, error)) return true;
    return fs::create_directory(target, error) && !error;
}

// Asks until the target has room for the files and exists; nothing after Cancel.
std::optional<std::string> ChooseTarget(InstallerUi& ui, const InstallerContext& context,
                                        std::uint64_t requiredBytes) {
    std::string target = context.defaultTarget;
    for (;;) {
        std::optional<std::string> chosen = ui.AskTarget(target);
        if (!chosen) return std::nullopt;
        target = *chosen;
        std::string folder;
        if (!EnoughSpace(target, requiredBytes, context.freeSpace, &folder)) {
            ui.Prompt().Show(FormatMessage(kNoSpace, folder), kNoSpaceCaption,
                             PromptIcon::kWarning);
            continue;
        }
        if (!MakeTargetFolder(target)) {
            ui.Prompt().Show(FormatMessage(kNoDirectory, target), kNoDirectoryCaption,
                             PromptIcon::kWarning);
            continue;
        }
        return target;
    }
}

}  // namespace

int RunInstaller(InstallerUi& ui, const InstallerContext& context) {
    const std::string sourceDir = CopyFolder(context.sourceDir);
    const std::vector<std::string> files = ExpandFiles(sourceDir, DistributionFiles());
    const std::optional<std::string> target =
        ChooseTarget(ui, context, SpaceNeeded(sourceDir, files));
    if (!target) return 0;
    const std::string targetDir = CopyFolder(*target);
    const CopyResult result = CopyFiles(sourceDir, targetDir, files, ui.OpenCopy());
    ui.CloseCopy();
    SetupPrompt& prompt = ui.Prompt();
    if (result == CopyResult::kCancelled) return 0;
    if (result == CopyResult::kFailed) {
        prompt.Show(kCopyError, kCopyErrorCaption, PromptIcon::kWarning);
        return 0;
    }
    if (CreateProgramGroup(*context.menu, prompt, targetDir))
        prompt.Show(kComplete, kWindowTitle, PromptIcon::kNone);
    else
        prompt.Show(kMenuProblem, kMenuErrorCaption, PromptIcon::kWarning);
    return 0;
}

}  // namespace lumox::setup

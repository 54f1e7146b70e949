#include "setup/file_copy.h"

#include <filesystem>
#include <system_error>

#include "setup/setup_prompt.h"
#include "setup/setup_texts.h"

namespace lumox::setup {

namespace fs = std::filesystem;

bool ConfirmQuit(SetupPrompt& prompt) { return prompt.AskYesNo(kQuitQuestion, kWindowTitle); }

bool CopyOneFile(const std::string& source, const std::string& target) {
    const fs::path path(target);
    const fs::path temporary = path.parent_path() / ("." + path.filename().string() + ".part");
    std::error_code error;
    // copy_file gives the new file the source's permissions, so the programs stay executable.
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

CopyResult CopyFiles(const std::string& sourceDir, const std::string& targetDir,
                     const std::vector<std::string>& files, CopyProgress& progress) {
    for (const std::string& name : files) {
        progress.ShowFile(name);
        progress.Pump();
        if (progress.CancelConfirmed()) return CopyResult::kCancelled;
        const fs::path target = fs::path(targetDir + name);
        std::error_code error;
        // A file in a listed folder (the help) needs that folder; the target itself exists.
        if (target.parent_path() != fs::path(targetDir).parent_path())
            fs::create_directory(target.parent_path(), error);
        if (error || !CopyOneFile(sourceDir + name, target.string())) return CopyResult::kFailed;
    }
    return CopyResult::kSucceeded;
}

}  // namespace lumox::setup

#ifndef LUMOX_SETUP_FILE_COPY_H
#define LUMOX_SETUP_FILE_COPY_H

#include <string>
#include <vector>

namespace lumox::setup {

class SetupPrompt;

// What the copy loop needs of the COPY dialog.
class CopyProgress {
public:
    virtual ~CopyProgress() = default;
    // Shows the name of the file about to be copied.
    virtual void ShowFile(const std::string& name) = 0;
    // Handles every waiting window event (the Cancel button among them).
    virtual void Pump() = 0;
    // Whether the user confirmed quitting.
    virtual bool CancelConfirmed() const = 0;
};

// Asks whether to quit the unfinished installation (the COPY dialog's Cancel).
bool ConfirmQuit(SetupPrompt& prompt);

enum class CopyResult { kSucceeded, kCancelled, kFailed };

// Copies each file from sourceDir to targetDir (both ending in '/'), overwriting, and
// stops at the first failure or at a confirmed Cancel. Each file is written under a
// temporary name in its folder and renamed, so an interrupted copy never leaves a
// half-written file under the real name; files copied earlier stay.
CopyResult CopyFiles(const std::string& sourceDir, const std::string& targetDir,
                     const std::vector<std::string>& files, CopyProgress& progress);

// Copies one file that way; false when it could not be copied (the temporary file is removed).
bool CopyOneFile(const std::string& source, const std::string& target);

}  // namespace lumox::setup

#endif

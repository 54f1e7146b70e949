#ifndef LUMOX_SETUP_INSTALLER_H
#define LUMOX_SETUP_INSTALLER_H

#include <optional>
#include <string>

#include "setup/free_space.h"

namespace lumox::setup {

class CopyProgress;
class MenuClient;
class SetupPrompt;

// The windows of one installation: the Qt program shows dialogs, tests answer from a script.
class InstallerUi {
public:
    virtual ~InstallerUi() = default;
    // Shows INSTALL with target; the accepted, validated and stored target, or nothing
    // after Cancel.
    virtual std::optional<std::string> AskTarget(const std::string& target) = 0;
    // Opens COPY for the copy loop, and closes it again.
    virtual CopyProgress& OpenCopy() = 0;
    virtual void CloseCopy() = 0;
    virtual SetupPrompt& Prompt() = 0;
};

// Where the files come from and the services the installation uses.
struct InstallerContext {
    std::string sourceDir;
    std::string defaultTarget;
    FreeSpaceQuery freeSpace;
    MenuClient* menu = nullptr;
};

// One run: asks for the target until it has room and exists, copies the files and creates
// the program group. Returns the program's exit status (0).
int RunInstaller(InstallerUi& ui, const InstallerContext& context);

}  // namespace lumox::setup

#endif

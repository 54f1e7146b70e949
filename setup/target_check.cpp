#include "setup/target_check.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "setup/setup_texts.h"

namespace lumox::setup {

std::optional<std::string> ValidateTarget(const std::string& text) {
    if (text.empty()) return kTargetEmpty;
    if (text[0] != '/') return kTargetNotAbsolute;
    // The file system refuses only NUL; control characters could not be written into a
    // menu entry, so they are refused with it.
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) return kTargetBadCharacter;
    }
    return std::nullopt;
}

std::string StoredTarget(const std::string& text) {
    if (text.size() > 1 && text.back() == '/') return text.substr(0, text.size() - 1);
    return text;
}

std::string CopyFolder(const std::string& target) {
    return !target.empty() && target.back() == '/' ? target : target + "/";
}

std::string DefaultTarget() {
    const char* home = std::getenv("HOME");
    std::string folder = home != nullptr ? home : "";
    if (folder.empty()) {
        if (const passwd* entry = getpwuid(getuid())) folder = entry->pw_dir;
    }
    return StoredTarget(folder) + "/Lumox";
}

}  // namespace lumox::setup

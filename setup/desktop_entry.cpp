#include "setup/desktop_entry.h"

#include <filesystem>

namespace lumox::setup {

std::string DirectoryFileName() { return std::string(kMenuVendor) + "lumox.directory"; }

std::string DesktopFileName(const MenuEntry& entry) {
    return std::string(kMenuVendor) + entry.id + ".desktop";
}

std::string ExecArgument(const std::string& text) {
    // Inside quotes '"', '`', '$' and '\' take a backslash; the string escaping of the
    // value then doubles every backslash. '%' would start a field code.
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '`' || c == '$') {
            quoted += "\\\\";
            quoted += c;
        } else if (c == '\\') {
            quoted += "\\\\\\\\";
        } else if (c == '%') {
            quoted += "%%";
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

namespace {

// A plain string value: only the backslash needs escaping once control characters are out.
std::string StringValue(const std::string& text) {
    std::string value;
    for (char c : text) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

}  // namespace

std::string DirectoryEntryText(const std::string& name) {
    return "[Desktop Entry]\nType=Directory\nName=" + StringValue(name) + "\n";
}

std::string DesktopEntryText(const MenuEntry& entry) {
    std::string text = "[Desktop Entry]\nType=Application\nName=" + StringValue(entry.title) + "\n";
    if (entry.program) {
        const std::string folder = std::filesystem::path(entry.path).parent_path().string();
        text += "Exec=" + ExecArgument(entry.path) + "\n";
        text += "Path=" + StringValue(folder) + "\n";
    } else {
        text += "Exec=xdg-open " + ExecArgument(entry.path) + "\n";
    }
    if (!entry.icon.empty()) text += "Icon=" + StringValue(entry.icon) + "\n";
    return text + "Terminal=false\n";
}

}  // namespace lumox::setup

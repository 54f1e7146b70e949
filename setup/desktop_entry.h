#ifndef LUMOX_SETUP_DESKTOP_ENTRY_H
#define LUMOX_SETUP_DESKTOP_ENTRY_H

#include <string>

#include "setup/menu_client.h"

namespace lumox::setup {

// Vendor prefix of every menu file the installer writes.
inline constexpr const char* kMenuVendor = "lumox-";

// File names of the submenu's directory entry and of one item's desktop entry.
std::string DirectoryFileName();
std::string DesktopFileName(const MenuEntry& entry);

// One argument of an Exec line: quoted, with the characters that the quoting and the
// entry's string escaping treat specially escaped, and '%' doubled.
std::string ExecArgument(const std::string& text);

// The text of the submenu's directory entry and of one item's desktop entry (LF line ends).
std::string DirectoryEntryText(const std::string& name);
std::string DesktopEntryText(const MenuEntry& entry);

}  // namespace lumox::setup

#endif

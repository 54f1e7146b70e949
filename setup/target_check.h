#ifndef LUMOX_SETUP_TARGET_CHECK_H
#define LUMOX_SETUP_TARGET_CHECK_H

#include <optional>
#include <string>

namespace lumox::setup {

// The message for a target folder the INSTALL dialog must refuse, checked in a fixed order
// (empty, not absolute, a character that cannot be part of a path), or nothing when the text
// is acceptable.
std::optional<std::string> ValidateTarget(const std::string& text);

// The accepted text as it is stored: one trailing '/' removed, except from "/" itself.
std::string StoredTarget(const std::string& text);

// The folder the files are copied into: the stored target with its trailing '/'.
std::string CopyFolder(const std::string& target);

// The suggested target: a folder "Lumox" in the user's home, written out in full.
std::string DefaultTarget();

}  // namespace lumox::setup

#endif

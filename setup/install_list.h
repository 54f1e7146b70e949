#ifndef LUMOX_SETUP_INSTALL_LIST_H
#define LUMOX_SETUP_INSTALL_LIST_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumox::setup {

// The distribution's files in the order they are copied; "help" is a folder.
const std::vector<std::string>& DistributionFiles();

// One item of the program group: its path below the target folder, its title, whether it
// is the program itself (started directly) or a document (opened with its viewer), and its
// icon: for the program a file below the target folder, for a document an icon name of
// the desktop's theme.
struct MenuItem {
    const char* id;
    const char* file;
    const char* title;
    bool program;
    const char* icon;
};
const std::vector<MenuItem>& GroupItems();

// The files to copy, relative to sourceDir: each listed file, and for a listed folder every
// file in it by name. A listed name that is missing stays in the list, so that its copy
// fails and says so.
std::vector<std::string> ExpandFiles(const std::string& sourceDir,
                                     const std::vector<std::string>& listed);

// The size of one block of a file system: the least room a file that is not empty takes.
constexpr std::uint64_t kBlockBytes = 4096;

// The bytes the files under sourceDir take on a file system, each in whole blocks (missing
// files count nothing).
std::uint64_t SpaceNeeded(const std::string& sourceDir, const std::vector<std::string>& files);

}  // namespace lumox::setup

#endif

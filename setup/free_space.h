#ifndef LUMOX_SETUP_FREE_SPACE_H
#define LUMOX_SETUP_FREE_SPACE_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace lumox::setup {

// Free kilobytes an unprivileged user may fill in the file system holding an existing
// folder, or nothing when it cannot be queried.
using FreeSpaceQuery = std::function<std::optional<std::uint64_t>(const std::string& folder)>;

// The query through statvfs.
std::optional<std::uint64_t> StatvfsFreeKilobytes(const std::string& folder);

// The target itself when it is an existing folder, else its nearest existing ancestor.
std::string NearestExistingFolder(const std::string& target);

// Kilobytes needed for the given bytes, rounded up.
std::uint64_t KilobytesFor(std::uint64_t bytes);

// Whether the file system of the target has room for requiredBytes. A query that fails
// lets the installation go on: the copy then stops with its own message if space runs out.
// folder receives the folder that was queried.
bool EnoughSpace(const std::string& target, std::uint64_t requiredBytes,
                 const FreeSpaceQuery& query, std::string* folder);

}  // namespace lumox::setup

#endif

#include "setup/free_space.h"

#include <sys/statvfs.h>

#include <filesystem>
#include <system_error>

namespace lumox::setup {

namespace fs = std::filesystem;

std::optional<std::uint64_t> StatvfsFreeKilobytes(const std::string& folder) {
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0) return std::nullopt;
    // Whole kilobytes of blocks first, so the product cannot overflow for any size.
    const std::uint64_t blockSize = info.f_frsize != 0 ? info.f_frsize : info.f_bsize;
    const std::uint64_t blocks = info.f_bavail;
    if (blockSize % 1024 == 0) return blocks * (blockSize / 1024);
    return static_cast<std::uint64_t>(static_cast<long double>(blocks) * blockSize / 1024);
}

std::string NearestExistingFolder(const std::string& target) {
    fs::path path = fs::path(target).lexically_normal();
    for (;;) {
        std::error_code error;
        if (fs::is_directory(path, error)) return path.string();
        const fs::path parent = path.parent_path();
        if (parent.empty() || parent == path) return path.string();
        path = parent;
    }
}

std::uint64_t KilobytesFor(std::uint64_t bytes) { return bytes / 1024 + (bytes % 1024 != 0); }

bool EnoughSpace(const std::string& target, std::uint64_t requiredBytes,
                 const FreeSpaceQuery& query, std::string* folder) {
    *folder = NearestExistingFolder(target);
    const std::optional<std::uint64_t> free = query(*folder);
    return !free || *free >= KilobytesFor(requiredBytes);
}

}  // namespace lumox::setup

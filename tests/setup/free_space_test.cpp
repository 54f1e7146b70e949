#include "setup/free_space.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace lumox::setup {
namespace {

using lumox::test::TempDir;

TEST(FreeSpace, NearestExistingFolder) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("a"));
    dir.Write("a/file", "x");
    const struct {
        std::string target;
        std::string nearest;
    } cases[] = {
        {dir.File("a"), dir.File("a")},
        {dir.File("a") + "/", dir.File("a") + "/"},
        {dir.File("a/b"), dir.File("a")},
        {dir.File("a/b/c/d/"), dir.File("a")},
        {dir.File("a/file/b"), dir.File("a")},  // a file is no folder to install into
        {"/", "/"},
    };
    for (const auto& c : cases) EXPECT_EQ(NearestExistingFolder(c.target), c.nearest) << c.target;
}

TEST(FreeSpace, RequiresTheSizeOfTheFilesFromTheInjectedQuery) {
    const struct {
        std::optional<std::uint64_t> freeKb;
        std::uint64_t requiredBytes;
        bool enough;
    } cases[] = {
        {1, 1024, true},
        {1, 1025, false},  // part of a kilobyte needs a whole one
        {0, 1, false},
        {0, 0, true},
        {700, 30'000'000, false},  // a fixed 700 KB would pass this
        {29'297, 30'000'000, true},
        {29'296, 30'000'000, false},
        {std::nullopt, 30'000'000, true},  // unknown: the copy reports a full disk itself
    };
    TempDir dir;
    const std::string target = dir.File("new/Lumox");
    for (const auto& c : cases) {
        std::vector<std::string> asked;
        const FreeSpaceQuery query = [&](const std::string& folder) {
            asked.push_back(folder);
            return c.freeKb;
        };
        std::string folder;
        EXPECT_EQ(EnoughSpace(target, c.requiredBytes, query, &folder), c.enough)
            << c.requiredBytes;
        EXPECT_EQ(folder, dir.Path());
        EXPECT_EQ(asked, std::vector<std::string>{dir.Path()});
    }
}

TEST(FreeSpace, StatvfsAgreesWithTheFileSystem) {
    TempDir dir;
    const std::optional<std::uint64_t> free = StatvfsFreeKilobytes(dir.Path());
    ASSERT_TRUE(free);
    const std::uint64_t available = std::filesystem::space(dir.Path()).available / 1024;
    // Other programs write meanwhile: agree within 64 MB.
    EXPECT_LE(*free > available ? *free - available : available - *free, 65536u);
    EXPECT_FALSE(StatvfsFreeKilobytes(dir.File("missing")));
}

}  // namespace
}  // namespace lumox::setup

#include "setup/file_copy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "setup/install_list.h"
#include "setup/setup_texts.h"
#include "setup_fakes.h"
#include "support/temp_dir.h"

namespace lumox::setup {
namespace {

namespace fs = std::filesystem;
using lumox::test::ReadFile;
using lumox::test::TempDir;
using test::FakeProgress;
using test::RecordingPrompt;
using test::Shown;

// A source folder of four files (one executable, two in a folder) and an empty target.
class CopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(source_.File("src/help"));
        fs::create_directory(target_.File("dst"));
        source_.Write("src/prog", "#!/bin/sh\necho hi\n");
        fs::permissions(source_.File("src/prog"), fs::perms(0755));
        source_.Write("src/readme.txt", std::string(100000, 'r'));
        source_.Write("src/help/b.html", "<p>b</p>");
        source_.Write("src/help/a.html", "<p>a</p>");
    }
    std::string From() const { return source_.File("src") + "/"; }
    std::string To() const { return target_.File("dst") + "/"; }
    std::vector<std::string> Files() const {
        return ExpandFiles(From(), {"prog", "help", "readme.txt"});
    }
    bool Copied(const std::string& name) const {
        return fs::exists(To() + name) && ReadFile(To() + name) == ReadFile(From() + name);
    }
    // Everything in the target folder, temporary files included.
    std::vector<std::string> TargetListing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(To()))
            names.push_back(fs::relative(entry.path(), To()).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir source_;
    TempDir target_;
    RecordingPrompt prompt_;
};

TEST_F(CopyTest, ListExpandsFoldersByNameAndKeepsMissingFiles) {
    EXPECT_EQ(
        ExpandFiles(From(), {"prog", "help", "missing", "readme.txt"}),
        (std::vector<std::string>{"prog", "help/a.html", "help/b.html", "missing", "readme.txt"}));
    // Each file takes whole blocks: 18, 8 and 8 bytes one each, 100000 bytes twenty-five.
    EXPECT_EQ(SpaceNeeded(From(), ExpandFiles(From(), {"prog", "help", "missing", "readme.txt"})),
              (1u + 1u + 1u + 25u) * kBlockBytes);
}

TEST_F(CopyTest, CopiesEveryFileWithItsPermissions) {
    FakeProgress progress(prompt_);
    ASSERT_EQ(CopyFiles(From(), To(), Files(), progress), CopyResult::kSucceeded);
    EXPECT_EQ(progress.names, Files());
    EXPECT_EQ(TargetListing(), (std::vector<std::string>{"help", "help/a.html", "help/b.html",
                                                         "prog", "readme.txt"}));
    for (const std::string& name : Files()) EXPECT_TRUE(Copied(name)) << name;
    EXPECT_EQ(fs::status(To() + "prog").permissions() & fs::perms::all, fs::perms(0755));
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(CopyTest, ReplacesEarlierFilesByRenamingNeverWritingThroughThem) {
    target_.Write("dst/prog", "old");
    // Written in place, the copy would go through the link into the other file.
    target_.Write("other", "not ours");
    fs::create_symlink(target_.File("other"), target_.File("dst/readme.txt"));
    FakeProgress progress(prompt_);
    ASSERT_EQ(CopyFiles(From(), To(), Files(), progress), CopyResult::kSucceeded);
    EXPECT_TRUE(Copied("prog"));
    EXPECT_TRUE(Copied("readme.txt"));
    EXPECT_FALSE(fs::is_symlink(To() + "readme.txt"));
    EXPECT_EQ(ReadFile(target_.File("other")), "not ours");
}

TEST_F(CopyTest, CancelAsksAndOnlyYesStops) {
    const Shown question{kQuitQuestion, kWindowTitle, PromptIcon::kQuestion};
    const struct {
        bool answer;
        CopyResult result;
        std::vector<std::string> listing;
    } cases[] = {
        // No: copying goes on with this file and the next.
        {false,
         CopyResult::kSucceeded,
         {"help", "help/a.html", "help/b.html", "prog", "readme.txt"}},
        // Yes: the file shown is not copied; those before it stay.
        {true, CopyResult::kCancelled, {"help", "help/a.html", "prog"}},
    };
    for (const auto& c : cases) {
        fs::remove_all(To());
        fs::create_directory(To());
        RecordingPrompt prompt;
        prompt.answers = {c.answer};
        FakeProgress progress(prompt);
        progress.cancelAt = "help/b.html";
        EXPECT_EQ(CopyFiles(From(), To(), Files(), progress), c.result) << c.answer;
        EXPECT_EQ(prompt.shown, std::vector<Shown>{question});
        EXPECT_EQ(TargetListing(), c.listing) << c.answer;
    }
}

TEST_F(CopyTest, FailedCopyStopsKeepsWhatWasCopiedAndLeavesNoPartialFile) {
    // A folder where a file should be cannot be copied; an older file of that name stays whole.
    fs::create_directory(source_.File("src/broken"));
    target_.Write("dst/broken", "earlier installation");
    FakeProgress progress(prompt_);
    const std::vector<std::string> files = {"prog", "broken", "readme.txt"};
    EXPECT_EQ(CopyFiles(From(), To(), files, progress), CopyResult::kFailed);
    EXPECT_EQ(progress.names, (std::vector<std::string>{"prog", "broken"}));
    EXPECT_EQ(TargetListing(), (std::vector<std::string>{"broken", "prog"}));
    EXPECT_TRUE(Copied("prog"));
    EXPECT_EQ(ReadFile(To() + "broken"), "earlier installation");
}

TEST_F(CopyTest, MissingSourceOrBlockedNameFailsWithoutLeftovers) {
    FakeProgress progress(prompt_);
    EXPECT_EQ(CopyFiles(From(), To(), {"prog", "missing", "readme.txt"}, progress),
              CopyResult::kFailed);
    EXPECT_EQ(TargetListing(), std::vector<std::string>{"prog"});
    // A folder in the way of the rename: the temporary copy is removed again.
    fs::create_directories(To() + "readme.txt/inside");
    EXPECT_FALSE(CopyOneFile(From() + "readme.txt", To() + "readme.txt"));
    EXPECT_EQ(TargetListing(),
              (std::vector<std::string>{"prog", "readme.txt", "readme.txt/inside"}));
}

}  // namespace
}  // namespace lumox::setup

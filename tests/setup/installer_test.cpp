#include "setup/installer.h"

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
using test::FakeMenu;
using test::FakeUi;
using test::Shown;

// A distribution folder holding every listed file (small ones) and a home to install into.
class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dist_.File("help"));
        for (const std::string& name : DistributionFiles()) {
            if (name != "help") dist_.Write(name, "contents of " + name + "\n");
        }
        dist_.Write("help/index.html", "<html></html>\n");
        context_.sourceDir = dist_.Path();
        context_.defaultTarget = home_.File("Lumox");
        context_.freeSpace = [this](const std::string& folder) {
            queried_.push_back(folder);
            return std::optional<std::uint64_t>(freeKb_);
        };
        context_.menu = &menu_;
    }
    std::string Target() const { return home_.File("Lumox"); }

    TempDir dist_;
    TempDir home_;
    FakeUi ui_;
    FakeMenu menu_;
    InstallerContext context_;
    std::uint64_t freeKb_ = 1'000'000;
    std::vector<std::string> queried_;
};

TEST_F(InstallerTest, InstallsEveryFileAndTheGroup) {
    ui_.targets = {Target()};
    EXPECT_EQ(RunInstaller(ui_, context_), 0);
    EXPECT_EQ(ui_.offered, std::vector<std::string>{Target()});
    for (const std::string& name : ExpandFiles(dist_.Path(), DistributionFiles()))
        EXPECT_EQ(ReadFile(Target() + "/" + name), ReadFile(dist_.File(name))) << name;
    EXPECT_EQ(ui_.copyOpened, 1);
    EXPECT_EQ(ui_.copyClosed, 1);
    EXPECT_EQ(menu_.calls.size(), 10u);
    EXPECT_EQ(menu_.calls[2],
              "group Lumox lumox " + Target() + "/lumox Lumox Equation Fitting program");
    EXPECT_EQ(ui_.prompt.shown, (std::vector<Shown>{{kComplete, kWindowTitle, PromptIcon::kNone}}));
}

TEST_F(InstallerTest, CancelAtTheStartDoesNothing) {
    EXPECT_EQ(RunInstaller(ui_, context_), 0);
    EXPECT_EQ(ui_.offered, std::vector<std::string>{Target()});
    EXPECT_FALSE(fs::exists(Target()));
    EXPECT_EQ(ui_.copyOpened, 0);
    EXPECT_TRUE(menu_.calls.empty());
    EXPECT_TRUE(ui_.prompt.shown.empty());
}

TEST_F(InstallerTest, TooLittleSpaceAsksAgainWithTheLastTarget) {
    const std::string other = home_.File("Other");
    freeKb_ = 0;
    ui_.targets = {other, std::nullopt};
    RunInstaller(ui_, context_);
    EXPECT_EQ(ui_.offered, (std::vector<std::string>{Target(), other}));
    EXPECT_EQ(queried_, std::vector<std::string>{home_.Path()});
    EXPECT_EQ(ui_.prompt.shown, (std::vector<Shown>{{"Not enough space on '" + home_.Path() +
                                                         "'. Please select another folder..",
                                                     kNoSpaceCaption, PromptIcon::kWarning}}));
    EXPECT_FALSE(fs::exists(other));
}

TEST_F(InstallerTest, MissingParentAsksAgainThenInstalls) {
    const std::string deep = home_.File("no/such/Lumox");
    ui_.targets = {deep, Target()};
    RunInstaller(ui_, context_);
    // The dialog comes back with the folder last entered.
    EXPECT_EQ(ui_.offered, (std::vector<std::string>{Target(), deep}));
    EXPECT_FALSE(fs::exists(home_.File("no")));
    EXPECT_EQ(ui_.prompt.shown,
              (std::vector<Shown>{
                  {"Cannot create directory " + deep + ". Please select another name or folder...",
                   kNoDirectoryCaption, PromptIcon::kWarning},
                  {kComplete, kWindowTitle, PromptIcon::kNone}}));
}

TEST_F(InstallerTest, CopyOutcomesDecideTheGroupAndTheLastMessage) {
    const struct {
        const char* name;
        bool breakSource;
        std::optional<bool> cancelAnswer;
        std::string menuFailAt;
        std::vector<Shown> shown;
        bool groupTried;
    } cases[] = {
        {"copy fails",
         true,
         std::nullopt,
         "",
         {{kCopyError, kCopyErrorCaption, PromptIcon::kWarning}},
         false},
        {"cancelled",
         false,
         true,
         "",
         {{kQuitQuestion, kWindowTitle, PromptIcon::kQuestion}},
         false},
        {"cancel refused",
         false,
         false,
         "",
         {{kQuitQuestion, kWindowTitle, PromptIcon::kQuestion},
          {kComplete, kWindowTitle, PromptIcon::kNone}},
         true},
        {"group fails",
         false,
         std::nullopt,
         "item",
         {{kItemFailed, kMenuErrorCaption, PromptIcon::kWarning},
          {kMenuProblem, kMenuErrorCaption, PromptIcon::kWarning}},
         true},
    };
    for (const auto& c : cases) {
        fs::remove_all(Target());
        if (c.breakSource) fs::remove(dist_.File("tab21.dat"));
        FakeUi ui;
        FakeMenu menu;
        menu.failAt = c.menuFailAt;
        context_.menu = &menu;
        ui.targets = {Target()};
        if (c.cancelAnswer) {
            ui.progress.cancelAt = "readme.txt";
            ui.prompt.answers = {*c.cancelAnswer};
        }
        RunInstaller(ui, context_);
        EXPECT_EQ(ui.prompt.shown, c.shown) << c.name;
        EXPECT_EQ(!menu.calls.empty(), c.groupTried) << c.name;
        EXPECT_EQ(ui.copyClosed, 1) << c.name;
        // Whatever was copied before the stop stays.
        EXPECT_TRUE(fs::exists(Target() + "/lumox")) << c.name;
        if (c.breakSource) dist_.Write("tab21.dat", "contents of tab21.dat\n");
    }
}

}  // namespace
}  // namespace lumox::setup

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "setup/desktop_entry.h"
#include "setup/menu_client.h"
#include "setup/setup_texts.h"
#include "setup/xdg_menu_client.h"
#include "setup_fakes.h"
#include "support/temp_dir.h"

namespace lumox::setup {
namespace {

namespace fs = std::filesystem;
using lumox::test::ReadFile;
using lumox::test::TempDir;
using test::FakeMenu;
using test::RecordingPrompt;
using test::Shown;

const std::string kTarget = "/home/ann/Lumox/";
const std::vector<std::string> kAllCalls = {
    "connect",
    "find",
    "group Lumox lumox /home/ann/Lumox/lumox Lumox Equation Fitting program",
    "item help /home/ann/Lumox/help/index.html Lumox Help",
    "item readme /home/ann/Lumox/readme.txt Documentation",
    "item lxtest /home/ann/Lumox/lxtest.txt Example Results",
    "item overview /home/ann/Lumox/overview.txt Lumox Overview",
    "item padfile /home/ann/Lumox/pad_file.htm Internet Information",
    "item benchmark /home/ann/Lumox/benchmark.txt Benchmark Results",
    "release",
};

std::vector<std::string> Calls(std::initializer_list<int> indexes) {
    std::vector<std::string> calls;
    for (int i : indexes) calls.push_back(kAllCalls[i]);
    return calls;
}

TEST(ProgramGroup, StepsMessagesAndRelease) {
    const struct {
        std::string failAt;
        bool done;
        std::vector<Shown> shown;
        std::vector<std::string> calls;
    } cases[] = {
        {"", true, {}, kAllCalls},
        {"connect",
         false,
         {{kMenuToolMissing, kMenuErrorCaption, PromptIcon::kWarning}},
         Calls({0})},
        {"find",
         false,
         {{kMenuFoldersMissing, kInstallErrorCaption, PromptIcon::kWarning}},
         Calls({0, 1, 9})},
        {"group",
         false,
         {{kGroupFailed, kMenuErrorCaption, PromptIcon::kWarning}},
         Calls({0, 1, 2, 9})},
        {"item lxtest",
         false,
         {{kItemFailed, kMenuErrorCaption, PromptIcon::kWarning}},
         Calls({0, 1, 2, 3, 4, 5, 9})},
    };
    for (const auto& c : cases) {
        FakeMenu menu;
        menu.failAt = c.failAt;
        RecordingPrompt prompt;
        EXPECT_EQ(CreateProgramGroup(menu, prompt, kTarget), c.done) << c.failAt;
        EXPECT_EQ(prompt.shown, c.shown) << c.failAt;
        EXPECT_EQ(menu.calls, c.calls) << c.failAt;
    }
}

TEST(DesktopEntry, ExecArgumentQuotesAndEscapes) {
    const struct {
        std::string path;
        std::string exec;
    } cases[] = {
        {"/opt/lumox", R"("/opt/lumox")"},
        {"/home/ann/My Tools/lumox", R"("/home/ann/My Tools/lumox")"},
        {"/a\"b", R"("/a\\"b")"},
        {"/a$HOME`x`", R"("/a\\$HOME\\`x\\`")"},
        {"/a\\b", R"("/a\\\\b")"},
        {"/100%/x", R"("/100%%/x")"},
        {"/it's", R"("/it's")"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExecArgument(c.path), c.exec) << c.path;
}

TEST(DesktopEntry, WholeEntryTexts) {
    EXPECT_EQ(DirectoryFileName(), "lumox-lumox.directory");
    EXPECT_EQ(DirectoryEntryText("Lumox"), "[Desktop Entry]\nType=Directory\nName=Lumox\n");
    const MenuEntry program{"lumox", "/home/ann/My Tools/lumox", "Lumox Equation Fitting", true,
                            "/home/ann/My Tools/lumox.svg"};
    EXPECT_EQ(DesktopFileName(program), "lumox-lumox.desktop");
    EXPECT_EQ(DesktopEntryText(program),
              "[Desktop Entry]\nType=Application\nName=Lumox Equation Fitting\n"
              "Exec=\"/home/ann/My Tools/lumox\"\nPath=/home/ann/My Tools\n"
              "Icon=/home/ann/My Tools/lumox.svg\nTerminal=false\n");
    const MenuEntry document{"readme", "/home/ann/a\\b/readme.txt", "Documentation", false,
                             "text-x-generic"};
    EXPECT_EQ(DesktopEntryText(document),
              "[Desktop Entry]\nType=Application\nName=Documentation\n"
              "Exec=xdg-open \"/home/ann/a\\\\\\\\b/readme.txt\"\nIcon=text-x-generic\n"
              "Terminal=false\n");
}

// Puts a stand-in xdg-desktop-menu first on PATH for one test. It logs its arguments, keeps
// a copy of each entry it is given, and fails when its arguments contain $FAIL_ON.
class StandInTool : public ::testing::Test {
protected:
    void SetUp() override {
        oldPath_ = std::getenv("PATH");
        fs::create_directory(dir_.File("bin"));
        fs::create_directory(dir_.File("got"));
        const std::string script =
            "#!/bin/sh\n"
            "echo \"$*\" >> '" +
            dir_.File("log") +
            "'\n"
            "for f in \"$@\"; do [ -f \"$f\" ] && cp \"$f\" '" +
            dir_.File("got") +
            "/'; done\n"
            "case \"$*\" in *\"$FAIL_ON\"*) [ -n \"$FAIL_ON\" ] && exit 3;; esac\n"
            "exit 0\n";
        dir_.Write("bin/xdg-desktop-menu", script);
        fs::permissions(dir_.File("bin/xdg-desktop-menu"), fs::perms(0755));
        setenv("PATH", (dir_.File("bin") + ":" + oldPath_).c_str(), 1);
        setenv("XDG_DATA_HOME", dir_.File("data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", dir_.File("config").c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", oldPath_.c_str(), 1);
        unsetenv("FAIL_ON");
        unsetenv("XDG_DATA_HOME");
        unsetenv("XDG_CONFIG_HOME");
    }
    std::vector<std::string> Log() const {
        std::vector<std::string> lines;
        std::string text = ReadFile(dir_.File("log"));
        for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    TempDir dir_;
    std::string oldPath_;
};

std::string Install(const std::string& id) {
    return "install --noupdate --mode user lumox-lumox.directory lumox-" + id + ".desktop";
}

TEST_F(StandInTool, InstallsGroupAndItemsAndStopsAtAFailure) {
    const std::vector<std::string> all = {
        Install("lumox"),    Install("help"),    Install("readme"),    Install("lxtest"),
        Install("overview"), Install("padfile"), Install("benchmark"), "forceupdate --mode user"};
    const struct {
        const char* failOn;
        bool done;
        std::vector<Shown> shown;
        std::vector<std::string> log;
    } cases[] = {
        {"", true, {}, all},
        {"lumox-lumox.desktop",
         false,
         {{kGroupFailed, kMenuErrorCaption, PromptIcon::kWarning}},
         {all[0], all[7]}},
        {"lumox-overview.desktop",
         false,
         {{kItemFailed, kMenuErrorCaption, PromptIcon::kWarning}},
         {all[0], all[1], all[2], all[3], all[4], all[7]}},
    };
    for (const auto& c : cases) {
        fs::remove(dir_.File("log"));
        setenv("FAIL_ON", c.failOn, 1);
        XdgMenuClient client;
        RecordingPrompt prompt;
        EXPECT_EQ(CreateProgramGroup(client, prompt, "/home/ann/My $Tools/"), c.done) << c.failOn;
        EXPECT_EQ(prompt.shown, c.shown) << c.failOn;
        EXPECT_EQ(Log(), c.log) << c.failOn;
    }
    // What the tool was handed: the submenu and each entry pointing into the target.
    EXPECT_EQ(ReadFile(dir_.File("got/lumox-lumox.directory")), DirectoryEntryText("Lumox"));
    EXPECT_EQ(
        ReadFile(dir_.File("got/lumox-lumox.desktop")),
        DesktopEntryText({"lumox", "/home/ann/My $Tools/lumox", "Lumox Equation Fitting", true,
                          "/home/ann/My $Tools/lumox.svg"}));
    EXPECT_EQ(ReadFile(dir_.File("got/lumox-padfile.desktop")),
              DesktopEntryText(
                  {"padfile", "/home/ann/My $Tools/pad_file.htm", "Internet Information", false,
                   "text-html"}));
    EXPECT_TRUE(fs::is_directory(dir_.File("data/applications")));
    EXPECT_TRUE(fs::is_directory(dir_.File("config/menus")));
}

TEST_F(StandInTool, MissingToolIsReported) {
    setenv("PATH", dir_.File("got").c_str(), 1);
    XdgMenuClient client;
    RecordingPrompt prompt;
    EXPECT_FALSE(CreateProgramGroup(client, prompt, "/home/ann/Lumox/"));
    EXPECT_EQ(prompt.shown,
              (std::vector<Shown>{{kMenuToolMissing, kMenuErrorCaption, PromptIcon::kWarning}}));
    EXPECT_TRUE(Log().empty());
}

TEST_F(StandInTool, UnwritableMenuFoldersAreReported) {
    dir_.Write("config", "a file where the folder should be");
    XdgMenuClient client;
    RecordingPrompt prompt;
    EXPECT_FALSE(CreateProgramGroup(client, prompt, "/home/ann/Lumox/"));
    EXPECT_EQ(
        prompt.shown,
        (std::vector<Shown>{{kMenuFoldersMissing, kInstallErrorCaption, PromptIcon::kWarning}}));
    EXPECT_EQ(Log(), std::vector<std::string>{"forceupdate --mode user"});
}

}  // namespace
}  // namespace lumox::setup

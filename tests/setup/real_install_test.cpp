// One real installation of the distribution folder into a temporary home, with the real
// xdg-desktop-menu and the entries checked by desktop-file-validate.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "setup/free_space.h"
#include "setup/install_list.h"
#include "setup/installer.h"
#include "setup/setup_texts.h"
#include "setup/target_check.h"
#include "setup/xdg_menu_client.h"
#include "setup_fakes.h"
#include "support/temp_dir.h"

#ifdef LUMOX_DIST_DIR

namespace lumox::setup {
namespace {

namespace fs = std::filesystem;
using lumox::test::ReadFile;
using lumox::test::TempDir;
using test::FakeUi;
using test::Shown;

// Points the home and the freedesktop folders into a temporary home for one test.
class TemporaryHome {
public:
    explicit TemporaryHome(const std::string& home) {
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
            const char* value = std::getenv(name);
            old_[name] = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
        }
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    }
    ~TemporaryHome() {
        for (const auto& [name, value] : old_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<std::string>> old_;
};

// desktop-file-validate's verdict: empty when the entry passes without a remark.
std::string Validate(const std::string& path) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start("desktop-file-validate", {QString::fromStdString(path)});
    if (!process.waitForFinished(30000)) return "desktop-file-validate did not finish";
    const std::string output = process.readAll().toStdString();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return "exit " + std::to_string(process.exitCode()) + ": " + output;
    return output;
}

TEST(RealInstallation, FilesIdenticalToDistAndValidMenuEntries) {
    ASSERT_FALSE(QStandardPaths::findExecutable("xdg-desktop-menu").isEmpty());
    ASSERT_FALSE(QStandardPaths::findExecutable("desktop-file-validate").isEmpty());
    TempDir home;
    TemporaryHome environment(home.Path());
    const std::string target = DefaultTarget();
    ASSERT_EQ(target, home.File("Lumox"));

    FakeUi ui;
    ui.targets = {target};
    XdgMenuClient menu;
    InstallerContext context{LUMOX_DIST_DIR, target, StatvfsFreeKilobytes, &menu};
    EXPECT_EQ(RunInstaller(ui, context), 0);
    ASSERT_EQ(ui.prompt.shown, (std::vector<Shown>{{kComplete, kWindowTitle, PromptIcon::kNone}}));

    const std::vector<std::string> files = ExpandFiles(LUMOX_DIST_DIR, DistributionFiles());
    EXPECT_GT(files.size(), DistributionFiles().size());  // the help holds several pages
    for (const std::string& name : files) {
        const std::string installed = target + "/" + name;
        ASSERT_TRUE(fs::is_regular_file(installed)) << name;
        EXPECT_EQ(ReadFile(installed), ReadFile(std::string(LUMOX_DIST_DIR) + "/" + name)) << name;
    }
    EXPECT_NE(fs::status(target + "/lumox").permissions() & fs::perms::owner_exec, fs::perms::none);

    const std::string data = home.File(".local/share");
    std::vector<std::string> entries = {data + "/desktop-directories/lumox-lumox.directory"};
    for (const MenuItem& item : GroupItems())
        entries.push_back(data + "/applications/lumox-" + item.id + ".desktop");
    for (const std::string& entry : entries) {
        ASSERT_TRUE(fs::exists(entry)) << entry;
        EXPECT_EQ(Validate(entry), "") << entry;
    }
    // The program's entry shows the program's own icon, installed with it.
    EXPECT_NE(ReadFile(entries[1]).find("\nIcon=" + target + "/lumox.svg\n"), std::string::npos)
        << ReadFile(entries[1]);
    EXPECT_TRUE(fs::is_regular_file(target + "/lumox.svg"));
    // The submenu lists the seven entries in the order of the group.
    const std::string menuFile =
        ReadFile(home.File(".config/menus/applications-merged/user-lumox-lumox.menu"));
    size_t at = menuFile.find("<Directory>lumox-lumox.directory</Directory>");
    ASSERT_NE(at, std::string::npos) << menuFile;
    for (const MenuItem& item : GroupItems()) {
        at = menuFile.find("<Filename>lumox-" + std::string(item.id) + ".desktop</Filename>", at);
        ASSERT_NE(at, std::string::npos) << item.id << "\n" << menuFile;
    }
}

}  // namespace
}  // namespace lumox::setup

#endif

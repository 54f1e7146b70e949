#include "platform/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

#include "support/temp_dir.h"

namespace lumox {
namespace {
namespace fs = std::filesystem;

// The names in a folder, so that a test sees any temporary file left behind.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// Replaces the system calls of the writer for one test and puts them back after it.
class InjectedCalls {
public:
    InjectedCalls() : saved_(AtomicFileCalls()) {}
    ~InjectedCalls() { AtomicFileCalls() = saved_; }
    InjectedCalls(const InjectedCalls&) = delete;
    InjectedCalls& operator=(const InjectedCalls&) = delete;

private:
    FileCalls saved_;
};

TEST(AtomicFile, WritesThroughLinksKeepsModesAndRefusesReadOnlyFiles) {
    struct Case {
        const char* name;
        std::function<std::string(const test::TempDir&)> prepare;  // returns the path to write
        bool written;
        const char* reason;      // in the failure text after "PATH: "
        const char* targetName;  // the file that must hold the new text
    };
    const std::vector<Case> cases = {
        {"new file", [](const test::TempDir& d) { return d.File("new.txt"); }, true, "", "new.txt"},
        {"absolute link",
         [](const test::TempDir& d) {
             d.Write("target.txt", "old");
             fs::create_symlink(d.File("target.txt"), d.File("link.txt"));
             return d.File("link.txt");
         },
         true, "", "target.txt"},
        {"relative link chain",
         [](const test::TempDir& d) {
             fs::create_directory(d.File("sub"));
             d.Write("sub/target.txt", "old");
             fs::create_symlink("sub/target.txt", d.File("first.txt"));
             fs::create_symlink("first.txt", d.File("second.txt"));
             return d.File("second.txt");
         },
         true, "", "sub/target.txt"},
        {"dangling link",
         [](const test::TempDir& d) {
             fs::create_symlink("made.txt", d.File("link.txt"));
             return d.File("link.txt");
         },
         true, "", "made.txt"},
        {"link loop",
         [](const test::TempDir& d) {
             fs::create_symlink("b.txt", d.File("a.txt"));
             fs::create_symlink("a.txt", d.File("b.txt"));
             return d.File("a.txt");
         },
         false, "Too many levels of symbolic links", ""},
        {"read-only file",
         [](const test::TempDir& d) {
             const std::string path = d.Write("locked.txt", "old");
             fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
             return path;
         },
         false, "the file is read-only", "locked.txt"},
        {"folder",
         [](const test::TempDir& d) {
             fs::create_directory(d.File("folder"));
             return d.File("folder");
         },
         false, "Is a directory", ""},
        {"missing folder", [](const test::TempDir& d) { return d.File("none/x.txt"); }, false,
         "No such file or directory", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::string path = c.prepare(dir);
        const bool wasLink = fs::is_symlink(path);
        std::string failure;
        EXPECT_EQ(WriteFileAtomically(path, std::string_view("new"), &failure), c.written);
        if (c.written) {
            EXPECT_EQ(test::ReadFile(dir.File(c.targetName)), "new");
            EXPECT_EQ(fs::is_symlink(path), wasLink);
        } else {
            EXPECT_EQ(failure, path + ": " + c.reason);
            if (*c.targetName) {
                EXPECT_EQ(test::ReadFile(dir.File(c.targetName)), "old");
            }
        }
        for (const std::string& name : Names(dir.Path()))
            EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    }
}

TEST(AtomicFile, KeepsTheModeOfTheFileItReplaces) {
    test::TempDir dir;
    for (const mode_t mode : {0600, 0640, 0664, 0755}) {
        const std::string path = dir.Write("kept.txt", "old");
        ::chmod(path.c_str(), mode);
        ASSERT_TRUE(WriteFileAtomically(path, std::string_view("new")));
        EXPECT_EQ(ModeOf(path), mode);
        EXPECT_EQ(test::ReadFile(path), "new");
    }
}

TEST(AtomicFile, NamesUpToTheLongestAFolderTakes) {
    test::TempDir dir;
    for (const size_t length : {200, 240, 250, 255}) {
        const std::string path = dir.File(std::string(length, 'n'));
        std::string failure;
        ASSERT_TRUE(WriteFileAtomically(path, std::string_view("new"), &failure))
            << length << ": " << failure;
        EXPECT_EQ(test::ReadFile(path), "new") << length;
    }
    for (const std::string& name : Names(dir.Path()))
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}

TEST(AtomicFile, WritesAFifoDirectlyAndReportsAFullDevice) {
    test::TempDir dir;
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = test::ReadFile(fifo); });
    EXPECT_TRUE(WriteFileAtomically(fifo, std::string_view("through the pipe")));
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"pipe"});

    std::string failure;
    EXPECT_FALSE(WriteFileAtomically("/dev/full", std::string_view("x"), &failure));
    EXPECT_EQ(failure, "/dev/full: No space left on device");
    EXPECT_TRUE(WriteFileAtomically("/dev/null", std::string_view("x")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// Faults injected into the write, the flush to disk and the rename: each one leaves the
// old file whole, no temporary file, and a failure text with the path and the reason.
int g_writeCalls = 0;
ssize_t HalfThenFail(int fd, const void* data, size_t size) {
    if (g_writeCalls++ == 0) return ::write(fd, data, size / 2);
    errno = EIO;
    return -1;
}
ssize_t DeviceFull(int, const void*, size_t) {
    errno = ENOSPC;
    return -1;
}
ssize_t NothingWritten(int, const void*, size_t) { return 0; }
int FsyncFails(int) {
    errno = EIO;
    return -1;
}
int RenameFails(const char*, const char*) {
    errno = EXDEV;
    return -1;
}

// While the contents are being written the folder holds no new name: a writer killed at
// that moment (SIGKILL, a power cut) leaves nothing behind.
std::string g_watchedFolder;
std::vector<std::string> g_namesWhileWriting;
ssize_t WriteWatchingTheFolder(int fd, const void* data, size_t size) {
    g_namesWhileWriting = Names(g_watchedFolder);
    return ::write(fd, data, size);
}

TEST(AtomicFile, NoTemporaryNameExistsWhileTheContentsAreWritten) {
    test::TempDir dir;
    const int probe = ::open(dir.Path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe < 0) GTEST_SKIP() << "this file system has no unnamed files (O_TMPFILE)";
    ::close(probe);
    const std::string path = dir.Write("results.txt", "old contents");
    InjectedCalls restore;
    AtomicFileCalls().write = WriteWatchingTheFolder;
    g_watchedFolder = dir.Path();
    ASSERT_TRUE(WriteFileAtomically(path, std::string_view("new contents")));
    EXPECT_EQ(g_namesWhileWriting, std::vector<std::string>{"results.txt"});
    EXPECT_EQ(test::ReadFile(path), "new contents");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"results.txt"});
}

int CreateRefused(const char*, int, mode_t) {
    errno = EACCES;
    return -1;
}

// A folder that takes no new file, around a file that could be written: the failure says
// what could not be made, and where.
TEST(AtomicFile, AFolderWithoutRoomForTheTemporarySaysSo) {
    test::TempDir dir;
    const std::string path = dir.Write("results.txt", "old contents");
    InjectedCalls restore;
    AtomicFileCalls().create = CreateRefused;
    std::string failure;
    EXPECT_FALSE(WriteFileAtomically(path, std::string_view("new"), &failure));
    EXPECT_EQ(failure,
              path + ": cannot create a temporary file in " + dir.Path() + "/: Permission denied");
    EXPECT_EQ(test::ReadFile(path), "old contents");
}

TEST(AtomicFile, InjectedFaultsLeaveTheOldFileAndNoTemporary) {
    struct Case {
        const char* name;
        FileCalls calls;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"write fails midway", {HalfThenFail, ::fsync, ::rename}, "Input/output error"},
        {"device full", {DeviceFull, ::fsync, ::rename}, "No space left on device"},
        {"write makes no progress", {NothingWritten, ::fsync, ::rename}, "Input/output error"},
        {"flush to disk fails", {::write, FsyncFails, ::rename}, "Input/output error"},
        {"rename fails", {::write, ::fsync, RenameFails}, "Invalid cross-device link"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::string path = dir.Write("results.txt", "old contents");
        InjectedCalls restore;
        AtomicFileCalls() = c.calls;
        g_writeCalls = 0;
        std::string failure;
        EXPECT_FALSE(WriteFileAtomically(path, std::string(100000, 'n'), &failure));
        EXPECT_EQ(failure, path + ": " + c.reason);
        EXPECT_EQ(test::ReadFile(path), "old contents");
        EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"results.txt"});
    }
    test::TempDir dir;
    const std::string path = dir.Write("results.txt", "old contents");
    std::string failure;
    EXPECT_FALSE(WriteFileAtomically(
        path, [](std::ostream& out) { return !(out << "half"); }, &failure));
    EXPECT_EQ(failure, path + ": the contents could not be composed");
    EXPECT_EQ(test::ReadFile(path), "old contents");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"results.txt"});
}

// A write interrupted by SIGTERM or SIGINT: the process ends by the signal, as it would
// have without the writer, and its temporary file is gone.
int g_signal = 0;
ssize_t SignalMidway(int fd, const void* data, size_t size) {
    const ssize_t written = ::write(fd, data, size / 2);
    ::raise(g_signal);
    return written;
}

TEST(AtomicFile, ASignalDuringTheWriteLeavesNoTemporary) {
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        test::TempDir dir;
        const std::string path = dir.Write("results.txt", "old contents");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            g_signal = signal;
            AtomicFileCalls().write = SignalMidway;
            WriteFileAtomically(path, std::string(100000, 'n'));
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WIFSIGNALED(status) ? WTERMSIG(status) : 0, signal);
        EXPECT_EQ(test::ReadFile(path), "old contents");
        EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"results.txt"});
    }
}

}  // namespace
}  // namespace lumox

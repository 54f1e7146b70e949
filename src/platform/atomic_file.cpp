#include "platform/atomic_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <random>
#include <sstream>

namespace lumox {
namespace {

FileCalls g_calls{::write, ::fsync, ::rename};

// The temporary file being written, removed by the signal handler when the program is
// interrupted; only async-signal-safe state.
char g_pendingTemporary[PATH_MAX + 1];
volatile std::sig_atomic_t g_havePending = 0;
struct sigaction g_previousInt {};
struct sigaction g_previousTerm {};

extern "C" void RemovePendingAndResignal(int signal) {
    if (g_havePending) ::unlink(g_pendingTemporary);
    ::sigaction(signal, signal == SIGINT ? &g_previousInt : &g_previousTerm, nullptr);
    ::raise(signal);
}

void InstallSignalCleanup() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    struct sigaction action {};
    action.sa_handler = RemovePendingAndResignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction& previous = signal == SIGINT ? g_previousInt : g_previousTerm;
        if (::sigaction(signal, nullptr, &previous) != 0) continue;
        // An ignored signal cannot interrupt the write; a handler of the program's own
        // stays in charge.
        if (previous.sa_handler != SIG_DFL || (previous.sa_flags & SA_SIGINFO) != 0) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

// Marks a temporary file for removal on SIGINT/SIGTERM for as long as it exists.
class PendingTemporary {
public:
    explicit PendingTemporary(const std::string& path) {
        InstallSignalCleanup();
        if (path.size() > PATH_MAX) return;
        std::memcpy(g_pendingTemporary, path.c_str(), path.size() + 1);
        g_havePending = 1;
    }
    ~PendingTemporary() { g_havePending = 0; }
    PendingTemporary(const PendingTemporary&) = delete;
    PendingTemporary& operator=(const PendingTemporary&) = delete;
};

std::string Failure(const std::string& path, const std::string& reason) {
    return path + ": " + reason;
}

std::string SystemFailure(const std::string& path, int error) {
    return Failure(path, std::strerror(error));
}

// Follows symbolic links (relative ones from their own folder) to the path that is to
// be written; a dangling link gives the file it names.
bool ResolveLinks(const std::string& path, std::string& resolved, std::string& failure) {
    resolved = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(resolved.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(resolved.c_str(), target.data(), target.size());
        if (length < 0) {
            failure = SystemFailure(path, errno);
            return false;
        }
        target.resize(static_cast<size_t>(length));
        if (!target.empty() && target[0] == '/') {
            resolved = target;
        } else {
            const size_t slash = resolved.rfind('/');
            resolved = slash == std::string::npos ? target : resolved.substr(0, slash + 1) + target;
        }
    }
    failure = SystemFailure(path, ELOOP);
    return false;
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
    while (!bytes.empty()) {
        const ssize_t written = g_calls.write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (written == 0) {
            error = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A FIFO, a terminal or a device has no folder entry to replace: it is written directly.
bool WriteDirectly(const std::string& path, const std::string& target, std::string_view bytes,
                   const KeepWaiting& keepWaiting, std::string& failure) {
    const int fd = OpenStreamForWriting(target, keepWaiting);
    if (fd < 0) {
        failure = errno == 0 ? Failure(path, "no program reads from the pipe")
                             : SystemFailure(path, errno);
        return false;
    }
    int error = 0;
    const bool written = WriteAll(fd, bytes, error);
    if (::close(fd) != 0 && written) error = errno;
    if (!written || error != 0) {
        failure = SystemFailure(path, error);
        return false;
    }
    return true;
}

// Where the temporary file could not be made: where the folder itself is missing the
// reason says enough; otherwise say what could not be made, and where, since the file to
// save may well be writable.
std::string CreateFailure(const std::string& path, const std::string& folder, int reason) {
    return reason == ENOENT || reason == ENOTDIR
               ? SystemFailure(path, reason)
               : Failure(path, "cannot create a temporary file in " +
                                   (folder.empty() ? std::string("./") : folder) + ": " +
                                   std::strerror(reason));
}

// Gives the written, unnamed file of fd a temporary name beside the target, the step
// before the rename; false with errno set when it cannot be linked.
bool LinkUnnamed(int fd, const std::string& temporary) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno == EEXIST) return false;
    // Without /proc a privileged writer can still link the file by its descriptor.
    return ::linkat(fd, "", AT_FDCWD, temporary.c_str(), AT_EMPTY_PATH) == 0;
}

bool ReplaceRegularFile(const std::string& path, const std::string& target, const struct stat* old,
                        std::string_view bytes, std::string& failure) {
    const size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::random_device random;
    // The temporary name must itself be a legal name: a long target name is cut so that the
    // dots, the ten digits and ".tmp" still fit the 255 bytes a name may have.
    constexpr size_t kNameMax = 255;
    constexpr size_t kAdded = 1 + 1 + 10 + 4;
    const std::string stem = name.substr(0, kNameMax - kAdded);
    auto TemporaryName = [&] { return folder + "." + stem + "." + std::to_string(random()) + ".tmp"; };

    // The contents are written to a file without a name, which nothing (not even SIGKILL)
    // can leave behind; it gets a name only once it is whole. A file system without unnamed
    // files gets a named temporary file from the start.
    const std::string where = folder.empty() ? std::string(".") : folder;
    int fd = g_calls.create(where.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    const bool unnamed = fd >= 0;
    std::string temporary;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName();
        // The mode a new file gets; an existing file's own mode is set below.
        fd = g_calls.create(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        failure = CreateFailure(path, folder, errno);
        return false;
    }
    std::optional<PendingTemporary> pending;
    if (!unnamed) pending.emplace(temporary);
    int error = 0;
    if (old != nullptr) {
        if (::fchmod(fd, old->st_mode & 07777) != 0) error = errno;
        // Keeping the owner is possible only for a privileged user; otherwise the file
        // becomes the writer's, as any newly saved file does.
        if (error == 0 && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())) {
            [[maybe_unused]] const int ignored = ::fchown(fd, old->st_uid, old->st_gid);
        }
    }
    // The new contents are made durable before they replace the old file.
    if (error == 0 && WriteAll(fd, bytes, error) && g_calls.fsync(fd) != 0) error = errno;
    if (error == 0 && unnamed) {
        bool linked = false;
        for (int attempt = 0; attempt < 100 && !linked; ++attempt) {
            temporary = TemporaryName();
            linked = LinkUnnamed(fd, temporary);
            if (!linked && errno != EEXIST) break;
        }
        if (linked) {
            pending.emplace(temporary);
        } else {
            error = errno;
        }
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && g_calls.rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        if (pending) ::unlink(temporary.c_str());
        failure = SystemFailure(path, error);
        return false;
    }
    return true;
}

}  // namespace

int FileCalls::CreateFile(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

FileCalls& AtomicFileCalls() { return g_calls; }

bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write,
                         std::string* failure, const KeepWaiting& keepWaiting) {
    std::ostringstream contents;
    if (!write(contents) || !contents) {
        if (failure != nullptr) *failure = Failure(path, "the contents could not be composed");
        return false;
    }
    return WriteFileAtomically(path, contents.view(), failure, keepWaiting);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* failure,
                         const KeepWaiting& keepWaiting) {
    std::string reason;
    std::string target;
    bool written = false;
    struct stat info {};
    if (path.empty()) {
        reason = Failure(path, std::strerror(ENOENT));
    } else if (!ResolveLinks(path, target, reason)) {
    } else if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            written = ReplaceRegularFile(path, target, nullptr, bytes, reason);
        } else {
            reason = SystemFailure(path, errno);
        }
    } else if (S_ISDIR(info.st_mode)) {
        reason = SystemFailure(path, EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        written = WriteDirectly(path, target, bytes, keepWaiting, reason);
    } else if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
        // Even a user who may replace it is not to overwrite a file marked read-only.
        reason = Failure(path, "the file is read-only");
    } else {
        written = ReplaceRegularFile(path, target, &info, bytes, reason);
    }
    if (!written && failure != nullptr) *failure = reason;
    return written;
}

}  // namespace lumox

#ifndef LUMOX_PLATFORM_ATOMIC_FILE_H
#define LUMOX_PLATFORM_ATOMIC_FILE_H

#include <sys/types.h>

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/pipe_wait.h"

namespace lumox {

// Writes a file so that a failure never damages what stood there: a regular file is
// replaced through a temporary file beside it, renamed over it only when everything was
// written, with the old file's permissions; a symbolic link is followed to its target; a
// FIFO or device is written directly, a FIFO once a program reads it (while keepWaiting
// agrees); a read-only file is refused. No temporary file survives a failure or a signal.
// On failure returns false and, when failure is given, sets it to the path and the reason
// ("PATH: REASON").
bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write,
                         std::string* failure = nullptr, const KeepWaiting& keepWaiting = {});
// The same for a file whose whole contents are bytes.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* failure = nullptr, const KeepWaiting& keepWaiting = {});

// The system calls the writer makes, replaceable so that tests can inject faults.
struct FileCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
    // Creates the temporary file: open(path, flags, mode).
    int (*create)(const char* path, int flags, mode_t mode) = CreateFile;

    static int CreateFile(const char* path, int flags, mode_t mode);
};
FileCalls& AtomicFileCalls();

}  // namespace lumox

#endif

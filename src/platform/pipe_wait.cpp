#include "platform/pipe_wait.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace lumox {
namespace {

constexpr int kWaitStepMs = 100;

// Waits a step for fd to become ready for events; false when keepWaiting gave up.
// An empty keepWaiting waits without end.
bool WaitReady(int fd, short events, const KeepWaiting& keepWaiting, short& returned) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, keepWaiting ? kWaitStepMs : -1);
    returned = ready > 0 ? entry.revents : 0;
    return ready != 0 || !keepWaiting || keepWaiting();
}

}  // namespace

StreamRead ReadStreamFile(const std::string& path, uint64_t limit, std::string& bytes,
                          const KeepWaiting& keepWaiting, int& error) {
    // Opened without waiting: a FIFO opens at once whether or not a program writes to it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return StreamRead::Failed;
    }
    char buffer[65536];
    StreamRead result = StreamRead::Read;
    while (bytes.size() <= limit) {
        short events = 0;
        if (!WaitReady(fd, POLLIN, keepWaiting, events)) {
            result = StreamRead::Cancelled;
            break;
        }
        if (events == 0) continue;  // no writer yet, or nothing written yet
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            bytes.append(buffer, static_cast<size_t>(got));
        } else if (got == 0) {
            break;  // the writer has closed its end
        } else if (errno != EAGAIN && errno != EINTR) {
            error = errno;
            result = StreamRead::Failed;
            break;
        }
    }
    ::close(fd);
    return result;
}

int OpenStreamForWriting(const std::string& path, const KeepWaiting& keepWaiting) {
    if (!keepWaiting) return ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    // A FIFO without a reader refuses a writer that will not wait (ENXIO): try again
    // while the caller is willing to wait, then write as usual, blocking.
    for (;;) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            return fd;
        }
        if (errno != ENXIO) return -1;
        ::usleep(kWaitStepMs * 1000);
        if (!keepWaiting()) {
            errno = 0;
            return -1;
        }
    }
}

}  // namespace lumox

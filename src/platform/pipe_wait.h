#ifndef LUMOX_PLATFORM_PIPE_WAIT_H
#define LUMOX_PLATFORM_PIPE_WAIT_H

#include <cstdint>
#include <functional>
#include <string>

namespace lumox {

// A FIFO can be read only once a program writes to it, and written only once one reads
// it. While such a pipe waits, this is called every tenth of a second or so; false gives
// up. An empty function waits for as long as it takes.
using KeepWaiting = std::function<bool()>;

enum class StreamRead { Read, Failed, Cancelled };

// Reads the whole of a FIFO or device, at most limit + 1 bytes (more than limit tells
// the caller the stream is too long). Failed sets error to the system's error number.
StreamRead ReadStreamFile(const std::string& path, uint64_t limit, std::string& bytes,
                          const KeepWaiting& keepWaiting, int& error);

// Opens a FIFO or device for writing; -1 with errno set on failure, and errno 0 when
// keepWaiting gave up waiting for a reader.
int OpenStreamForWriting(const std::string& path, const KeepWaiting& keepWaiting);

}  // namespace lumox

#endif

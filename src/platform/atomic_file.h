#ifndef LUMOX_PLATFORM_ATOMIC_FILE_H
#define LUMOX_PLATFORM_ATOMIC_FILE_H

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace lumox {

// Writes a file through a temporary file beside it, renamed over the target only when
// everything was written; a failure leaves the old file whole. Returns false on failure.
bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write);
// The same for a file whose whole contents are bytes.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace lumox

#endif

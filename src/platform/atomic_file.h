#ifndef LUMOX_PLATFORM_ATOMIC_FILE_H
#define LUMOX_PLATFORM_ATOMIC_FILE_H

#include <functional>
#include <ostream>
#include <string>

namespace lumox {

// Writes a file through a temporary file beside it, renamed over the target only when
// everything was written; a failure leaves the old file whole. Returns false on failure.
bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write);

}  // namespace lumox

#endif

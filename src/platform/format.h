#ifndef LUMOX_PLATFORM_FORMAT_H
#define LUMOX_PLATFORM_FORMAT_H

#include <string>

namespace lumox {

// printf-style formatting into a string: the one formatter of every report and message.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace lumox

#endif

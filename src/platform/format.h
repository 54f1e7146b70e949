#ifndef LUMOX_PLATFORM_FORMAT_H
#define LUMOX_PLATFORM_FORMAT_H

#include <cstdarg>
#include <string>

namespace lumox {

// printf-style formatting, the one formatter of every report and message. The output is
// byte for byte what the C library's printf writes in the C locale, for the conversions
// d i u o x X c s p f F e E g G and %% with every flag (- + blank # 0), width and
// precision (given or *), and the length modifiers hh h l ll z j t. Each number is
// converted once, exactly, without the C library's locale or arbitrary-precision code.
// Any other conversion is copied to the output as written, consuming no argument.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends the formatted text to out; the way to build a report without copies.
void AppendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// AppendFormat(out, "%*.*g", width, precision, value) for a width of at least 0, without a
// format to read: for listings that write thousands of numbers.
void AppendGeneral(std::string& out, double value, int width, int precision);
// AppendFormat(out, "%*lld", width, value), a negative width left-justifying, the same way.
void AppendDecimal(std::string& out, long long value, int width);

// The same with the arguments already in a va_list (which is consumed).
void AppendFormatV(std::string& out, const char* format, va_list args)
    __attribute__((format(printf, 2, 0)));

}  // namespace lumox

#endif

#ifndef LUMOX_NUMERIC_NUMBER_TEXT_H
#define LUMOX_NUMERIC_NUMBER_TEXT_H

#include <string_view>

namespace lumox {

// The C library's decimal-to-double conversion (atof) in the C locale, whatever locale
// the desktop set: optional sign, digits with an optional point, optional exponent;
// conversion stops at the first character that does not fit, and nothing gives 0.
double AtoF(std::string_view text);

enum class NumberToken {
    Number,     // the whole token is one decimal number
    NotNumber,  // empty, or anything but one decimal number from start to end
    TooLarge,   // a decimal number beyond the largest double
};

// Reads a whole token as one decimal number: optional sign, digits with an optional point
// (at least one digit), optional exponent with its digits, and nothing else. A number too
// small for a double reads as zero of its sign. value is set only for Number.
NumberToken ReadNumberToken(std::string_view token, double& value);

}  // namespace lumox

#endif

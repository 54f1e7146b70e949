#ifndef LUMOX_NUMERIC_NUMBER_TEXT_H
#define LUMOX_NUMERIC_NUMBER_TEXT_H

#include <string_view>

namespace lumox {

// The C library's decimal-to-double conversion (atof) in the C locale, whatever locale
// the desktop set: optional sign, digits with an optional point, optional exponent;
// conversion stops at the first character that does not fit, and nothing gives 0.
double AtoF(std::string_view text);

}  // namespace lumox

#endif

#include "numeric/number_text.h"

#include <locale.h>
#include <stdlib.h>

#include <string>

namespace lumox {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the leading decimal number of text (after leading blanks): sign, digits
// with an optional point, and an exponent only when digits follow it. Words such as "inf"
// or "nan" and hexadecimal forms are not numbers here, so no NaN can enter a data set.
size_t DecimalPrefix(std::string_view text, size_t start) {
    size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return start;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

double AtoF(std::string_view text) {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || (text[start] >= '\t' && text[start] <= '\r'))) {
        ++start;
    }
    const size_t end = DecimalPrefix(text, start);
    if (end == start) return 0.0;
    const std::string number(text.substr(start, end - start));
    return strtod_l(number.c_str(), nullptr, c_locale);
}

}  // namespace lumox

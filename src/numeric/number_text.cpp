#include "numeric/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "platform/powers_of_ten.h"

namespace lumox {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The leading decimal number of text from start: its end, and the power of ten of its
// first non-zero digit (meaningful only when it has one).
struct DecimalPrefix {
    size_t end = 0;
    long magnitude = 0;
};

// Sign, digits with an optional point, and an exponent only when digits follow it. Words
// such as "inf" or "nan" and hexadecimal forms are not numbers here, so no NaN can enter
// a data set. end == start when there is no number.
DecimalPrefix ScanDecimal(std::string_view text, size_t start) {
    DecimalPrefix prefix;
    prefix.end = start;
    size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    long leading = 0;  // power of ten of the first non-zero digit, before the exponent
    bool nonZero = false;
    long integerDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (nonZero || text[i] != '0') {
            nonZero = true;
            ++integerDigits;
        }
        ++i, ++digits;
    }
    leading = integerDigits - 1;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (long place = -1; i < text.size() && IsDigit(text[i]); ++i, ++digits, --place) {
            if (!nonZero && text[i] != '0') {
                nonZero = true;
                leading = place;
            }
        }
    }
    if (digits == 0) return prefix;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        const bool negative = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            long exponent = 0;
            // Saturated: any exponent this large already decides overflow or underflow.
            for (; j < text.size() && IsDigit(text[j]); ++j) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), 100000L);
            }
            leading += negative ? -exponent : exponent;
            i = j;
        }
    }
    prefix.end = i;
    prefix.magnitude = leading;
    return prefix;
}

// Converts a number that ScanDecimal found; out of range gives infinity or zero of its
// sign, as the C library does.
double Convert(std::string_view number, const DecimalPrefix& prefix, bool& overflow) {
    const bool negative = number[0] == '-';
    // from_chars takes no plus sign.
    const size_t skip = number[0] == '+' ? 1 : 0;
    double value = 0.0;
    const auto result = std::from_chars(number.data() + skip, number.data() + number.size(), value);
    overflow = false;
    if (result.ec == std::errc::result_out_of_range) {
        overflow = prefix.magnitude > 0;
        value = overflow ? HUGE_VAL : 0.0;
        if (negative) value = -value;
    }
    return value;
}

// A plain decimal (sign, digits, point, digits; no exponent) of at most 15 significant
// digits whose point stands at most 22 places from its end: its digits as an integer and
// the power of ten are both exact doubles, so one product or quotient, correctly rounded,
// is the correctly rounded value, as from_chars would give. False for any other form, which
// from_chars reads.
bool ReadShortDecimal(std::string_view token, double& value) {
    const char* p = token.data();
    const char* const end = p + token.size();
    const bool negative = *p == '-';
    if (negative || *p == '+') ++p;
    // One pass: digits gathered into an integer, the point noted.
    const char* const first = p;
    const char* point = nullptr;
    uint64_t digits = 0;
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned>(*p - '0');
        if (digit < 10) {
            digits = digits * 10 + digit;
        } else if (*p == '.' && point == nullptr) {
            point = p;
        } else {
            return false;
        }
    }
    const auto places = static_cast<size_t>(point != nullptr ? end - point - 1 : 0);
    const auto count = static_cast<size_t>(end - first) - (point != nullptr ? 1 : 0);
    // Up to 19 digits cannot overflow; then the integer is below 10^15 exactly when at most
    // 15 of them follow the leading zeros.
    if (count == 0 || count > 19 || digits >= 1000000000000000 ||
        places > kLargestExactPowerOfTen) {
        return false;
    }
    const double number = static_cast<double>(digits);
    value = places > 0 ? number / kExactPowersOfTen[places] : number;
    if (negative) value = -value;
    return true;
}

}  // namespace

double AtoF(std::string_view text) {
    size_t start = 0;
    while (start < text.size() &&
           (text[start] == ' ' || (text[start] >= '\t' && text[start] <= '\r'))) {
        ++start;
    }
    const DecimalPrefix prefix = ScanDecimal(text, start);
    if (prefix.end == start) return 0.0;
    bool overflow = false;
    return Convert(text.substr(start, prefix.end - start), prefix, overflow);
}

NumberToken ReadNumberToken(std::string_view token, double& value) {
    // After its sign a number starts with a digit or a point; from there from_chars takes
    // exactly the forms ScanDecimal does, so the scan is left to the rare value out of
    // range, where its power of ten tells an overflow from an underflow.
    const size_t start = !token.empty() && (token[0] == '+' || token[0] == '-') ? 1 : 0;
    if (start == token.size() || !(IsDigit(token[start]) || token[start] == '.')) {
        return NumberToken::NotNumber;
    }
    if (ReadShortDecimal(token, value)) return NumberToken::Number;
    const size_t skip = token[0] == '+' ? 1 : 0;  // from_chars takes no plus sign
    const char* const end = token.data() + token.size();
    double number = 0.0;
    const auto result = std::from_chars(token.data() + skip, end, number);
    if (result.ptr != end) return NumberToken::NotNumber;
    if (result.ec == std::errc::result_out_of_range) {
        if (ScanDecimal(token, 0).magnitude > 0) return NumberToken::TooLarge;
        number = token[0] == '-' ? -0.0 : 0.0;
    }
    value = number;
    return NumberToken::Number;
}

}  // namespace lumox

#include "platform/format.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "platform/powers_of_ten.h"

namespace lumox {
namespace {

// One conversion directive, as parsed from the format.
struct Directive {
    bool left = false;   // '-'
    bool plus = false;   // '+'
    bool space = false;  // ' '
    bool alt = false;    // '#'
    bool zero = false;   // '0'
    int width = 0;
    int precision = -1;  // -1: none given
    char conversion = '\0';
};

enum class Length { None, Char, Short, Long, LongLong, Size, Max, Diff };

// Writes sign, prefix and body into a field of directive.width: blanks before (or after, with
// '-'), or zeros between the prefix and the body when zeroFill. The field is made blank in
// one step and the texts are copied into it.
void Pad(std::string& out, const Directive& directive, std::string_view prefix,
         std::string_view body, bool zeroFill) {
    const size_t length = prefix.size() + body.size();
    const size_t width = static_cast<size_t>(directive.width);
    const size_t fill = width > length ? width - length : 0;
    const size_t start = out.size();
    out.append(length + fill, ' ');
    char* field = out.data() + start;
    if (!directive.left && !zeroFill) field += fill;
    field = std::copy(prefix.begin(), prefix.end(), field);
    if (!directive.left && zeroFill) field = std::fill_n(field, fill, '0');
    std::copy(body.begin(), body.end(), field);
}

// A scratch buffer for one converted number: on the stack for the usual sizes.
class Scratch {
public:
    explicit Scratch(size_t size) {
        if (size > sizeof small_) {
            large_.resize(size);
            data_ = large_.data();
        }
        size_ = data_ == small_ ? sizeof small_ : size;
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    char* begin() { return data_; }
    char* end() { return data_ + size_; }

private:
    char small_[128];
    std::string large_;
    char* data_ = small_;
    size_t size_ = 0;
};

// The exponent of a scientific form "d.ddde+XX".
int ExponentOf(std::string_view scientific) {
    const size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);
    return exponent;
}

// The number of digits before the point of a finite value of at least 1, exactly.
int IntegerDigits(double magnitude) {
    char digits[320];
    const auto result = std::to_chars(digits, digits + sizeof digits, std::floor(magnitude),
                                      std::chars_format::fixed, 0);
    return static_cast<int>(result.ptr - digits);
}

// A finite value rounded to a number of significant digits: digits[0..count) with
// trailing zeros dropped, and the decimal exponent of the first digit.
struct Rounded {
    // At most 17 digits; the room past them lets CopyDigits copy a fixed span.
    char digits[48];
    int count = 0;
    int exponent = 0;
};

// The value times 10^scale, |scale| at most 22, rounded to an integer as printf rounds the
// exact binary value (halfway to even), when that integer is below 2^52. The scaled value
// is one correctly rounded product or quotient, within half an ulp of the exact one, so the
// nearest integer to it is the answer unless it lies that close to a halfway point; only
// then is the exact value compared with the halfway point, by the sign of one fused
// multiply-add (a single rounding keeps the sign of the exact difference).
double RoundScaled(double value, int scale) {
    const double power = kExactPowersOfTen[std::abs(scale)];
    const double scaled = scale >= 0 ? value * power : value / power;
    // The nearest integer, halfway to even: adding 2^52 leaves no bit below the units.
    const double nearest = (scaled + 0x1p52) - 0x1p52;
    const double distance = std::fabs(scaled - nearest);  // exact: the two are close
    if (std::fabs(distance - 0.5) > scaled * 0x1p-51) return nearest;
    // The sign of value * 10^scale - point, exactly.
    const auto above = [&](double point) {
        return scale >= 0 ? std::fma(value, power, -point) : std::fma(-point, power, value);
    };
    const double halfway = std::floor(scaled) + 0.5;
    const double side = above(halfway);
    if (side == 0.0) return std::fmod(halfway - 0.5, 2.0) == 0.0 ? halfway - 0.5 : halfway + 0.5;
    return side > 0.0 ? halfway + 0.5 : halfway - 0.5;
}

// The value (positive, normal) rounded to precision significant digits, 1 to 14, by exact
// decimal scaling; false when the scale needed is not an exact double (the value lies
// beyond about 10^-22 to 10^22 of the digits' range).
bool RoundSignificant(double magnitude, int precision, Rounded& rounded) {
    uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int binaryExponent = static_cast<int>(bits >> 52) - 1023;
    // floor(binaryExponent * log10(2)): the decimal exponent, or one less.
    int exponent = (binaryExponent * 78913) >> 18;
    const double limit = kExactPowersOfTen[precision];
    double integer = 0.0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int scale = precision - 1 - exponent;
        if (std::abs(scale) > kLargestExactPowerOfTen) return false;
        integer = RoundScaled(magnitude, scale);
        if (integer < limit) break;
        ++exponent;  // one digit too many, or rounding carried into the next power of ten
    }
    if (integer >= limit) {  // the carry: 99.96 to three digits is 100.
        integer /= 10.0;
        ++exponent;
    }
    // Exactly precision digits, written two at a time from the last.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    auto whole = static_cast<uint64_t>(integer);
    int place = precision;
    for (; place >= 2; place -= 2) {
        const uint64_t rest = whole / 100;
        const auto pair = static_cast<size_t>(whole - rest * 100) * 2;
        rounded.digits[place - 2] = kPairs[pair];
        rounded.digits[place - 1] = kPairs[pair + 1];
        whole = rest;
    }
    if (place == 1) rounded.digits[0] = static_cast<char>('0' + whole);
    int count = precision;
    while (count > 1 && rounded.digits[count - 1] == '0') --count;
    rounded.count = count;
    rounded.exponent = exponent;
    return true;
}

// The value (positive, normal, or zero) rounded to precision significant digits, at most 15,
// from its shortest round-trip digits. When those digits are no more than the precision, the
// value lies within half a unit of their last place, so rounding it gives them. When there
// are more, rounding them at the precision rounds the value the same way, unless they end
// exactly on the halfway 5: a rounding boundary (a number of precision + 1 digits) strictly
// between the value and its shortest digits would itself read back as the value, and be as
// short or shorter, and the shortest digits are the closest such. False when the shortcut
// does not apply.
bool RoundShortest(double magnitude, int precision, Rounded& rounded) {
    if (precision > 15 || (magnitude != 0.0 && magnitude < DBL_MIN)) return false;
    char shortest[32];
    const char* const end = std::to_chars(shortest, shortest + sizeof shortest, magnitude,
                                          std::chars_format::scientific)
                                .ptr;
    // "d.ddde+XX" or "de+XX": the exponent is the last few characters, the digits those
    // before it but the point.
    const char* e = end - 1;
    while (*e != 'e') --e;
    int exponent = 0;
    for (const char* c = e + 2; c != end; ++c) exponent = exponent * 10 + (*c - '0');
    if (e[1] == '-') exponent = -exponent;
    char* const digits = rounded.digits;
    digits[0] = shortest[0];
    int count = 1;
    if (e - shortest > 2) {
        const size_t fraction = static_cast<size_t>(e - shortest - 2);
        std::memcpy(digits + 1, shortest + 2, fraction);
        count += static_cast<int>(fraction);
    }
    if (count > precision) {
        const char next = digits[precision];
        if (next == '5' && count == precision + 1) return false;
        count = precision;
        if (next >= '5') {
            int k = count - 1;
            while (k >= 0 && digits[k] == '9') digits[k--] = '0';
            if (k >= 0) {
                ++digits[k];
            } else {
                digits[0] = '1';
                ++exponent;
            }
        }
        while (count > 1 && digits[count - 1] == '0') --count;
    }
    rounded.count = count;
    rounded.exponent = exponent;
    return true;
}

// The most digits CopyDigits copies, and the room its target needs past its start.
constexpr int kDigitSpan = 24;

// Copies count digits, at most kDigitSpan, to out; returns the end. It copies a fixed span,
// a few moves where a copy of exactly count bytes is a library call.
char* CopyDigits(char* out, const char* digits, int count) {
    std::memcpy(out, digits, kDigitSpan);
    return out + count;
}

// %g's text of rounded digits (without '#'): the exponent form, or the fixed one when the
// exponent lies from -4 to below the precision. Returns the end of the text.
char* LayOutGeneral(char* first, const Rounded& rounded, int precision) {
    const char* const digits = rounded.digits;
    const int count = rounded.count;
    const int exponent = rounded.exponent;
    char* out = first;
    if (exponent < -4 || exponent >= precision) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = CopyDigits(out, digits + 1, count - 1);
        }
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        const int power = std::abs(exponent);
        if (power < 10) *out++ = '0';
        return std::to_chars(out, out + 4, power).ptr;
    }
    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        return CopyDigits(out, digits, count);
    }
    const int whole = exponent + 1;
    if (count <= whole) {
        out = CopyDigits(out, digits, count);
        return std::fill_n(out, whole - count, '0');
    }
    out = CopyDigits(out, digits, whole);
    *out++ = '.';
    return CopyDigits(out, digits + whole, count - whole);
}

// %g without '#' of a finite magnitude, for a precision of at most 15: the digits rounded
// exactly, laid out. Returns the end of the text, or nullptr when neither exact rounding
// applies.
char* FastGeneral(char* first, double magnitude, int precision) {
    Rounded rounded;
    const bool scaled =
        precision <= 14 && magnitude >= DBL_MIN && RoundSignificant(magnitude, precision, rounded);
    if (!scaled && !RoundShortest(magnitude, precision, rounded)) return nullptr;
    return LayOutGeneral(first, rounded, precision);
}

// %W.Pg of a normal number in a field of the usual width, no flags: laid out on the stack,
// blanks, sign and digits, and appended in one copy, the form of report listings. False
// when it does not apply.
bool AppendPlainGeneral(std::string& out, double value, int width, int precision) {
    constexpr int kFieldWidth = 32;
    constexpr size_t kLongestText = 32;  // sign, 14 digits, point, zeros or exponent
    const int digits = precision < 0 ? 6 : std::max(precision, 1);
    const double magnitude = std::fabs(value);
    Rounded rounded;
    if (width > kFieldWidth || digits > 14 || !(magnitude >= DBL_MIN && magnitude <= DBL_MAX) ||
        !RoundSignificant(magnitude, digits, rounded)) {
        return false;
    }
    char text[kLongestText + kDigitSpan];
    text[0] = '-';
    const char* const end = LayOutGeneral(text + 1, rounded, digits);
    const char* const begin = std::signbit(value) ? text : text + 1;
    const auto length = static_cast<size_t>(end - begin);
    const size_t fill = static_cast<size_t>(width) > length ? width - length : 0;
    char field[kFieldWidth + kLongestText];
    std::memset(field, ' ', kFieldWidth);
    std::memcpy(field + fill, begin, kLongestText);
    out.append(field, fill + length);
    return true;
}

void AppendDouble(std::string& out, const Directive& directive, double value) {
    if (directive.conversion == 'g' && !directive.left && !directive.plus && !directive.space &&
        !directive.alt && !directive.zero &&
        AppendPlainGeneral(out, value, directive.width, directive.precision)) {
        return;
    }
    const char lower = static_cast<char>(directive.conversion | 0x20);
    const bool upper = directive.conversion != lower;
    char sign[1] = {'\0'};
    if (std::signbit(value)) {
        sign[0] = '-';
    } else if (directive.plus) {
        sign[0] = '+';
    } else if (directive.space) {
        sign[0] = ' ';
    }
    const std::string_view prefix(sign, sign[0] != '\0' ? 1 : 0);
    const double magnitude = std::fabs(value);
    if (!std::isfinite(magnitude)) {
        const char* word =
            std::isnan(magnitude) ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf");
        Pad(out, directive, prefix, word, false);
        return;
    }

    int precision = directive.precision < 0 ? 6 : directive.precision;
    // Room for the digits after the point and the 309 integer digits of the largest double
    // (%f), or for the digits, the point, up to four leading zeros or an exponent (%e, %g).
    Scratch scratch(static_cast<size_t>(precision) + (lower == 'f' ? 320 : 16));
    char* const first = scratch.begin();
    char* last = first;
    switch (lower) {
        case 'f':
            last =
                std::to_chars(first, scratch.end(), magnitude, std::chars_format::fixed, precision)
                    .ptr;
            if (directive.alt && precision == 0) *last++ = '.';
            break;
        case 'e':
            last = std::to_chars(first, scratch.end(), magnitude, std::chars_format::scientific,
                                 precision)
                       .ptr;
            break;
        default:  // 'g'
            if (precision == 0) precision = 1;
            if (!directive.alt) {
                last = FastGeneral(first, magnitude, precision);
                if (last == nullptr) {
                    last = std::to_chars(first, scratch.end(), magnitude,
                                         std::chars_format::general, precision)
                               .ptr;
                }
                break;
            }
            // With '#' the digits are those of %e or %f at precision - 1 - exponent, and
            // trailing zeros stay.
            last = std::to_chars(first, scratch.end(), magnitude, std::chars_format::scientific,
                                 precision - 1)
                       .ptr;
            if (const int exponent = ExponentOf(std::string_view(first, last - first));
                precision > 1 && exponent == precision && IntegerDigits(magnitude) == precision) {
                // The C library picks the form from the unrounded value, here the fixed one
                // with no digit after the point; when rounding then carries into the next
                // power of ten it writes the exponent form still without them: %#g of
                // 999999.5 is "1.e+06".
                char* const point = first + 1;
                char* const e = std::find(point, last, 'e');
                last = std::copy(e, last, point + 1);
            } else if (exponent >= -4 && exponent < precision) {
                last = std::to_chars(first, scratch.end(), magnitude, std::chars_format::fixed,
                                     precision - 1 - exponent)
                           .ptr;
                if (precision - 1 - exponent == 0) *last++ = '.';
            }
            break;
    }
    // '#' keeps a point even when no digit follows it; the fixed form was handled above.
    if (directive.alt && lower != 'f') {
        char* const e = std::find(first, last, 'e');
        if (e != last && std::find(first, e, '.') == e) {
            std::memmove(e + 1, e, static_cast<size_t>(last - e));
            *e = '.';
            ++last;
        }
    }
    if (upper) {
        for (char* c = first; c != last; ++c) {
            if (*c == 'e') *c = 'E';
        }
    }
    Pad(out, directive, prefix, std::string_view(first, static_cast<size_t>(last - first)),
        directive.zero);
}

// Integer conversions d i u o x X (and p): digits, then the precision's leading zeros,
// then sign or base prefix and the field.
template <typename Unsigned>
void AppendInteger(std::string& out, const Directive& directive, Unsigned magnitude,
                   bool negative) {
    static_assert(std::is_unsigned_v<Unsigned>);
    const char c = directive.conversion;
    const int base = c == 'o' ? 8 : (c == 'x' || c == 'X' || c == 'p') ? 16 : 10;
    char digits[80];
    char* last = digits;
    // A precision of 0 prints nothing for the value 0.
    if (!(magnitude == 0 && directive.precision == 0)) {
        last = std::to_chars(digits, digits + sizeof digits, magnitude, base).ptr;
    }
    if (c == 'X') {
        for (char* d = digits; d != last; ++d) {
            if (*d >= 'a' && *d <= 'f') *d = static_cast<char>(*d - 'a' + 'A');
        }
    }
    size_t count = static_cast<size_t>(last - digits);
    size_t zeros = directive.precision > 0 && static_cast<size_t>(directive.precision) > count
                       ? static_cast<size_t>(directive.precision) - count
                       : 0;
    // '#' with o makes the first digit a zero.
    if (c == 'o' && directive.alt && zeros == 0 && (count == 0 || digits[0] != '0')) zeros = 1;

    char prefix[2];
    size_t prefixLength = 0;
    if (c == 'd' || c == 'i') {
        if (negative) {
            prefix[prefixLength++] = '-';
        } else if (directive.plus) {
            prefix[prefixLength++] = '+';
        } else if (directive.space) {
            prefix[prefixLength++] = ' ';
        }
    } else if ((c == 'x' || c == 'X') && directive.alt && magnitude != 0) {
        prefix[prefixLength++] = '0';
        prefix[prefixLength++] = c;
    } else if (c == 'p') {
        prefix[prefixLength++] = '0';
        prefix[prefixLength++] = 'x';
    }

    // A precision turns the '0' flag off.
    const bool zeroFill = directive.zero && directive.precision < 0;
    const std::string_view sign(prefix, prefixLength);
    if (zeros == 0) {
        Pad(out, directive, sign, std::string_view(digits, count), zeroFill);
        return;
    }
    std::string body(zeros, '0');
    body.append(digits, count);
    Pad(out, directive, sign, body, zeroFill);
}

template <typename Signed>
void AppendSigned(std::string& out, const Directive& directive, Signed value) {
    using Unsigned = std::make_unsigned_t<Signed>;
    const bool negative = value < 0;
    const Unsigned magnitude =
        negative ? Unsigned(0) - static_cast<Unsigned>(value) : static_cast<Unsigned>(value);
    AppendInteger(out, directive, magnitude, negative);
}

void AppendText(std::string& out, const Directive& directive, const char* text) {
    if (text == nullptr) text = directive.precision < 0 || directive.precision >= 6 ? "(null)" : "";
    const size_t length = directive.precision < 0
                              ? std::strlen(text)
                              : strnlen(text, static_cast<size_t>(directive.precision));
    Pad(out, directive, {}, std::string_view(text, length), false);
}

}  // namespace

void AppendFormatV(std::string& out, const char* format, va_list args) {
    const char* p = format;
    while (*p != '\0') {
        const char* percent = std::strchr(p, '%');
        if (percent == nullptr) {
            out.append(p);
            return;
        }
        out.append(p, static_cast<size_t>(percent - p));
        const char* const start = percent;
        p = percent + 1;

        Directive directive;
        for (;; ++p) {
            if (*p == '-') {
                directive.left = true;
            } else if (*p == '+') {
                directive.plus = true;
            } else if (*p == ' ') {
                directive.space = true;
            } else if (*p == '#') {
                directive.alt = true;
            } else if (*p == '0') {
                directive.zero = true;
            } else if (*p != '\'') {  // grouping: nothing to group in the C locale
                break;
            }
        }
        if (*p == '*') {
            const int width = va_arg(args, int);
            if (width < 0) directive.left = true;
            directive.width = width < 0 ? -width : width;
            ++p;
        } else {
            for (; *p >= '0' && *p <= '9'; ++p) directive.width = directive.width * 10 + (*p - '0');
        }
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                const int precision = va_arg(args, int);
                directive.precision = precision < 0 ? -1 : precision;
                ++p;
            } else {
                directive.precision = 0;
                for (; *p >= '0' && *p <= '9'; ++p)
                    directive.precision = directive.precision * 10 + (*p - '0');
            }
        }
        Length length = Length::None;
        switch (*p) {
            case 'h':
                length = p[1] == 'h' ? Length::Char : Length::Short;
                p += p[1] == 'h' ? 2 : 1;
                break;
            case 'l':
                length = p[1] == 'l' ? Length::LongLong : Length::Long;
                p += p[1] == 'l' ? 2 : 1;
                break;
            case 'z':
                length = Length::Size;
                ++p;
                break;
            case 'j':
                length = Length::Max;
                ++p;
                break;
            case 't':
                length = Length::Diff;
                ++p;
                break;
            default:
                break;
        }
        if (directive.left) directive.zero = false;
        directive.conversion = *p;
        if (*p != '\0') ++p;

        switch (directive.conversion) {
            case 'd':
            case 'i':
                switch (length) {
                    case Length::Char:
                        AppendSigned(out, directive, static_cast<signed char>(va_arg(args, int)));
                        break;
                    case Length::Short:
                        AppendSigned(out, directive, static_cast<short>(va_arg(args, int)));
                        break;
                    case Length::Long:
                        AppendSigned(out, directive, va_arg(args, long));
                        break;
                    case Length::LongLong:
                        AppendSigned(out, directive, va_arg(args, long long));
                        break;
                    case Length::Size:
                        AppendSigned(out, directive, va_arg(args, std::make_signed_t<size_t>));
                        break;
                    case Length::Max:
                        AppendSigned(out, directive, va_arg(args, intmax_t));
                        break;
                    case Length::Diff:
                        AppendSigned(out, directive, va_arg(args, ptrdiff_t));
                        break;
                    case Length::None:
                        AppendSigned(out, directive, va_arg(args, int));
                        break;
                }
                break;
            case 'u':
            case 'o':
            case 'x':
            case 'X':
                switch (length) {
                    case Length::Char:
                        AppendInteger(out, directive,
                                      static_cast<unsigned char>(va_arg(args, unsigned)), false);
                        break;
                    case Length::Short:
                        AppendInteger(out, directive,
                                      static_cast<unsigned short>(va_arg(args, unsigned)), false);
                        break;
                    case Length::Long:
                        AppendInteger(out, directive, va_arg(args, unsigned long), false);
                        break;
                    case Length::LongLong:
                        AppendInteger(out, directive, va_arg(args, unsigned long long), false);
                        break;
                    case Length::Size:
                        AppendInteger(out, directive, va_arg(args, size_t), false);
                        break;
                    case Length::Max:
                        AppendInteger(out, directive, va_arg(args, uintmax_t), false);
                        break;
                    case Length::Diff:
                        AppendInteger(
                            out, directive,
                            static_cast<std::make_unsigned_t<ptrdiff_t>>(va_arg(args, ptrdiff_t)),
                            false);
                        break;
                    case Length::None:
                        AppendInteger(out, directive, va_arg(args, unsigned), false);
                        break;
                }
                break;
            case 'f':
            case 'F':
            case 'e':
            case 'E':
            case 'g':
            case 'G':
                AppendDouble(out, directive, va_arg(args, double));
                break;
            case 'c': {
                const char c = static_cast<char>(va_arg(args, int));
                Pad(out, directive, {}, std::string_view(&c, 1), false);
                break;
            }
            case 's':
                AppendText(out, directive, va_arg(args, const char*));
                break;
            case 'p':
                if (const void* pointer = va_arg(args, const void*); pointer == nullptr) {
                    Pad(out, directive, {}, "(nil)", false);
                } else {
                    directive.precision = -1;
                    AppendInteger(out, directive, reinterpret_cast<uintptr_t>(pointer), false);
                }
                break;
            case '%':
                out.push_back('%');
                break;
            default:
                out.append(start, static_cast<size_t>(p - start));
                break;
        }
    }
}

void AppendGeneral(std::string& out, double value, int width, int precision) {
    Directive directive;
    directive.width = width;
    directive.precision = precision < 0 ? -1 : precision;
    directive.conversion = 'g';
    AppendDouble(out, directive, value);
}

void AppendDecimal(std::string& out, long long value, int width) {
    Directive directive;
    directive.left = width < 0;
    directive.width = width < 0 ? -width : width;
    directive.conversion = 'd';
    AppendSigned(out, directive, value);
}

void AppendFormat(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    AppendFormatV(out, format, args);
    va_end(args);
}

std::string Format(const char* format, ...) {
    std::string text;
    va_list args;
    va_start(args, format);
    AppendFormatV(text, format, args);
    va_end(args);
    return text;
}

}  // namespace lumox

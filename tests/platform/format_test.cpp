// The formatter against the C library's printf, byte for byte. LUMOX_FORMAT_SAMPLES sets
// the number of random values for a longer one-off run.
#include "platform/format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace lumox {
namespace {

// The reference: the C library's own output.
std::string Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(static_cast<size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

// Every format the program writes a double with.
const char* const kProgramFormats[] = {
    "%.9g",   "%.17g",  "%-16.9g|", "%14.8g", "%15.9g",  "%17.8g", "%12.5g",
    "%12.4g", "%13.5g", "%16.8g",   "%13.4g", "%12.6g",  "%9.3g",  "%.8g",
    "%-.8g",  "%-.6g",  "%.6g",     "%.4g",   "%-14.9g", "%8.8g",  "%.2f",
};

// The flags and forms around them.
const char* const kOtherFormats[] = {
    "%g",       "%G",       "%e",       "%E",      "%f",    "%F",      "%.0e",  "%.0f",
    "%.0g",     "%#.0e",    "%#.0f",    "%#g",     "%#.3g", "%#.1G",   "%+.3e", "% f",
    "%010.3f",  "%-+12.4G", "%+012.5g", "% 09.2e", "%.30f", "%.20e",   "%.25g", "%#.17g",
    "%-#14.6e", "%0#10.0f", "%.40g",    "%#.2g",   "%#.4G", "%#12.1g",
};

// A value of each kind the formatter must get right.
std::vector<double> SpecialValues() {
    std::vector<double> values = {
        0.0,
        -0.0,
        INFINITY,
        -INFINITY,
        NAN,
        -NAN,
        DBL_MIN,
        -DBL_MIN,
        DBL_TRUE_MIN,
        DBL_MAX,
        -DBL_MAX,
        1.0,
        -1.0,
        0.1,
        0.2,
        0.3,
        1.0 / 3.0,
        2.0 / 3.0,
        0.5,
        1.5,
        2.5,
        3.5,
        -2.5,
        0.125,
        0.375,
        0.0625,
        9.5,
        99.5,
        999999.5,
        9999995.0,
        0.00001,
        0.0001,
        0.001,
        1e15,
        1e16,
        1e17,
        1e21,
        1e22,
        1e23,
        123456789.0,
        0.00001234,
        9.9999995,
        99999.95,
        0.99999999949999999,
        0.9999999995,
        5e-324,
        1e-310,
        2.2250738585072009e-308,
        4503599627370496.5,
        9007199254740993.0,
        1.7976931348623157e308,
        52.7861136,
        4.20455789,
        1e-5,
        9.999999e-5,
        0.000099999995,
        1234567.0,
        12345678.0,
        100.0,
        1000000.0,
    };
    // Halfway cases: exact binary fractions that end in a 5 at every rounding position.
    for (int k = 0; k < 40; ++k) {
        values.push_back(k + 0.5);
        values.push_back((2 * k + 1) / 1024.0);
        values.push_back(std::ldexp(2 * k + 1, -k));
        values.push_back(std::ldexp(1.0, k * 25 - 500));
    }
    // Decimals that end in a 5 just after each rounding position, at every scale a report's
    // numbers take: the nearest double lies a hair above or below the halfway point, or
    // on it, and the rounding must follow the exact binary value. Powers of ten and their
    // neighbours test the choice of the exponent.
    for (int exponent = -26; exponent <= 30; ++exponent) {
        for (int digits = 1; digits <= 15; ++digits) {
            char text[40];
            std::snprintf(text, sizeof text, "%.*s5e%d", digits + 1, "1.2345678901234567",
                          exponent);
            values.push_back(std::strtod(text, nullptr));
            std::snprintf(text, sizeof text, "9.%.*s5e%d", digits - 1, "99999999999999999",
                          exponent);
            values.push_back(std::strtod(text, nullptr));
        }
        const double power = std::pow(10.0, exponent);
        values.push_back(power);
        values.push_back(std::nextafter(power, 0.0));
        values.push_back(std::nextafter(power, INFINITY));
    }
    return values;
}

// Random values across the whole range: raw bit patterns (every exponent, subnormals,
// infinities, NaNs), full-precision values of the sizes results have, and short decimals
// as data files hold them.
class RandomValues {
public:
    explicit RandomValues(uint64_t seed) : engine_(seed) {}
    double Next() {
        if (++count_ % 3 == 1) {
            const double mantissa = static_cast<double>(engine_() >> 11);
            return std::ldexp(mantissa, static_cast<int>(engine_() % 120) - 110);
        }
        if (count_ % 3 == 0) {
            const uint64_t bits = engine_();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        const int digits = static_cast<int>(engine_() % 17) + 1;
        const int exponent = static_cast<int>(engine_() % 80) - 40;
        const uint64_t mantissa = engine_() % static_cast<uint64_t>(std::pow(10.0, digits));
        char text[64];
        std::snprintf(text, sizeof text, "%s%llue%d", engine_() % 2 ? "-" : "",
                      static_cast<unsigned long long>(mantissa), exponent);
        return std::strtod(text, nullptr);
    }

private:
    std::mt19937_64 engine_;
    uint64_t count_ = 0;
};

// The first format, if any, where the formatter and printf differ for value, with both
// texts: every format of the program, the input-data listing's forms with the field width
// and precision of round, and the round-th of the other formats.
std::string Mismatch(double value, uint64_t round) {
    const int width = static_cast<int>(round % 24) + 1;
    std::vector<const char*> formats(std::begin(kProgramFormats), std::end(kProgramFormats));
    formats.push_back(kOtherFormats[round % std::size(kOtherFormats)]);
    for (const char* format : formats) {
        const std::string expected = Printf(format, value);
        const std::string actual = Format(format, value);
        if (actual != expected)
            return std::string(format) + ": [" + actual + "] vs [" + expected + "]";
    }
    // The input-data listing's forms: field width and precision from the column.
    const std::string expected = Printf("%-*.*g", width, width, value);
    const std::string actual = Format("%-*.*g", width, width, value);
    if (actual != expected) return "%-*.*g " + std::to_string(width) + ": [" + actual + "]";
    if (Format("%*.4f", width, value) != Printf("%*.4f", width, value)) return "%*.4f";
    if (Format("%-*.9g", -width, value) != Printf("%-*.9g", -width, value)) return "%-*.9g";
    if (Format("%.*e", width - 5, value) != Printf("%.*e", width - 5, value)) return "%.*e";
    // The listings' direct %*.*g, every precision from 0 to 16.
    const int precision = static_cast<int>(round % 17);
    std::string general = "x";
    AppendGeneral(general, value, width, precision);
    if (general != "x" + Printf("%*.*g", width, precision, value)) {
        return "AppendGeneral " + std::to_string(width) + "." + std::to_string(precision) + ": [" +
               general + "]";
    }
    return "";
}

TEST(Format, MatchesPrintfForSpecialValues) {
    for (const double value : SpecialValues()) {
        // Every field width and every other format at least once.
        for (uint64_t round = 0; round < 24 + std::size(kOtherFormats); ++round) {
            EXPECT_EQ(Mismatch(value, round), "") << Printf("%a", value);
            EXPECT_EQ(Mismatch(-value, round), "") << Printf("%a", -value);
        }
    }
}

TEST(Format, MatchesPrintfForRandomValues) {
    const char* samples = std::getenv("LUMOX_FORMAT_SAMPLES");
    const uint64_t count = samples != nullptr ? std::strtoull(samples, nullptr, 10) : 20000;
    RandomValues random(20261207);
    uint64_t mismatches = 0;
    for (uint64_t i = 0; i < count; ++i) {
        const double value = random.Next();
        const std::string mismatch = Mismatch(value, i);
        if (!mismatch.empty() && ++mismatches <= 10) {
            ADD_FAILURE() << Printf("%a", value) << " " << mismatch;
        }
    }
    EXPECT_EQ(mismatches, 0u) << "of " << count << " values";
    std::printf("%llu random values, each in %zu formats: %llu mismatches\n",
                static_cast<unsigned long long>(count), std::size(kProgramFormats) + 5,
                static_cast<unsigned long long>(mismatches));
}

TEST(Format, MatchesPrintfForIntegersTextAndLiterals) {
    // Each row: the format and printf's text for it, both made with the same arguments.
    struct Row {
        std::string actual;
        std::string expected;
    };
    std::vector<Row> rows;
#define ROW(...) rows.push_back({Format(__VA_ARGS__), Printf(__VA_ARGS__)})
    for (const int value : {INT_MIN, -100000, -42, -1, 0, 1, 7, 42, 65535, INT_MAX}) {
        ROW("%d|%i|%-5d|%5d|%05d|%+d|% d|%.3d|%.0d|%-+8.4d", value, value, value, value, value,
            value, value, value, value, value);
        ROW("%u|%7u|%x|%X|%#x|%#X|%o|%#o|%#.0o|%#5x|%-#8o|%08x", unsigned(value), unsigned(value),
            unsigned(value), unsigned(value), unsigned(value), unsigned(value), unsigned(value),
            unsigned(value), unsigned(value), unsigned(value), unsigned(value), unsigned(value));
        ROW("%hhd|%hd|%hhu|%hu|%ld|%lld|%lu|%zu|%jd|%td|%zd", static_cast<signed char>(value),
            static_cast<short>(value), static_cast<unsigned char>(value),
            static_cast<unsigned short>(value), long{value} * 100000, value * 1000000000LL,
            static_cast<unsigned long>(value), static_cast<size_t>(value), intmax_t{value},
            ptrdiff_t{value}, static_cast<ptrdiff_t>(value));
    }
    ROW("%llu|%lld|%llx", ULLONG_MAX, LLONG_MIN, ULLONG_MAX);
    for (const char* text : {"", "X", "Residual", "a name of twenty char", "INTERCEPT"}) {
        ROW("%s|%-20s|%13s|%.8s|%-.8s*%-.8s|%-10.10s|%12s|", text, text, text, text, text, text,
            text, text);
        for (int width = 0; width <= 12; ++width) {
            ROW("%-*.*s|%*.*s|%*s|", width, 8, text, width, width - 1, text, -width, text);
        }
    }
    // Read through a volatile so that the compiler does not see the null argument.
    const char* volatile none = nullptr;
    ROW("%s|%.3s|%10s|%-8.6s|", none, none, none, none);
    ROW("%c|%3c|%-3c|%c", 'a', 'b', 'c', 0xE9);
    ROW("%p|%p|%20p|%-20p|", static_cast<void*>(nullptr), static_cast<void*>(&rows),
        static_cast<void*>(&rows), static_cast<void*>(nullptr));
    ROW("100%% sure, %d%%", 95);
    ROW("no conversion at all");
    ROW("%s", "");
    ROW("%-5d%14.8g%16.8g    CI = [%12.6g, %12.6g]\r\n", 1, 52.5, 52.78611, 50.1, 55.4);
    ROW("Variable Name: %-20sNumber of Variables:   %u\r\n\r\n", "Hours", 2u);
#undef ROW
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].actual, rows[i].expected) << "row " << i;
}

TEST(Format, AppendsDecimalsAsPrintfPadsThem) {
    for (const long long value :
         {0LL, 7LL, -7LL, 12345LL, 123456LL, -99999LL, LLONG_MAX, LLONG_MIN}) {
        for (const int width : {0, 1, 5, -5, 6, -6, 20, -20, 32, -32, 33, -40}) {
            std::string out = "x";
            AppendDecimal(out, value, width);
            EXPECT_EQ(out, "x" + Printf("%*lld", width, value)) << value << " " << width;
        }
    }
}

TEST(Format, AppendsAndGrowsToAnyLength) {
    std::string out = "keep ";
    AppendFormat(out, "%d and %.3f", 7, 0.5);
    EXPECT_EQ(out, "keep 7 and 0.500");
    AppendFormat(out, "%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(out.size(), 16u + 5000u);
    EXPECT_EQ(Format("%*d", 3000, 5).size(), 3000u);
    EXPECT_EQ(Format("%.400f", 1.0).size(), 402u);
    EXPECT_EQ(Format("%.400f", 1e308), Printf("%.400f", 1e308));
    EXPECT_EQ(Format("%.1100f", DBL_TRUE_MIN), Printf("%.1100f", DBL_TRUE_MIN));
}

TEST(Format, CopiesConversionsItDoesNotKnow) {
    // Neither hexadecimal floating point nor wide text is written by the program.
    const char* unknown = "a%Kb%";
    EXPECT_EQ(Format(unknown, 0), "a%Kb%");
}

}  // namespace
}  // namespace lumox

#include "numeric/scanner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>

#include "numeric/number_text.h"

namespace lumox {
namespace {

std::vector<std::string> TextLines(std::string_view text) {
    TextLineReader reader(text);
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line) != 0) lines.push_back(line);
    return lines;
}

std::vector<std::string> FileLines(const std::string& bytes) {
    std::istringstream file(bytes);
    FileLineReader reader(file);
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line) != 0) lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReaders, EndLinesAtCrLfLfOrLoneCrAndNeverDropACharacter) {
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"a\r\nb", {"a", "b"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\rb", {"a", "b"}},            // the byte after a lone CR is kept
        {"a\nb\nc\n", {"a", "b", "c"}},  // LF-only files, the Linux norm
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {std::string("x\0y\r\nz", 6), {std::string("x\0y", 3), "z"}},
        // Line ends found across the reader's search windows, near and far.
        {std::string(255, 'a') + "\r\n" + std::string(256, 'b') + "\r" + std::string(700, 'c'),
         {std::string(255, 'a'), std::string(256, 'b'), std::string(700, 'c')}},
        {std::string(3000, 'd') + "\n" + std::string(257, 'e') + "\n\r",
         {std::string(3000, 'd'), std::string(257, 'e'), ""}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(TextLines(text), expected) << "text reader on " << text;
        EXPECT_EQ(FileLines(text), expected) << "file reader on " << text;
    }
}

TEST(LineReaders, ReturnPositionsAndRewind) {
    std::istringstream file("ab\r\ncd");
    std::string line;
    {
        FileLineReader reader(file);
        EXPECT_EQ(reader.Length(), 6u);
        EXPECT_EQ(reader.ReadLine(line), 4u);
        EXPECT_EQ(reader.ReadLine(line), 6u);
        EXPECT_EQ(reader.ReadLine(line), 0u);
        EXPECT_EQ(reader.ReadLine(line), 4u);  // sought back to the start after the end
        EXPECT_EQ(line, "ab");
    }
    FileLineReader again(file);  // a dropped reader leaves the file at its start
    again.ReadLine(line);
    EXPECT_EQ(line, "ab");

    TextLineReader text("ab\ncd");
    EXPECT_EQ(text.ReadLine(line), 3u);
    text.Reset();
    text.ReadLine(line);
    EXPECT_EQ(line, "ab");
}

TEST(TokenSplitter, SeparatorsRunTogetherAndEmptyFieldsVanish) {
    const std::vector<std::pair<std::string, Lines>> cases = {
        {" ,1,,2 ", {"1", "2"}}, {"x\ty z", {"x", "y", "z"}},     {"", {}},
        {" ,\t, ", {}},          {"1.5e3,-.5", {"1.5e3", "-.5"}}, {"a\nb", {"a", "b"}},
        {"a\rb", {"a\rb"}},  // CR is an ordinary character to the splitter
    };
    for (const auto& [line, expected] : cases) {
        TokenSplitter splitter(line);
        Lines tokens;
        std::string token;
        while (splitter.NextToken(token)) tokens.push_back(token);
        EXPECT_EQ(tokens, expected) << line;
        EXPECT_EQ(splitter.CountTokens(), expected.size()) << line;
    }
    TokenSplitter reused("1 2");
    std::string token;
    while (reused.NextToken(token)) {
    }
    reused.SetLine("3");
    EXPECT_FALSE(reused.NextToken(token));  // SetLine keeps the position
    reused.Reset();
    EXPECT_TRUE(reused.NextToken(token));
    EXPECT_EQ(token, "3");
}

TEST(NumberText, NumberCharactersAndConversion) {
    EXPECT_EQ(HasOnlyNumberChars(""), -1);
    EXPECT_EQ(HasOnlyNumberChars("1.5, -2e3\t+4E1"), 0);
    EXPECT_EQ(HasOnlyNumberChars("1;2"), 1);
    EXPECT_EQ(HasOnlyNumberChars("1x"), 1);

    EXPECT_EQ(AtoF("1.5e3"), 1500.0);
    EXPECT_EQ(AtoF("-.5"), -0.5);
    EXPECT_EQ(AtoF("1.2.3"), 1.2);
    EXPECT_EQ(AtoF("e"), 0.0);
    EXPECT_EQ(AtoF("+7"), 7.0);
    EXPECT_EQ(AtoF(""), 0.0);
    EXPECT_EQ(AtoF("  12.5x"), 12.5);
    EXPECT_EQ(AtoF("1e"), 1.0);
    EXPECT_EQ(AtoF("2e-3"), 0.002);
    EXPECT_EQ(AtoF("."), 0.0);
    EXPECT_TRUE(std::isinf(AtoF("1e999")));
    // Words and hexadecimal are not decimal numbers: no NaN or surprise value gets in.
    EXPECT_EQ(AtoF("nan"), 0.0);
    EXPECT_EQ(AtoF("inf"), 0.0);
    EXPECT_EQ(AtoF("0x1A"), 0.0);
    EXPECT_TRUE(std::signbit(AtoF("-1e-999")));
    EXPECT_EQ(AtoF("-1e999"), -HUGE_VAL);
}

TEST(NumberText, AWholeTokenIsOneNumberOrNone) {
    const struct {
        const char* token;
        NumberToken kind;
        double value;
    } cases[] = {
        {"0", NumberToken::Number, 0.0},
        {"1.5e3", NumberToken::Number, 1500.0},
        {"-.5", NumberToken::Number, -0.5},
        {"+7", NumberToken::Number, 7.0},
        {"5.", NumberToken::Number, 5.0},
        {"5.e1", NumberToken::Number, 50.0},
        {"2E-3", NumberToken::Number, 0.002},
        {"007", NumberToken::Number, 7.0},
        {"1e+2", NumberToken::Number, 100.0},
        {"1e-400", NumberToken::Number, 0.0},
        {"0.0000e999999999999", NumberToken::Number, 0.0},
        {"1.7976931348623157e308", NumberToken::Number, 1.7976931348623157e308},
        {"1e400", NumberToken::TooLarge, 0.0},
        {"-1e400", NumberToken::TooLarge, 0.0},
        {"1e999999999999999999", NumberToken::TooLarge, 0.0},
        {"1000e306", NumberToken::TooLarge, 0.0},
        {"0.01e311", NumberToken::TooLarge, 0.0},
        {"", NumberToken::NotNumber, 0.0},
        {"1.2.3", NumberToken::NotNumber, 0.0},
        {"1-2", NumberToken::NotNumber, 0.0},
        {"2024-01-05", NumberToken::NotNumber, 0.0},
        {"e", NumberToken::NotNumber, 0.0},
        {"e5", NumberToken::NotNumber, 0.0},
        {".", NumberToken::NotNumber, 0.0},
        {"-", NumberToken::NotNumber, 0.0},
        {"+-1", NumberToken::NotNumber, 0.0},
        {"--1", NumberToken::NotNumber, 0.0},
        {"1e", NumberToken::NotNumber, 0.0},
        {"1e+", NumberToken::NotNumber, 0.0},
        {"1e5.5", NumberToken::NotNumber, 0.0},
        {" 1", NumberToken::NotNumber, 0.0},
        {"1 ", NumberToken::NotNumber, 0.0},
        {"inf", NumberToken::NotNumber, 0.0},
        {"nan", NumberToken::NotNumber, 0.0},
        {"0x10", NumberToken::NotNumber, 0.0},
        {"1,5", NumberToken::NotNumber, 0.0},
    };
    for (const auto& c : cases) {
        double value = -99.0;
        EXPECT_EQ(ReadNumberToken(c.token, value), c.kind) << c.token;
        EXPECT_EQ(value, c.kind == NumberToken::Number ? c.value : -99.0) << c.token;
    }
    double value = 1.0;
    ASSERT_EQ(ReadNumberToken("-1e-400", value), NumberToken::Number);
    EXPECT_TRUE(value == 0.0 && std::signbit(value));
}

// The conversion is the C library's, bit for bit: random decimals of every length and
// exponent, plain decimals of up to 18 digits with the point anywhere (about the 15 digits
// and 22 places that exact arithmetic reads), and the shortest and the 17-digit texts of
// random doubles.
TEST(NumberText, ConvertsExactlyAsTheCLibrary) {
    std::mt19937_64 random(20261207);
    char text[64];
    for (int i = 0; i < 200000; ++i) {
        switch (i % 4) {
            case 3: {
                std::string digits(1 + random() % 18, '0');
                for (char& c : digits) c = static_cast<char>('0' + random() % 10);
                const size_t point = random() % (digits.size() + 3);
                if (point <= digits.size()) {
                    digits.insert(point, ".");
                } else if (point == digits.size() + 1) {
                    digits.insert(0, "0.0000000");
                }
                const char* sign = random() % 3 == 0 ? "-" : random() % 5 == 0 ? "+" : "";
                std::snprintf(text, sizeof text, "%s%s", sign, digits.c_str());
                break;
            }
            case 0:
                std::snprintf(text, sizeof text, "%llu.%llue%d",
                              static_cast<unsigned long long>(random() % 1000000000),
                              static_cast<unsigned long long>(random() % 100000000000ULL),
                              static_cast<int>(random() % 640) - 330);
                break;
            case 1:
            case 2: {
                const uint64_t bits = random() & 0x7FEFFFFFFFFFFFFFULL;  // finite
                double number;
                std::memcpy(&number, &bits, sizeof number);
                std::snprintf(text, sizeof text, i % 3 == 1 ? "%.17g" : "%.6g", -number);
                break;
            }
        }
        double value = 0.0;
        const NumberToken kind = ReadNumberToken(text, value);
        const double expected = std::strtod(text, nullptr);
        if (std::isinf(expected)) {
            EXPECT_EQ(kind, NumberToken::TooLarge) << text;
        } else {
            ASSERT_EQ(kind, NumberToken::Number) << text;
            EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << text;
        }
        const double atof = AtoF(text);
        EXPECT_EQ(std::memcmp(&atof, &expected, sizeof atof), 0) << text;
    }
    // Short strings of the characters of numbers in any order: a number exactly when the C
    // library reads the whole string, and then its value.
    constexpr char kChars[] = "0123456789.-+eE";
    for (int i = 0; i < 200000; ++i) {
        std::string token(1 + random() % 7, ' ');
        for (char& c : token) c = kChars[random() % (sizeof kChars - 1)];
        char* end = nullptr;
        const double expected = std::strtod(token.c_str(), &end);
        double value = -99.0;
        const NumberToken kind = ReadNumberToken(token, value);
        if (end != token.c_str() + token.size()) {
            EXPECT_EQ(kind, NumberToken::NotNumber) << token;
        } else if (std::isinf(expected)) {
            EXPECT_EQ(kind, NumberToken::TooLarge) << token;
        } else {
            ASSERT_EQ(kind, NumberToken::Number) << token;
            EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << token;
        }
    }
}

// A text cut at any byte is cut at the next line start: never between a CR and its LF.
TEST(LineStartFrom, FindsTheNextLineStartByEveryLineEnd) {
    const std::string_view text = "ab\r\ncd\ref\ngh";  // lines start at 0, 4, 7 and 10
    const size_t expected[] = {0, 4, 4, 4, 4, 7, 7, 7, 10, 10, 10, 12, 12, 12};
    for (size_t at = 0; at < std::size(expected); ++at) {
        EXPECT_EQ(LineStartFrom(text, at), expected[at]) << "at " << at;
    }
    EXPECT_EQ(LineStartFrom("", 0), 0u);
}

}  // namespace
}  // namespace lumox

#include "data/data_rules.h"

#include <algorithm>

#include "numeric/number_text.h"
#include "numeric/scanner.h"
#include "platform/format.h"

namespace lumox {
namespace {

bool IsControlChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool IsValueChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
}

}  // namespace

CellFault CheckName(std::string_view name) {
    if (name.size() > kMaxTokenLength) return CellFault::TooLong;
    for (const char c : name) {
        if (c != '\t' && IsControlChar(c)) return CellFault::ControlChar;
        if (TokenSplitter::IsSeparator(c)) return CellFault::Separator;
    }
    return CellFault::None;
}

CellFault CheckValue(std::string_view text, double& value) {
    if (text.size() > kMaxTokenLength) return CellFault::TooLong;
    // A number holds only the characters of numbers, so they are looked at only to say
    // why a text is not one.
    switch (ReadNumberToken(text, value)) {
        case NumberToken::NotNumber:
            return std::all_of(text.begin(), text.end(), IsValueChar) ? CellFault::NotNumber
                                                                      : CellFault::NonNumericChar;
        case NumberToken::TooLarge:
            return CellFault::TooLarge;
        case NumberToken::Number:
            break;
    }
    return CellFault::None;
}

std::string CellFaultWords(CellFault fault) {
    switch (fault) {
        case CellFault::None:
            break;
        case CellFault::TooLong:
            return Format("is longer than %zu characters", kMaxTokenLength);
        case CellFault::Separator:
            return "holds a blank, TAB or comma";
        case CellFault::ControlChar:
            return "holds a control character";
        case CellFault::NonNumericChar:
        case CellFault::NotNumber:
            return "is not a number";
        case CellFault::TooLarge:
            return "is too large";
    }
    return std::string();
}

std::string CellFaultText(std::string_view source, CellFault fault, uint32_t row, uint32_t column) {
    const std::string prefix(source);
    if (fault == CellFault::None) return std::string();
    // A data file's stray character keeps the reader's older wording.
    if (fault == CellFault::NonNumericChar) {
        return Format("%s: found non-numeric character in column %u, row %u!", prefix.c_str(),
                      column, row);
    }
    const std::string what = CellFaultWords(fault);
    return row == 0 ? Format("%s: name in column %u of the first row %s!", prefix.c_str(), column,
                             what.c_str())
                    : Format("%s: value in column %u, row %u %s!", prefix.c_str(), column, row,
                             what.c_str());
}

std::string CellLine(std::string_view line) {
    // A line whose cells are already one separator apart keeps its form, so that a file
    // saved from the grid keeps the separators it was written with.
    bool clean = !line.empty() && !TokenSplitter::IsSeparator(line.front()) &&
                 !TokenSplitter::IsSeparator(line.back());
    for (size_t i = 1; clean && i < line.size(); ++i) {
        clean = !(TokenSplitter::IsSeparator(line[i - 1]) && TokenSplitter::IsSeparator(line[i]));
    }
    if (clean) return std::string(line);
    std::string cells;
    cells.reserve(line.size());
    TokenSplitter splitter(line);
    std::string_view token;
    while (splitter.NextToken(token)) {
        if (!cells.empty()) cells += '\t';
        cells += token;
    }
    return cells;
}

}  // namespace lumox

#include "data/csv_data.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "data/data_rules.h"
#include "data/data_set.h"
#include "data/sheet_grid.h"
#include "numeric/scanner.h"

namespace lumox {
namespace {

// The separator the first line uses most, outside quotes; a comma when it uses none.
char FindSeparator(std::string_view text) {
    std::array<size_t, 3> counts{};
    constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        for (size_t k = 0; k < kSeparators.size(); ++k) counts[k] += c == kSeparators[k] ? 1 : 0;
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? ',' : kSeparators[static_cast<size_t>(most - counts.begin())];
}

// The text's fields as cells of a grid, quotes resolved; a quoted field may span lines.
// False when the grid is full.
bool SplitCells(std::string_view text, char separator, SheetGrid& grid) {
    uint32_t row = 0;
    uint32_t column = 0;
    std::string field;
    bool quoted = false;
    bool any = false;  // the record has begun
    auto EndField = [&] {
        const bool kept = grid.Add({row, column, SheetCell::Kind::Text, std::move(field)});
        field.clear();
        ++column;
        return kept;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        if (c == '"' && std::all_of(field.begin(), field.end(), [](char f) { return f == ' '; })) {
            field.clear();
            quoted = any = true;
        } else if (c == separator) {
            if (!EndField()) return false;
            any = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (!EndField()) return false;
            ++row;
            column = 0;
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    return !(any || !field.empty()) || EndField();
}

}  // namespace

bool ReadCsvData(DataSet& set, std::string_view text, std::string_view sheet, Diagnostics& said) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    const char separator = FindSeparator(text);
    SheetGrid grid;
    grid.decimalComma = separator == ';';
    if (!SplitCells(text, separator, grid)) {
        set.ClearDataSet();
        said.Add("Data File: " + std::string(kSheetTooLarge), Icon::Stop);
        return false;
    }
    return ReadSheetGrid(set, std::move(grid), sheet, said);
}

std::vector<std::string> DataSetLines(const DataSet& set) {
    std::vector<std::string> lines(size_t{set.Rows()} + 1);
    for (uint32_t j = 0; j < set.Cols(); ++j) {
        std::string name = set.FullNames()[j];
        for (char& c : name) {
            if (CheckName(std::string_view(&c, 1)) != CellFault::None) c = '_';
        }
        lines[0] += (j ? "\t" : "") + name;
    }
    for (uint32_t i = 0; i < set.Rows(); ++i) {
        std::string& line = lines[size_t{i} + 1];
        for (uint32_t j = 0; j < set.Cols(); ++j) {
            char digits[32];
            const auto end = std::to_chars(digits, digits + sizeof digits, set.GetData().At(i, j));
            if (j) line += '\t';
            line.append(digits, end.ptr);
        }
    }
    return lines;
}

std::string CsvText(const std::vector<std::string>& lines, size_t count) {
    std::string text;
    for (size_t i = 0; i < count && i < lines.size(); ++i) {
        TokenSplitter cells(lines[i]);
        std::string_view cell;
        for (bool first = true; cells.NextToken(cell); first = false) {
            if (!first) text += ',';
            text += cell;
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace lumox

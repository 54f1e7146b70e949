#include "data/csv_data.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "data/data_rules.h"
#include "data/data_set.h"
#include "numeric/matrix.h"
#include "numeric/scanner.h"
#include "platform/format.h"
#include "platform/strings.h"

namespace lumox {
namespace {

using Record = std::vector<std::string>;

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

// The text's records and their fields, quotes resolved; a quoted field may span lines.
std::vector<Record> SplitRecords(std::string_view text, char separator) {
    std::vector<Record> records;
    Record record;
    std::string field;
    bool quoted = false;
    bool any = false;  // the record has begun
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
            record.push_back(std::move(field));
            field.clear();
            any = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            record.push_back(std::move(field));
            records.push_back(std::move(record));
            record.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.empty()) {
        record.push_back(std::move(field));
        records.push_back(std::move(record));
    }
    return records;
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsMissing(std::string_view cell) { return cell.empty() || cell == "NA" || cell == "#N/A"; }

// A cell's place as a sheet names it: column letters, then the row from 1.
std::string CellName(std::string_view sheet, size_t column, size_t row) {
    std::string letters;
    for (size_t n = column + 1; n > 0; n = (n - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    }
    return std::string(sheet) + "!" + letters + std::to_string(row + 1);
}

// The rows left out, as one message: the first twenty numbers, then how many more.
std::string LeftOutText(const std::vector<size_t>& rows) {
    std::string text = Format("%zu row%s with missing values left out: ", rows.size(),
                              rows.size() == 1 ? "" : "s");
    constexpr size_t kListed = 20;
    for (size_t k = 0; k < rows.size() && k < kListed; ++k) {
        text += (k ? ", " : "") + std::to_string(rows[k] + 1);
    }
    if (rows.size() > kListed) text += Format(" and %zu more", rows.size() - kListed);
    return text;
}

}  // namespace

bool ReadCsvData(DataSet& set, std::string_view text, std::string_view sheet, Diagnostics& said) {
    set.ClearDataSet();
    auto Refuse = [&said](std::string message) {
        said.Add("Data File: " + std::move(message), Icon::Stop);
        return false;
    };
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    const char separator = FindSeparator(text);
    const std::vector<Record> records = SplitRecords(text, separator);
    if (records.empty()) return Refuse("first row is blank!");

    // The names: up to the last one given; an empty one before it names nothing.
    const Record& header = records.front();
    size_t columns = header.size();
    while (columns > 0 && Trimmed(header[columns - 1]).empty()) --columns;
    if (columns == 0) return Refuse("first row is blank!");
    if (columns > kMaxColumns) {
        return Refuse(Format("more than %u column names in the first row!", kMaxColumns));
    }
    std::vector<std::string> names;
    std::string headerLine;
    for (size_t j = 0; j < columns; ++j) {
        const std::string_view name = Trimmed(header[j]);
        const CellFault fault = CheckName(name);
        if (name.empty()) return Refuse(CellName(sheet, j, 0) + " holds no name!");
        if (fault == CellFault::TooLong) {
            return Refuse(Format("%s is longer than %zu characters!",
                                 CellName(sheet, j, 0).c_str(), kMaxTokenLength));
        }
        if (fault == CellFault::ControlChar) {
            return Refuse(CellName(sheet, j, 0) + " holds a control character!");
        }
        names.emplace_back(name);
        headerLine += (j ? "\t" : "") + std::string(name);
    }

    std::vector<double> values;
    std::vector<size_t> leftOut;
    size_t rows = 0;
    for (size_t r = 1; r < records.size(); ++r) {
        const Record& record = records[r];
        if (std::all_of(record.begin(), record.end(),
                        [](const std::string& cell) { return Trimmed(cell).empty(); })) {
            continue;  // an empty row is no observation
        }
        for (size_t j = columns; j < record.size(); ++j) {
            if (!Trimmed(record[j]).empty()) {
                return Refuse(CellName(sheet, j, r) + " lies beyond the last named column!");
            }
        }
        const size_t start = values.size();
        bool missing = false;
        for (size_t j = 0; j < columns; ++j) {
            std::string cell(j < record.size() ? Trimmed(record[j]) : std::string_view());
            if (IsMissing(cell)) {
                missing = true;
                continue;
            }
            if (separator == ';') std::replace(cell.begin(), cell.end(), ',', '.');
            double value = 0.0;
            switch (CheckValue(cell, value)) {
                case CellFault::None:
                    break;
                case CellFault::TooLarge:
                    return Refuse(CellName(sheet, j, r) + " is too large!");
                case CellFault::TooLong:
                    return Refuse(Format("%s is longer than %zu characters!",
                                         CellName(sheet, j, r).c_str(), kMaxTokenLength));
                default:
                    return Refuse(CellName(sheet, j, r) + " is not a number!");
            }
            values.push_back(value);
        }
        if (missing) {
            values.resize(start);
            leftOut.push_back(r);
            continue;
        }
        ++rows;
        if (values.size() > Matrix::kMaxElements) return Refuse("too large for matrix!");
    }
    if (!leftOut.empty()) said.Add(LeftOutText(leftOut), Icon::Information);
    if (rows < 2) {
        said.Add(ids::kNotEnoughData, Icon::Stop);
        return false;
    }
    set.Assign(std::move(headerLine), std::move(names),
               Matrix(static_cast<uint32_t>(rows), static_cast<uint32_t>(columns),
                      std::move(values)));
    return true;
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

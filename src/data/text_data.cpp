#include "data/text_data.h"

#include <algorithm>
#include <fstream>

#include "data/data_set.h"
#include "numeric/number_text.h"
#include "numeric/scanner.h"
#include "platform/block_pipeline.h"
#include "platform/format.h"
#include "platform/strings.h"

namespace lumox {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Whether some name of the header holds a letter.
bool HeaderHasLetter(std::string_view header) {
    TokenSplitter splitter(header);
    std::string_view token;
    while (splitter.NextToken(token)) {
        if (std::any_of(token.begin(), token.end(), IsLetter)) return true;
    }
    return false;
}

// Adds a fault of the text, "source: what", to said.
void Refuse(const DataTextSource& source, std::string_view what, Diagnostics& said) {
    said.Add(std::string(source.name) + ": " + std::string(what), source.icon);
}

// Checks the header line against the rules of names; false with the message in said.
bool HeaderWithinLimits(std::string_view header, const DataTextSource& source, Diagnostics& said) {
    if (header.size() > kMaxLineLength) {
        Refuse(source, Format("first row is longer than %zu characters!", kMaxLineLength), said);
        return false;
    }
    TokenSplitter splitter(header);
    if (splitter.CountTokens() > kMaxColumns) {
        Refuse(source, Format("more than %u column names in the first row!", kMaxColumns), said);
        return false;
    }
    std::string_view token;
    for (uint32_t column = 1; splitter.NextToken(token); ++column) {
        const CellFault fault = CheckName(token);
        if (fault != CellFault::None) {
            said.Add(CellFaultText(source.name, fault, 0, column), source.icon);
            return false;
        }
    }
    return true;
}

// Checks one observation line and puts its values at values (when not null); false with
// the message in said.
bool ReadRow(std::string_view line, uint32_t row, uint32_t columns, double* values,
             const DataTextSource& source, Diagnostics& said) {
    if (line.size() > kMaxLineLength) {
        Refuse(source, Format("row %u is longer than %zu characters!", row, kMaxLineLength), said);
        return false;
    }
    if (line.empty()) {
        Refuse(source, Format("row %u is blank!", row), said);
        return false;
    }
    TokenSplitter splitter(line);
    std::string_view token;
    uint32_t column = 0;
    while (splitter.NextToken(token)) {
        ++column;
        double value = 0.0;
        const CellFault fault = CheckValue(token, value);
        if (fault != CellFault::None) {
            said.Add(CellFaultText(source.name, fault, row, column), source.icon);
            return false;
        }
        if (values != nullptr && column <= columns) values[column - 1] = value;
    }
    if (column != columns) {
        Refuse(source, Format("number of columns different in row %u\n", row), said);
        return false;
    }
    return true;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The file's text without a UTF-8 byte order mark, which would otherwise become part of
// the first name.
std::string ReadDataText(std::istream& file) {
    std::string text = ReadWholeStream(file);
    if (text.starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
    return text;
}

// The counts of an acceptable data text.
struct TextShape {
    uint32_t rows = 0;
    uint32_t columns = 0;
};

// Observation text is checked in blocks of about this many bytes, side by side on two
// cores when there are several.
constexpr size_t kBlockBytes = 16 * 1024;

// Checks the observation lines of lines, the first of them row firstRow, putting each
// row's values after the last's from values on (when not null); false with the first fault
// in said. rows counts the rows that passed.
bool ScanRows(std::string_view lines, uint32_t firstRow, uint32_t columns, double* values,
              const DataTextSource& source, uint32_t& rows, Diagnostics& said) {
    TextLineReader reader(lines);
    std::string_view line;
    for (rows = 0; reader.ReadLine(line) != 0; ++rows) {
        if (!ReadRow(line, firstRow + rows, columns, values, source, said)) return false;
        if (values != nullptr) values += columns;
    }
    return true;
}

// Checks the whole text, adding the first fault to said, and collects the values row by
// row (when values is not null); Read with the counts in shape.
ReadStatus ScanTextData(std::string_view text, std::vector<double>* values, NumericNames names,
                        const DataTextSource& source, TextShape& shape, Diagnostics& said) {
    TextLineReader reader(text);
    std::string_view line;
    const uint64_t bodyStart = reader.ReadLine(line);
    // A header of separators only names nothing: it is as blank as an empty one.
    if (TokenSplitter(line).CountTokens() == 0) {
        Refuse(source, "first row is blank!", said);
        return ReadStatus::Refused;
    }
    if (!HeaderWithinLimits(line, source, said)) return ReadStatus::Refused;
    if (names == NumericNames::Ask && !HeaderHasLetter(line)) {
        return ReadStatus::NumericNamesQuestion;
    }
    const uint32_t columns = TokenSplitter(line).CountTokens();

    // Each block of whole lines is checked, and its values gathered, on its own. Its rows'
    // numbers are known only once the blocks before it are counted, so a block with a fault
    // is checked again then, to say which row.
    const std::string_view body = text.substr(bodyStart);
    const size_t blocks = std::max<size_t>(1, (body.size() + kBlockBytes - 1) / kBlockBytes);
    const auto lines = [&body](size_t block) {
        const size_t start = LineStartFrom(body, block * kBlockBytes);
        return body.substr(start, LineStartFrom(body, (block + 1) * kBlockBytes) - start);
    };
    struct alignas(kCacheLineBytes) Scratch {
        std::vector<double> values;  // rows * columns of them hold the block's values
        uint32_t rows = 0;
        bool passed = true;
    };
    Scratch scratch[kPipelineSlots];
    const bool keep = values != nullptr;
    // Every value takes a character and a separator or line end, but the last. The room is
    // made here, so that the helper thread allocates nothing; only a block with a line
    // longer than usual needs more.
    const auto room = [](std::string_view part) { return part.size() / 2 + 1; };
    for (size_t slot = 0; keep && slot < std::min<size_t>(blocks, kPipelineSlots); ++slot) {
        scratch[slot].values.resize(room(body.substr(0, kBlockBytes + kMaxLineLength)));
    }
    uint32_t rows = 0;
    bool faulted = false;
    RunBlockPipeline(
        blocks,
        [&](size_t block, int slot) {
            Scratch& mine = scratch[slot];
            const std::string_view part = lines(block);
            if (keep && mine.values.size() < room(part)) mine.values.resize(room(part));
            Diagnostics unsaid;
            mine.passed = ScanRows(part, 1, columns, keep ? mine.values.data() : nullptr, source,
                                   mine.rows, unsaid);
        },
        [&](size_t block, int slot) {
            const Scratch& mine = scratch[slot];
            if (!mine.passed) {
                uint32_t passed = 0;
                ScanRows(lines(block), rows + 1, columns, nullptr, source, passed, said);
                faulted = true;
                return false;
            }
            rows += mine.rows;
            // Past the matrix's limit the values are no longer kept; the rest is still
            // checked so that the first fault is the one reported.
            const size_t count = size_t{mine.rows} * columns;
            if (values != nullptr && values->size() + count > Matrix::kMaxElements) values = nullptr;
            if (values != nullptr) {
                values->insert(values->end(), mine.values.begin(), mine.values.begin() + count);
            }
            return true;
        });
    if (faulted) return ReadStatus::Refused;
    if (rows < 2) {
        said.Add(ids::kNotEnoughData, source.icon);
        return ReadStatus::Refused;
    }
    if (static_cast<uint64_t>(rows) * columns > Matrix::kMaxElements) {
        Refuse(source, "too large for matrix!", said);
        return ReadStatus::Refused;
    }
    shape = {rows, columns};
    return ReadStatus::Read;
}

}  // namespace

ReadStatus CheckDataText(std::string_view text, NumericNames names, const DataTextSource& source,
                         Diagnostics& said) {
    TextShape shape;
    return ScanTextData(text, nullptr, names, source, shape, said);
}

ReadStatus ReadTextDataFile(DataSet& doc, std::istream& file, NumericNames names,
                            Diagnostics& said) {
    doc.ClearDataSet();
    const std::string text = ReadDataText(file);
    std::vector<double> values;
    values.reserve(std::min<size_t>(text.size() / 2, Matrix::kMaxElements));
    TextShape shape;
    const ReadStatus status = ScanTextData(text, &values, names, kDataFileSource, shape, said);
    if (status != ReadStatus::Read) return status;

    std::string_view header;
    TextLineReader(text).ReadLine(header);
    std::vector<std::string> columnNames;
    TokenSplitter splitter(header);
    std::string_view name;
    while (splitter.NextToken(name)) columnNames.emplace_back(name);
    doc.Assign(std::string(header), std::move(columnNames),
               Matrix(shape.rows, shape.columns, std::move(values)));
    return ReadStatus::Read;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, Diagnostics& said) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        said.Add(Format("Data File: cannot open %s!", path.c_str()), Icon::Stop);
        return false;
    }
    FileLineReader reader(file);
    if (reader.Length() > kLargeFileBytes) said.Add(ids::kLargeFile, Icon::Exclamation);
    std::string line;
    size_t index = 0;
    while (reader.ReadLine(line) != 0) {
        if (index >= lines.size()) lines.resize(index + 32);
        lines[index++] = line;
    }
    if (!lines.empty() && lines[0].starts_with(kByteOrderMark))
        lines[0].erase(0, kByteOrderMark.size());
    return true;
}

bool WriteTextLines(const std::vector<std::string>& lines, size_t count, std::ostream& out) {
    for (size_t i = 0; i < count && i < lines.size(); ++i) {
        out << lines[i] << "\r\n";
    }
    return static_cast<bool>(out);
}

}  // namespace lumox

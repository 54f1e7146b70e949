#include "data/dbase.h"

#include <algorithm>
#include <ctime>
#include <fstream>

#include "data/data_set.h"
#include "data/text_data.h"
#include "numeric/number_text.h"
#include "numeric/scanner.h"
#include "platform/diagnostics.h"
#include "platform/format.h"
#include "platform/strings.h"

namespace lumox {
namespace {

constexpr size_t kFileHeaderSize = 32;
constexpr size_t kDescriptorSize = 32;
constexpr unsigned char kVersion = 3;
constexpr char kDeletedFlag = '*';
constexpr char kHeaderEnd = '\r';

constexpr const char* kNotDbase = "Data File: not a dBase III or IV file!";
constexpr const char* kNonNumericField = "Data File: detected a non-numeric dBase field!";
constexpr const char* kHeaderMismatch = "Data File: dBase header does not match the file!";
constexpr const char* kWidthsMismatch =
    "Data File: dBase field widths do not add up to the record length!";
constexpr const char* kFileCutShort = "Data File: dBase file ends before its last record!";
constexpr const char* kTruncatingNumber = "Data File: truncating long number to 19 digits!";

// A fault that ends the reading of a table: thrown where it is found, caught where the
// public reader returns, which adds it to the caller's diagnostics.
struct Refusal {
    std::string text;
};

[[noreturn]] void Refuse(std::string text) { throw Refusal{std::move(text)}; }

[[noreturn]] void Refuse(int id) { Refuse(LoadString(id)); }

uint32_t GetU16(const unsigned char* bytes) { return bytes[0] | (uint32_t{bytes[1]} << 8); }

uint32_t GetU32(const unsigned char* bytes) {
    return bytes[0] | (uint32_t{bytes[1]} << 8) | (uint32_t{bytes[2]} << 16) |
           (uint32_t{bytes[3]} << 24);
}

void PutU16(std::string& bytes, size_t at, uint32_t value) {
    for (size_t i = 0; i < 2; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutU32(std::string& bytes, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint64_t StreamLength(std::istream& file) {
    file.clear();
    file.seekg(0, std::ios::end);
    const std::streamoff end = file.tellg();
    return end > 0 ? static_cast<uint64_t>(end) : 0;
}

// Reads size bytes at offset; false when the file holds fewer.
bool ReadAt(std::istream& file, uint64_t offset, char* buffer, size_t size) {
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
    file.read(buffer, static_cast<std::streamsize>(size));
    return file.gcount() == static_cast<std::streamsize>(size);
}

bool IsPadding(char c) { return c == ' ' || c == '\0'; }

// A field's text for editing: blanks and zero bytes dropped.
std::string FieldText(std::string_view field) {
    std::string text;
    for (const char c : field) {
        if (!IsPadding(c)) text.push_back(c);
    }
    return text;
}

// A field's value: the number between its padding blanks (or zero bytes). An empty field,
// blanks or the asterisks other software writes for no value, is 0. Refuses, naming the
// field and the record, anything else.
double FieldValue(std::string_view field, uint32_t record, uint32_t j) {
    while (!field.empty() && IsPadding(field.front())) field.remove_prefix(1);
    while (!field.empty() && IsPadding(field.back())) field.remove_suffix(1);
    if (field.find_first_not_of('*') == std::string_view::npos) return 0.0;
    double value = 0.0;
    switch (ReadNumberToken(field, value)) {
        case NumberToken::NotNumber:
            Refuse(Format("Data File: value in field %u, record %u is not a number!", j + 1,
                          record + 1));
        case NumberToken::TooLarge:
            Refuse(
                Format("Data File: value in field %u, record %u is too large!", j + 1, record + 1));
        case NumberToken::Number:
            break;
    }
    return value;
}

// A descriptor's name: up to the first zero byte or separator, so that the header line
// splits back into exactly one token per field.
std::string DescriptorName(const char* descriptor) {
    std::string name;
    for (size_t i = 0; i < kDbaseReadNameLength; ++i) {
        const char c = descriptor[i];
        if (c == '\0' || TokenSplitter::IsSeparator(c)) break;
        name.push_back(c);
    }
    return name;
}

// A table checked against its file, read once for every use.
struct CheckedTable {
    DbaseLayout layout;
    std::vector<std::string> names;
    std::string records;  // every record, deleted ones included, as stored
};

CheckedTable LoadTable(std::istream& file, Diagnostics& said) {
    const uint64_t length = StreamLength(file);
    unsigned char header[kFileHeaderSize] = {};
    const bool wholeHeader = ReadAt(file, 0, reinterpret_cast<char*>(header),
                                    std::min<uint64_t>(length, sizeof header)) &&
                             length >= sizeof header;
    if (length == 0 || header[0] != kVersion) Refuse(kNotDbase);
    if (!wholeHeader) Refuse(kHeaderMismatch);

    CheckedTable table;
    DbaseLayout& layout = table.layout;
    layout.records = GetU32(header + 4);
    layout.headerLength = GetU16(header + 8);
    layout.recordLength = GetU16(header + 10);
    layout.fields = layout.headerLength >= kFileHeaderSize
                        ? (layout.headerLength - kFileHeaderSize) / kDescriptorSize
                        : 0;
    if (layout.fields == 0 || layout.headerLength > length) Refuse(kHeaderMismatch);
    if (uint64_t{layout.records} * layout.fields > Matrix::kMaxElements) {
        Refuse(ids::kTooLargeForMatrix);
    }
    if (layout.records < 2) Refuse(ids::kNotEnoughData);
    if (length > kLargeFileBytes) said.Add(ids::kLargeFile, Icon::Exclamation);

    std::string descriptors(kDescriptorSize * layout.fields, '\0');
    if (!ReadAt(file, kFileHeaderSize, descriptors.data(), descriptors.size())) {
        Refuse(kHeaderMismatch);
    }
    uint64_t widthSum = 0;
    for (uint32_t j = 0; j < layout.fields; ++j) {
        const char* descriptor = descriptors.data() + kDescriptorSize * j;
        // The header ends before the count its length gives: the length is wrong.
        if (descriptor[0] == kHeaderEnd) Refuse(kHeaderMismatch);
        if (descriptor[11] != 'N') Refuse(kNonNumericField);
        const uint32_t width = static_cast<unsigned char>(descriptor[16]);
        if (width == 0) Refuse(kHeaderMismatch);
        std::string name = DescriptorName(descriptor);
        if (name.empty()) Refuse(Format("Data File: dBase field %u has no name!", j + 1));
        layout.widths.push_back(width);
        table.names.push_back(std::move(name));
        widthSum += width;
    }
    if (widthSum + 1 != layout.recordLength) Refuse(kWidthsMismatch);
    // The descriptors end with their terminator, and the records start after it: a header
    // length that says otherwise would shift every field of every record.
    char terminator = 0;
    const uint64_t terminatorAt = kFileHeaderSize + uint64_t{kDescriptorSize} * layout.fields;
    if (layout.headerLength <= terminatorAt || !ReadAt(file, terminatorAt, &terminator, 1) ||
        terminator != kHeaderEnd) {
        Refuse(kHeaderMismatch);
    }

    const uint64_t recordBytes = uint64_t{layout.records} * layout.recordLength;
    if (layout.headerLength + recordBytes > length) Refuse(kFileCutShort);
    table.records.resize(recordBytes);
    if (!ReadAt(file, layout.headerLength, table.records.data(), table.records.size())) {
        Refuse(kFileCutShort);
    }
    for (uint32_t r = 0; r < layout.records; ++r) {
        const char flag = table.records[uint64_t{r} * layout.recordLength];
        // Every record opens with its deletion flag; anything else means the records are
        // not where the header puts them.
        if (flag != kDeletedFlag && flag != ' ') Refuse(kHeaderMismatch);
        if (flag != kDeletedFlag) ++layout.validRecords;
    }
    if (layout.validRecords < 2) Refuse(ids::kNotEnoughData);
    file.clear();
    file.seekg(0, std::ios::beg);
    return table;
}

// The names joined by tabs: the header line of a table.
std::string HeaderLineOf(const std::vector<std::string>& names) {
    std::string line;
    for (size_t j = 0; j < names.size(); ++j) {
        if (j > 0) line.push_back('\t');
        line += names[j];
    }
    return line;
}

// Calls visit(record, row, field, bytes) for every field of every record not flagged
// deleted; record counts every record of the file, row only those not deleted.
template <typename Visit>
void ForEachField(const CheckedTable& table, Visit visit) {
    const DbaseLayout& layout = table.layout;
    uint32_t row = 0;
    for (uint32_t r = 0; r < layout.records; ++r) {
        const char* record = table.records.data() + uint64_t{r} * layout.recordLength;
        if (record[0] == kDeletedFlag) continue;
        uint32_t offset = 1;
        for (uint32_t j = 0; j < layout.fields; ++j) {
            visit(r, row, j, std::string_view(record + offset, layout.widths[j]));
            offset += layout.widths[j];
        }
        ++row;
    }
}

// A number's text as a field holds it, at most kDbaseLongNumber + 1 characters: the text
// itself when it fits, otherwise the closest shorter text of the same number (fewer
// digits, the exponent kept), so that a long number keeps its magnitude. A text that is
// no number is cut.
std::string FieldNumberText(const std::string& token) {
    constexpr size_t kFits = kDbaseLongNumber + 1;
    double value = 0.0;
    if (token.size() <= kFits || ReadNumberToken(token, value) != NumberToken::Number) {
        return token.substr(0, kFits);
    }
    for (int digits = 17; digits > 1; --digits) {
        std::string text = Format(("%." + std::to_string(digits) + "g").c_str(), value);
        if (text.size() <= kFits) return text;
    }
    return Format("%.1g", value);
}

DbaseDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

bool ReadDbaseFile(DataSet& doc, std::istream& file, Diagnostics& said) {
    try {
        const CheckedTable table = LoadTable(file, said);
        Matrix data(table.layout.validRecords, table.layout.fields);
        ForEachField(table,
                     [&data](uint32_t record, uint32_t row, uint32_t j, std::string_view field) {
                         data.At(row, j) = FieldValue(field, record, j);
                     });
        doc.Assign(HeaderLineOf(table.names), table.names, std::move(data));
    } catch (const Refusal& refusal) {
        said.Add(refusal.text, Icon::Stop);
        return false;
    }
    return true;
}

bool ReadDbaseLines(const std::string& path, std::vector<std::string>& lines, Diagnostics& said) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        said.Add(Format("Data File: cannot open %s!", path.c_str()), Icon::Stop);
        return false;
    }
    try {
        const CheckedTable table = LoadTable(file, said);
        const size_t records = table.layout.validRecords;
        if (lines.size() < records + 1) lines.resize(records + 1);
        lines[0] = HeaderLineOf(table.names);
        ForEachField(table, [&lines](uint32_t, uint32_t row, uint32_t j, std::string_view field) {
            std::string& line = lines[size_t{row} + 1];
            if (j == 0) {
                line = FieldText(field);
            } else {
                line.push_back('\t');
                line += FieldText(field);
            }
        });
    } catch (const Refusal& refusal) {
        said.Add(refusal.text, Icon::Stop);
        return false;
    }
    return true;
}

bool WriteDbaseTable(const std::vector<std::string>& lines, size_t count, const DbaseDate& date,
                     std::ostream& out, Diagnostics& said) {
    count = std::min(count, lines.size());
    const uint32_t fields = count > 0 ? TokenSplitter(lines[0]).CountTokens() : 0;
    if (fields == 0) {
        said.Add("Data File: no column names to write!", Icon::Stop);
        return false;
    }
    if (fields > kDbaseMaxWrittenFields) {
        said.Add(
            Format("Data File: a dBase table holds at most %u columns!", kDbaseMaxWrittenFields),
            Icon::Stop);
        return false;
    }
    const size_t records = count - 1;

    // Widths and decimals from the numbers as they will be written (at most 19 characters).
    std::vector<uint32_t> widths(fields, 1);
    std::vector<uint32_t> decimals(fields, 0);
    int64_t lastWarnedField = -1;
    std::string token;
    for (size_t i = 1; i < count; ++i) {
        TokenSplitter splitter(lines[i]);
        for (uint32_t j = 0; j < fields && splitter.NextToken(token); ++j) {
            if (token.size() > kDbaseLongNumber) {
                if (lastWarnedField != j) said.Add(kTruncatingNumber, Icon::Information);
                lastWarnedField = j;
            }
            const std::string text = FieldNumberText(token);
            const size_t m = std::min(text.size(), kDbaseLongNumber);
            widths[j] = std::max(widths[j], static_cast<uint32_t>(m + 1));
            const size_t point = text.find('.');
            if (point < m)
                decimals[j] = std::max(decimals[j], static_cast<uint32_t>(m - point - 1));
        }
    }
    uint32_t recordLength = 1;
    for (const uint32_t width : widths) recordLength += width;

    std::string header(kFileHeaderSize, '\0');
    header[0] = static_cast<char>(kVersion);
    header[1] = static_cast<char>(std::clamp(date.year - 1900, 0, 255));
    header[2] = static_cast<char>(date.month);
    header[3] = static_cast<char>(date.day);
    PutU32(header, 4, static_cast<uint32_t>(records));
    PutU16(header, 8, static_cast<uint32_t>(kDescriptorSize * fields + kFileHeaderSize + 2));
    PutU16(header, 10, recordLength);
    out.write(header.data(), static_cast<std::streamsize>(header.size()));

    TokenSplitter names(lines[0]);
    for (uint32_t j = 0; j < fields; ++j) {
        names.NextToken(token);
        std::string descriptor(kDescriptorSize, '\0');
        std::copy_n(token.begin(), std::min(token.size(), kDbaseNameLength), descriptor.begin());
        descriptor[11] = 'N';
        descriptor[16] = static_cast<char>(widths[j]);
        descriptor[17] = static_cast<char>(decimals[j]);
        out.write(descriptor.data(), static_cast<std::streamsize>(descriptor.size()));
    }
    out.write("\r\0", 2);

    // Numbers left-aligned and blank-filled.
    std::string record;
    for (size_t i = 1; i < count; ++i) {
        record.assign(1, ' ');
        TokenSplitter splitter(lines[i]);
        for (uint32_t j = 0; j < fields; ++j) {
            if (!splitter.NextToken(token)) token.clear();
            std::string text = FieldNumberText(token);
            text.resize(widths[j], ' ');
            record += text;
        }
        out.write(record.data(), static_cast<std::streamsize>(record.size()));
    }
    return static_cast<bool>(out);
}

bool WriteDbaseFile(const std::vector<std::string>& lines, size_t count, std::ostream& out,
                    Diagnostics& said) {
    return WriteDbaseTable(lines, count, Today(), out, said);
}

}  // namespace lumox

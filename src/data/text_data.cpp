#include "data/text_data.h"

#include <fstream>

#include "data/data_set.h"
#include "numeric/number_text.h"
#include "numeric/scanner.h"
#include "platform/abort.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "platform/strings.h"

namespace lumox {
namespace {

void Refuse(const std::string& text) { ShowMessage(text, Icon::Stop); }

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Checks the header line against the fixed limits; false after the message.
bool HeaderWithinLimits(const std::string& header) {
    if (header.size() > kMaxLineLength) {
        Refuse(Format("Data File: first row is longer than %zu characters!", kMaxLineLength));
        return false;
    }
    TokenSplitter splitter(header);
    if (splitter.CountTokens() > kMaxColumns) {
        Refuse(Format("Data File: more than %u column names in the first row!", kMaxColumns));
        return false;
    }
    std::string token;
    for (uint32_t column = 1; splitter.NextToken(token); ++column) {
        if (token.size() > kMaxTokenLength) {
            Refuse(Format("Data File: name in column %u of the first row is longer than %zu "
                          "characters!",
                          column, kMaxTokenLength));
            return false;
        }
    }
    return true;
}

// Checks one observation line; false after the message.
bool RowIsValid(const std::string& line, uint32_t row, uint32_t columns) {
    if (line.size() > kMaxLineLength) {
        Refuse(Format("Data File: row %u is longer than %zu characters!", row, kMaxLineLength));
        return false;
    }
    if (line.empty()) {
        Refuse(Format("Data File: row %u is blank!", row));
        return false;
    }
    TokenSplitter splitter(line);
    std::string token;
    uint32_t column = 0;
    while (splitter.NextToken(token)) {
        ++column;
        if (token.size() > kMaxTokenLength) {
            Refuse(Format("Data File: value in column %u, row %u is longer than %zu characters!",
                          column, row, kMaxTokenLength));
            return false;
        }
        if (HasNonNumericChar(token)) {
            Refuse(Format("Data File: found non-numeric character in column %u, row %u!", column,
                          row));
            return false;
        }
    }
    if (column != columns) {
        Refuse(Format("Data File: number of columns different in row %u\n", row));
        return false;
    }
    return true;
}

}  // namespace

int HasNonNumericChar(std::string_view token) {
    constexpr std::string_view kValueChars = "0123456789.-+eE";
    for (const char c : token) {
        if (kValueChars.find(c) == std::string_view::npos) return 1;
    }
    return 0;
}

uint32_t CountHeaderColumns(std::string_view header) {
    TokenSplitter splitter(header);
    std::string token;
    uint32_t count = 0;
    uint32_t letters = 0;
    while (splitter.NextToken(token)) {
        ++count;
        for (const char c : token) letters += IsLetter(c) ? 1 : 0;
    }
    if (letters > 0) return count;
    return AskYesNo(LoadString(ids::kNumericColumnNames)) == Answer::Yes ? count : 0;
}

int ValidateTextDataFile(DataSet& doc, std::istream& file) {
    auto fail = [&doc] {
        doc.m_nRows = doc.m_nCols = 0;
        return 1;
    };
    FileLineReader reader(file);
    std::string line;
    reader.ReadLine(line);
    // A header of separators only names nothing: it is as blank as an empty one.
    if (TokenSplitter(line).CountTokens() == 0) {
        ShowMessage(ids::kFirstRowBlank, Icon::Stop);
        return fail();
    }
    if (!HeaderWithinLimits(line)) return fail();
    const uint32_t columns = CountHeaderColumns(line);
    if (columns == 0) return fail();

    uint32_t rows = 0;
    while (reader.ReadLine(line) != 0) {
        ++rows;
        if (!RowIsValid(line, rows, columns)) return fail();
    }
    if (rows < 2) {
        ShowMessage(ids::kNotEnoughData, Icon::Stop);
        return fail();
    }
    if (static_cast<uint64_t>(rows) * columns > Matrix::kMaxElements) {
        ShowMessage(ids::kTooLargeForMatrix, Icon::Stop);
        return fail();
    }
    doc.m_nRows = rows;
    doc.m_nCols = columns;
    return 0;
}

void ReadTextDataFile(DataSet& doc, std::istream& file) {
    if (ValidateTextDataFile(doc, file) != 0) AbandonCommand();
    Matrix& data = doc.GetData();
    data.Resize(doc.m_nRows, doc.m_nCols);

    FileLineReader reader(file);
    std::string line;
    reader.ReadLine(line);
    doc.m_strHeaderLine = line;
    doc.m_astrColNames.clear();
    TokenSplitter splitter(line);
    std::string token;
    while (splitter.NextToken(token)) doc.m_astrColNames.push_back(token.substr(0, kMaxNameLength));

    for (uint32_t i = 0; i < doc.m_nRows; ++i) {
        reader.ReadLine(line);
        TokenSplitter values(line);
        for (uint32_t j = 0; j < doc.m_nCols && values.NextToken(token); ++j) {
            data.At(i, j) = AtoF(token);
        }
    }
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        Refuse(Format("Data File: cannot open %s!", path.c_str()));
        return false;
    }
    FileLineReader reader(file);
    if (reader.Length() > kLargeFileBytes) ShowMessage(ids::kLargeFile, Icon::Exclamation);
    std::string line;
    size_t index = 0;
    while (reader.ReadLine(line) != 0) {
        if (index >= lines.size()) lines.resize(index + 32);
        lines[index++] = line;
    }
    return true;
}

bool WriteTextLines(const std::vector<std::string>& lines, size_t count, std::ostream& out) {
    for (size_t i = 0; i < count && i < lines.size(); ++i) {
        out << lines[i] << "\r\n";
    }
    return static_cast<bool>(out);
}

}  // namespace lumox

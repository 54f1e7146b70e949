#include "data/pasted_table.h"

#include "numeric/scanner.h"
#include "platform/format.h"
#include "platform/strings.h"

namespace lumox {

ReadStatus ReadPastedTable(std::string_view text, std::vector<std::string>& lines, int& columnCount,
                           NumericNames names, Diagnostics& said) {
    if (text.size() > kLargeFileBytes) said.Add(ids::kLargeFile, Icon::Exclamation);

    // Every line must fit the data file's line limit, or the saved file could not be read.
    std::vector<std::string> pasted;
    TextLineReader reader(text);
    std::string line;
    size_t tableEnd = 0;  // the end of the last line that holds a cell
    while (const uint64_t end = reader.ReadLine(line)) {
        if (line.size() > kMaxLineLength) {
            said.Add(Format("Clipboard data: line %zu is longer than %zu characters!",
                            pasted.size() + 1, kMaxLineLength),
                     Icon::Exclamation);
            return ReadStatus::Refused;
        }
        pasted.push_back(line);
        if (TokenSplitter(line).CountTokens() > 0) tableEnd = end;
    }

    uint32_t counts[3] = {0, 0, 0};
    for (size_t i = 0; i < 3 && i < pasted.size(); ++i) {
        counts[i] = TokenSplitter(pasted[i]).CountTokens();
        if (counts[i] == 0) continue;
        const int kind = HasOnlyNumberChars(pasted[i]);
        if (i == 0 && kind == 0) {
            if (names == NumericNames::Ask) return ReadStatus::NumericNamesQuestion;
        } else if (i > 0 && kind == 1) {
            said.Add(ids::kClipboardIncorrect, Icon::Exclamation);
            return ReadStatus::Refused;
        }
    }
    // Three lines without a token would make a table without columns.
    if (counts[0] == 0 || counts[0] != counts[1] || counts[1] != counts[2]) {
        said.Add(ids::kClipboardIncorrect, Icon::Exclamation);
        return ReadStatus::Refused;
    }
    // Blank lines after the table (a copied range often ends with some) are no rows of it.
    // Every other line must be one the data file reader takes, or the saved file could not
    // be read again.
    constexpr DataTextSource kClipboard{"Clipboard data", Icon::Exclamation};
    const std::string_view table = text.substr(0, tableEnd);
    const ReadStatus status = CheckDataText(table, NumericNames::Accepted, kClipboard, said);
    if (status != ReadStatus::Read) return status;
    while (!pasted.empty() && TokenSplitter(pasted.back()).CountTokens() == 0) pasted.pop_back();
    lines = std::move(pasted);
    columnCount = static_cast<int>(counts[0]);
    return ReadStatus::Read;
}

}  // namespace lumox

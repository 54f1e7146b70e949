#include "reports/input_data.h"

#include <locale.h>
#include <time.h>

#include <algorithm>
#include <vector>

#include "data/data_set.h"
#include "platform/format.h"

namespace lumox {

void WriteInputData(const DataSet& set, std::string& out) {
    const Matrix& data = set.GetData();
    const uint32_t rows = set.Rows();
    const uint32_t cols = set.Cols();
    // Every value is formatted once with "%.9g", row by row into one buffer: the widest
    // text sizes its column, and a text that would fill its field is written this way.
    std::string texts;
    texts.reserve(size_t{rows} * cols * 10);
    std::vector<size_t> ends(size_t{rows} * cols);
    std::vector<size_t> digits(cols, 0);
    for (uint32_t i = 0; i < rows; ++i) {
        for (uint32_t j = 0; j < cols; ++j) {
            const size_t start = texts.size();
            AppendFormat(texts, "%.9g", data.At(i, j));
            ends[size_t{i} * cols + j] = texts.size();
            digits[j] = std::max(digits[j], texts.size() - start);
        }
    }
    std::vector<int> width(cols);
    for (uint32_t j = 0; j < cols; ++j) {
        const int nameWidth = std::min(static_cast<int>(set.GetColName(j).size()) + 1, 9);
        width[j] = std::max(static_cast<int>(digits[j]) + 2, nameWidth);
    }

    // Lines wrap before passing 78 characters; continuation lines begin with three blanks.
    // Every field but a row's last fills exactly its column's width, so the names and
    // every row wrap before the same columns.
    std::vector<uint8_t> wrapBefore(cols, 0);
    size_t rowBytes = 2;
    for (uint32_t j = 0, length = 0; j < cols; ++j) {
        if (length + static_cast<uint32_t>(width[j]) > 78) {
            wrapBefore[j] = 1;
            length = 3;
            rowBytes += 5;
        }
        length += static_cast<uint32_t>(width[j]);
        rowBytes += static_cast<size_t>(width[j]);
    }
    out.reserve(out.size() + 16 + rowBytes * (size_t{rows} + 1));

    out += "\r\n\r\nINPUT DATA\r\n\r\n";
    for (uint32_t j = 0; j < cols; ++j) {
        if (wrapBefore[j]) out += "\r\n   ";
        AppendFormat(out, "%-*.*s", width[j], 8, set.GetColName(j).c_str());
    }
    out += "\r\n";
    size_t start = 0;
    for (uint32_t i = 0; i < rows; ++i) {
        for (uint32_t j = 0; j < cols; ++j) {
            if (wrapBefore[j]) out += "\r\n   ";
            const size_t end = ends[size_t{i} * cols + j];
            const size_t length = end - start;
            if (j + 1 < cols) {
                // As many significant digits as the field is wide, left-aligned; where that
                // text would leave no blank before the next column, the nine-digit text.
                const size_t field = static_cast<size_t>(width[j]);
                const size_t before = out.size();
                AppendFormat(out, "%.*g", width[j], data.At(i, j));
                if (out.size() - before >= field) {
                    out.resize(before);
                    out.append(texts, start, length);
                }
                out.append(field - (out.size() - before), ' ');
            } else {
                // The last value carries as many digits as its nine-digit text is long.
                const int precision = static_cast<int>(length);
                AppendFormat(out, "%-*.*g", precision, precision, data.At(i, j));
            }
            start = end;
        }
        out += "\r\n";
    }
}

std::string ComposeReportHeader(const std::string& title, int width) {
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    return ComposeReportHeader(title, width, today);
}

std::string ComposeReportHeader(const std::string& title, int width, const std::tm& date) {
    // Month names are English whatever the desktop's language, like the rest of the reports.
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    char buffer[64];
    const size_t length = strftime_l(buffer, sizeof buffer, "%B %d, %Y", &date, c_locale);
    const std::string day(buffer, length);
    std::string text = "Lumox - Data File: " + title;
    const int blanks = width - static_cast<int>(text.size()) - static_cast<int>(day.size());
    if (blanks > 0) text.append(static_cast<size_t>(blanks), ' ');
    return text + day;
}

}  // namespace lumox

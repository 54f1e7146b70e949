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
    const uint32_t rows = set.m_nRows;
    const uint32_t cols = set.m_nCols;
    std::vector<int> width(cols);
    for (uint32_t j = 0; j < cols; ++j) {
        size_t digits = 0;
        for (uint32_t i = 0; i < rows; ++i) {
            digits = std::max(digits, Format("%.9g", data.At(i, j)).size());
        }
        const int nameWidth = std::min(static_cast<int>(set.GetColName(j).size()) + 1, 9);
        width[j] = std::max(static_cast<int>(digits) + 2, nameWidth);
    }

    out += "\r\n\r\nINPUT DATA\r\n\r\n";
    // Lines wrap before passing 78 characters; continuation lines begin with three blanks.
    std::string line;
    auto wrap = [&out, &line](int columnWidth) {
        if (line.size() + static_cast<size_t>(columnWidth) > 78) {
            line += "\r\n";
            out += line;
            line = "   ";
        }
    };
    for (uint32_t j = 0; j < cols; ++j) {
        wrap(width[j]);
        line += Format("%-*.*s", width[j], 8, set.GetColName(j).c_str());
    }
    out += line + "\r\n";

    for (uint32_t i = 0; i < rows; ++i) {
        line.clear();
        for (uint32_t j = 0; j < cols; ++j) {
            wrap(width[j]);
            const double value = data.At(i, j);
            if (j + 1 == cols) {
                const int length = static_cast<int>(Format("%.9g", value).size());
                line += Format("%-*.*g", length, length, value);
            } else {
                std::string text = Format("%-*.*g", width[j], width[j], value);
                // As many digits as the field is wide can fill it and run into the next
                // value; such a value keeps the nine digits its column was sized for.
                if (text.size() >= static_cast<size_t>(width[j])) {
                    text = Format("%-*.9g", width[j], value);
                }
                line += text;
            }
        }
        out += line + "\r\n";
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

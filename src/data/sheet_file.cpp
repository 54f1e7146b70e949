#include "data/sheet_file.h"

#include <algorithm>
#include <cctype>

#include "data/data_set.h"
#include "data/ods_reader.h"
#include "data/sheet_grid.h"

namespace lumox {

std::optional<SheetFileKind> SheetFileKindOf(std::string_view path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos) return {};
    std::string extension(path.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "xlsx") return SheetFileKind::Xlsx;
    if (extension == "ods") return SheetFileKind::Ods;
    return {};
}

bool SpreadsheetBook::Refuse(PartRead read, const std::string& reason, Diagnostics& said) const {
    std::string message = "Data File: ";
    switch (read) {
        case PartRead::TooLarge:
            message += title_ + " unpacks to more than any data file can be!";
            break;
        case PartRead::Stopped:
            message += kSheetTooLarge;
            break;
        default:
            message += title_ + " is damaged: " + reason + "!";
            break;
    }
    said.Add(std::move(message), Icon::Stop);
    return false;
}

bool SpreadsheetBook::Open(std::string bytes, SheetFileKind kind, std::string title,
                           Diagnostics& said) {
    kind_ = kind;
    title_ = std::move(title);
    names_.clear();
    if (!zip_.Open(std::move(bytes))) {
        return Refuse(PartRead::Damaged, "it is no zip archive, as every spreadsheet is", said);
    }
    std::string reason;
    PartRead read = PartRead::Read;
    if (kind_ == SheetFileKind::Ods) {
        read = ReadOdsSheetNames(zip_, names_, reason);
    } else {
        read = ReadXlsxBook(zip_, xlsx_, reason);
        for (const XlsxBook::Sheet& sheet : xlsx_.sheets) names_.push_back(sheet.name);
    }
    if (read != PartRead::Read) return Refuse(read, reason, said);
    if (names_.empty()) {
        said.Add("Data File: " + title_ + " holds no sheet!", Icon::Stop);
        return false;
    }
    return true;
}

std::optional<size_t> SpreadsheetBook::FindSheet(std::string_view name, Diagnostics& said) const {
    const auto found = std::find(names_.begin(), names_.end(), name);
    if (found != names_.end()) return static_cast<size_t>(found - names_.begin());
    std::string list;
    for (const std::string& sheet : names_) list += (list.empty() ? "\"" : ", \"") + sheet + "\"";
    said.Add("Data File: " + title_ + " has no sheet \"" + std::string(name) +
                 "\"; its sheets are " + list + "!",
             Icon::Stop);
    return std::nullopt;
}

bool SpreadsheetBook::ReadSheet(size_t index, DataSet& set, Diagnostics& said) const {
    set.ClearDataSet();
    SheetGrid grid;
    std::string reason;
    const PartRead read = kind_ == SheetFileKind::Ods
                              ? ReadOdsSheet(zip_, index, grid, reason)
                              : ReadXlsxSheet(zip_, xlsx_, index, grid, reason);
    if (read != PartRead::Read) return Refuse(read, reason, said);
    return ReadSheetGrid(set, std::move(grid), names_.at(index), said);
}

}  // namespace lumox

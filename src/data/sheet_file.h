#ifndef LUMOX_DATA_SHEET_FILE_H
#define LUMOX_DATA_SHEET_FILE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/xlsx_reader.h"
#include "data/zip_archive.h"
#include "platform/diagnostics.h"

namespace lumox {

class DataSet;

enum class SheetFileKind { Xlsx, Ods };

// The spreadsheet kind a path names by its extension (.xlsx or .ods in any letter case);
// none for any other file.
std::optional<SheetFileKind> SheetFileKindOf(std::string_view path);

// A spreadsheet file of several sheets, any of which can be read as a data set. It is
// only ever read: the program writes no spreadsheet.
class SpreadsheetBook {
public:
    // Takes the file's bytes and lists its sheets; title names the file in messages.
    // False, with the reason in said, when it is no readable book of that kind.
    bool Open(std::string bytes, SheetFileKind kind, std::string title, Diagnostics& said);
    const std::vector<std::string>& SheetNames() const { return names_; }
    // The index of the sheet of that name; none, with a message listing the sheets,
    // when the book has no such sheet.
    std::optional<size_t> FindSheet(std::string_view name, Diagnostics& said) const;
    // Reads the sheet at index as a data set, by the rules of every data sheet, its cells
    // named by the sheet's name. False, with the reason in said, when it cannot be.
    bool ReadSheet(size_t index, DataSet& set, Diagnostics& said) const;

private:
    // The message for a part that could not be read; false.
    bool Refuse(PartRead read, const std::string& reason, Diagnostics& said) const;

    ZipArchive zip_;
    SheetFileKind kind_ = SheetFileKind::Xlsx;
    std::string title_;
    std::vector<std::string> names_;
    XlsxBook xlsx_;
};

}  // namespace lumox

#endif

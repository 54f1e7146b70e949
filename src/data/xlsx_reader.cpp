#include "data/xlsx_reader.h"

#include <charconv>
#include <cstring>
#include <map>

#include "data/sheet_grid.h"
#include "data/text_data.h"
#include "data/xml_part.h"

namespace lumox {
namespace {

// One relationship of a part: what kind it is and the part it points at.
struct Relationship {
    std::string id;
    std::string type;
    std::string target;
};

class RelationshipsReader final : public XmlPartReader {
public:
    void StartElement(std::string_view name, const char** attributes) override {
        if (LocalName(name) != "Relationship") return;
        const char* mode = FindAttribute(attributes, "TargetMode");
        if (mode != nullptr && std::strcmp(mode, "External") == 0) return;
        const char* id = FindAttribute(attributes, "Id");
        const char* type = FindAttribute(attributes, "Type");
        const char* target = FindAttribute(attributes, "Target");
        if (id && type && target) found.push_back({id, type, target});
    }
    void EndElement(std::string_view) override {}

    std::vector<Relationship> found;
};

// Whether a relationship's type URI ends in kind ("/worksheet").
bool IsKind(const Relationship& relationship, std::string_view kind) {
    return std::string_view(relationship.type).ends_with(kind);
}

// The folder of a part, with its final slash ("xl/" for "xl/workbook.xml").
std::string FolderOf(std::string_view part) {
    const size_t slash = part.rfind('/');
    return std::string(slash == std::string_view::npos ? "" : part.substr(0, slash + 1));
}

// The part a relationship's target names: from the package's root when it starts with a
// slash, otherwise from the folder of the part that holds the relationship.
std::string ResolveTarget(std::string_view folder, std::string_view target) {
    const std::string path = target.starts_with('/') ? std::string(target.substr(1))
                                                     : std::string(folder) + std::string(target);
    std::vector<std::string_view> steps;
    for (size_t start = 0; start <= path.size();) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string_view step(path.data() + start, end - start);
        if (step == "..") {
            if (!steps.empty()) steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = end + 1;
    }
    std::string resolved;
    for (const std::string_view step : steps) {
        resolved += (resolved.empty() ? "" : "/") + std::string(step);
    }
    return resolved;
}

// The relationships of a part, from "folder/_rels/name.rels"; none when it has none.
PartRead ReadRelationships(const ZipArchive& zip, std::string_view part,
                           std::vector<Relationship>& found, std::string& reason) {
    const std::string folder = FolderOf(part);
    const std::string rels = folder + "_rels/" + std::string(part.substr(folder.size())) + ".rels";
    if (!zip.Has(rels)) return PartRead::Read;
    RelationshipsReader reader;
    const PartRead read = ParseXmlPart(zip, rels, kMaxDataFileBytes, reader, reason);
    found = std::move(reader.found);
    return read;
}

class WorkbookReader final : public XmlPartReader {
public:
    void StartElement(std::string_view name, const char** attributes) override {
        if (LocalName(name) != "sheet") return;
        const char* sheetName = FindAttribute(attributes, "name");
        const char* id = FindAttribute(attributes, "id", true);
        if (sheetName && id) sheets.emplace_back(sheetName, id);
    }
    void EndElement(std::string_view) override {}

    std::vector<std::pair<std::string, std::string>> sheets;  // name, relationship id
};

// A whole number written in decimal digits and nothing else.
bool ParseNumber(std::string_view text, uint32_t& number) {
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, number);
    return parsed.ec == std::errc() && parsed.ptr == end;
}

// Parses a cell reference ("AB12") into its column and row from 0.
bool ParseReference(std::string_view reference, uint32_t& column, uint32_t& row) {
    uint32_t letters = 0;
    size_t k = 0;
    for (; k < reference.size() && reference[k] >= 'A' && reference[k] <= 'Z' && k < 4; ++k) {
        letters = letters * 26 + static_cast<uint32_t>(reference[k] - 'A' + 1);
    }
    uint32_t number = 0;
    if (k == 0 || !ParseNumber(reference.substr(k), number) || number == 0) return false;
    column = letters - 1;
    row = number - 1;
    return true;
}

// A worksheet's cells. Strings the cells share are kept as their indices until the
// shared strings have been read.
class WorksheetReader final : public XmlPartReader {
public:
    struct SharedCell {
        uint32_t row;
        uint32_t column;
        uint32_t index;
    };

    explicit WorksheetReader(SheetGrid& grid) : grid_(grid) {}

    void StartElement(std::string_view name, const char** attributes) override {
        const std::string_view local = LocalName(name);
        if (local == "row") {
            const char* number = FindAttribute(attributes, "r");
            uint32_t row = 0;
            if (number != nullptr && ParseNumber(number, row) && row > 0) {
                row_ = row - 1;
            } else {
                row_ = started_ ? row_ + 1 : 0;
            }
            started_ = true;
            nextColumn_ = 0;
        } else if (local == "c") {
            const char* reference = FindAttribute(attributes, "r");
            uint32_t row = row_;
            if (reference == nullptr || !ParseReference(reference, column_, row)) {
                column_ = nextColumn_;
            }
            cellRow_ = row;
            nextColumn_ = column_ + 1;
            const char* type = FindAttribute(attributes, "t");
            type_ = type != nullptr ? type : "n";
            text_.clear();
        } else if (local == "rPh") {
            ++phonetic_;
        } else if ((local == "v" && type_ != "inlineStr") || (local == "t" && phonetic_ == 0)) {
            collecting_ = true;
        }
    }

    void EndElement(std::string_view name) override {
        const std::string_view local = LocalName(name);
        if (local == "v" || local == "t") {
            collecting_ = false;
        } else if (local == "rPh") {
            --phonetic_;
        } else if (local == "c") {
            AddCell();
        }
    }

    void Text(std::string_view text) override {
        if (collecting_) AppendCellText(text_, text);
    }

    bool Stop() const override { return full_ || damaged_; }
    bool Damaged() const { return damaged_; }
    const std::vector<SharedCell>& Shared() const { return shared_; }

private:
    void AddCell() {
        if (grid_.Size() + shared_.size() >= SheetGrid::kMaxCells) {
            full_ = !text_.empty();
            return;
        }
        SheetCell cell{cellRow_, column_, SheetCell::Kind::Text, std::move(text_)};
        text_.clear();
        if (type_ == "s") {
            uint32_t index = 0;
            if (cell.text.empty()) return;
            damaged_ = !ParseNumber(cell.text, index);
            shared_.push_back({cell.row, cell.column, index});
            return;
        }
        if (type_ == "b") {
            cell.text = cell.text == "1" ? "TRUE" : cell.text.empty() ? "" : "FALSE";
        } else if (type_ == "n") {
            cell.kind = SheetCell::Kind::Number;
        }
        grid_.Add(std::move(cell));
    }

    SheetGrid& grid_;
    std::vector<SharedCell> shared_;
    bool started_ = false;
    uint32_t row_ = 0;
    uint32_t nextColumn_ = 0;
    uint32_t cellRow_ = 0;
    uint32_t column_ = 0;
    std::string type_ = "n";
    std::string text_;
    bool collecting_ = false;
    int phonetic_ = 0;
    bool full_ = false;
    bool damaged_ = false;
};

// The shared strings that cells use, by index; the rest are skipped unkept.
class SharedStringsReader final : public XmlPartReader {
public:
    explicit SharedStringsReader(std::map<uint32_t, std::string>& wanted) : wanted_(wanted) {}

    void StartElement(std::string_view name, const char**) override {
        const std::string_view local = LocalName(name);
        if (local == "si") {
            text_.clear();
        } else if (local == "rPh") {
            ++phonetic_;
        } else if (local == "t" && phonetic_ == 0) {
            collecting_ = true;
        }
    }

    void EndElement(std::string_view name) override {
        const std::string_view local = LocalName(name);
        if (local == "t") {
            collecting_ = false;
        } else if (local == "rPh") {
            --phonetic_;
        } else if (local == "si") {
            if (const auto found = wanted_.find(index_); found != wanted_.end()) {
                found->second = std::move(text_);
                ++filled_;
            }
            ++index_;
        }
    }

    void Text(std::string_view text) override {
        if (collecting_) AppendCellText(text_, text);
    }

    // Whether every string wanted was found.
    bool Complete() const { return filled_ == wanted_.size(); }

private:
    std::map<uint32_t, std::string>& wanted_;
    std::string text_;
    uint32_t index_ = 0;
    size_t filled_ = 0;
    bool collecting_ = false;
    int phonetic_ = 0;
};

}  // namespace

PartRead ReadXlsxBook(const ZipArchive& zip, XlsxBook& book, std::string& reason) {
    book = {};
    std::vector<Relationship> package;
    PartRead read = ReadRelationships(zip, "", package, reason);
    if (read != PartRead::Read) return read;
    std::string workbook = "xl/workbook.xml";
    for (const Relationship& relationship : package) {
        if (IsKind(relationship, "/officeDocument"))
            workbook = ResolveTarget("", relationship.target);
    }
    WorkbookReader sheets;
    read = ParseXmlPart(zip, workbook, kMaxDataFileBytes, sheets, reason);
    if (read == PartRead::Missing) reason = workbook + " is missing";
    if (read != PartRead::Read) return read;

    std::vector<Relationship> parts;
    read = ReadRelationships(zip, workbook, parts, reason);
    if (read != PartRead::Read) return read;
    const std::string folder = FolderOf(workbook);
    for (const Relationship& relationship : parts) {
        if (IsKind(relationship, "/sharedStrings")) {
            book.sharedStrings = ResolveTarget(folder, relationship.target);
        }
    }
    // Only worksheets hold cells; chart sheets are left out of the list.
    for (const auto& [name, id] : sheets.sheets) {
        for (const Relationship& relationship : parts) {
            if (relationship.id == id && IsKind(relationship, "/worksheet")) {
                book.sheets.push_back({name, ResolveTarget(folder, relationship.target)});
            }
        }
    }
    return PartRead::Read;
}

PartRead ReadXlsxSheet(const ZipArchive& zip, const XlsxBook& book, size_t index, SheetGrid& grid,
                       std::string& reason) {
    const std::string& part = book.sheets.at(index).part;
    WorksheetReader cells(grid);
    PartRead read = ParseXmlPart(zip, part, kMaxDataFileBytes, cells, reason);
    if (read == PartRead::Missing) reason = part + " is missing";
    if (cells.Damaged()) {
        reason = part + " names a shared string by no number";
        return PartRead::Damaged;
    }
    if (read != PartRead::Read || cells.Shared().empty()) return read;

    std::map<uint32_t, std::string> strings;
    for (const auto& cell : cells.Shared()) strings[cell.index];
    SharedStringsReader shared(strings);
    read = book.sharedStrings.empty()
               ? PartRead::Missing
               : ParseXmlPart(zip, book.sharedStrings, kMaxDataFileBytes, shared, reason);
    if (read == PartRead::Read && !shared.Complete()) read = PartRead::Missing;
    if (read == PartRead::Missing) reason = part + " names shared strings the book lacks";
    if (read != PartRead::Read) return read == PartRead::Missing ? PartRead::Damaged : read;
    for (const auto& cell : cells.Shared()) {
        grid.Add({cell.row, cell.column, SheetCell::Kind::Text, strings[cell.index]});
    }
    return PartRead::Read;
}

}  // namespace lumox

#include "data/ods_reader.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <optional>

#include "data/data_rules.h"
#include "data/sheet_grid.h"
#include "data/text_data.h"
#include "data/xml_part.h"

namespace lumox {
namespace {

constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::string_view kCalcExt =
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";

// Whether a name as the parser gives it is local in the namespace.
bool Is(std::string_view name, std::string_view space, std::string_view local) {
    return name.size() == space.size() + 1 + local.size() && name.starts_with(space) &&
           name.ends_with(local) && LocalName(name) == local;
}

const char* Attribute(const char** attributes, std::string_view space, std::string_view local) {
    for (; attributes[0] != nullptr; attributes += 2) {
        if (Is(attributes[0], space, local)) return attributes[1];
    }
    return nullptr;
}

// A repeat count; 1 when none is given or it is not a whole number of at least 1.
uint64_t Repeat(const char* text) {
    uint64_t count = 1;
    if (text == nullptr) return 1;
    const char* end = text + std::strlen(text);
    const auto parsed = std::from_chars(text, end, count);
    return parsed.ec == std::errc() && parsed.ptr == end && count > 0 ? count : 1;
}

// content.xml: the sheets' names and, for the sheet wanted, its cells.
class ContentReader final : public XmlPartReader {
public:
    ContentReader(std::optional<size_t> wanted, SheetGrid* grid) : wanted_(wanted), grid_(grid) {}

    void StartElement(std::string_view name, const char** attributes) override {
        if (Is(name, kTable, "table")) {
            if (++tableDepth_ > 1) return;  // a table inside a cell is no sheet
            const char* sheet = Attribute(attributes, kTable, "name");
            names.emplace_back(sheet != nullptr ? sheet : "");
            active_ = wanted_ && *wanted_ == names.size() - 1;
            row_ = 0;
        }
        if (!active_ || tableDepth_ != 1) return;
        if (Is(name, kTable, "table-row")) {
            rowRepeat_ = Repeat(Attribute(attributes, kTable, "number-rows-repeated"));
            column_ = 0;
            rowCells_.clear();
        } else if (Is(name, kTable, "table-cell") || Is(name, kTable, "covered-table-cell")) {
            StartCell(attributes);
        } else if (Is(name, kOffice, "annotation")) {
            ++annotation_;
        } else if (!inCell_ || annotation_ > 0) {
            return;
        } else if (Is(name, kText, "p") || Is(name, kText, "h")) {
            if (paragraphs_++ > 0) AppendCellText(cellText_, "\n");
            ++paragraphDepth_;
        } else if (paragraphDepth_ > 0 && Is(name, kText, "s")) {
            const uint64_t count = Repeat(Attribute(attributes, kText, "c"));
            AppendCellText(cellText_,
                           std::string(std::min<uint64_t>(count, kMaxLineLength + 1), ' '));
        } else if (paragraphDepth_ > 0 && Is(name, kText, "tab")) {
            AppendCellText(cellText_, "\t");
        } else if (paragraphDepth_ > 0 && Is(name, kText, "line-break")) {
            AppendCellText(cellText_, "\n");
        }
    }

    void EndElement(std::string_view name) override {
        if (Is(name, kTable, "table")) {
            if (--tableDepth_ == 0) active_ = false;
            return;
        }
        if (!active_ || tableDepth_ != 1) return;
        if (Is(name, kOffice, "annotation")) {
            --annotation_;
        } else if (Is(name, kText, "p") || Is(name, kText, "h")) {
            if (inCell_ && annotation_ == 0) --paragraphDepth_;
        } else if (Is(name, kTable, "table-cell") || Is(name, kTable, "covered-table-cell")) {
            EndCell();
        } else if (Is(name, kTable, "table-row")) {
            EndRow();
        }
    }

    void Text(std::string_view text) override {
        if (active_ && tableDepth_ == 1 && inCell_ && annotation_ == 0 && paragraphDepth_ > 0) {
            AppendCellText(cellText_, text);
        }
    }

    bool Stop() const override { return full_; }

    std::vector<std::string> names;

private:
    void StartCell(const char** attributes) {
        inCell_ = true;
        cellRepeat_ = Repeat(Attribute(attributes, kTable, "number-columns-repeated"));
        cellText_.clear();
        paragraphs_ = 0;
        paragraphDepth_ = 0;
        value_.reset();
        // An error a formula gave is shown as its text, whatever value stands beside it.
        const char* error = Attribute(attributes, kCalcExt, "value-type");
        if (error != nullptr && std::strcmp(error, "error") == 0) return;
        const char* type = Attribute(attributes, kOffice, "value-type");
        const char* value = Attribute(attributes, kOffice, "value");
        if (type != nullptr && value != nullptr &&
            (std::strcmp(type, "float") == 0 || std::strcmp(type, "percentage") == 0 ||
             std::strcmp(type, "currency") == 0)) {
            value_ = value;
        }
    }

    void EndCell() {
        inCell_ = false;
        const bool number = value_.has_value();
        std::string text = number ? std::move(*value_) : std::move(cellText_);
        // Only one column past the widest data set is kept: enough to name the cell that
        // lies beyond it.
        for (uint64_t k = 0; !text.empty() && k < cellRepeat_ && column_ + k <= kMaxColumns; ++k) {
            rowCells_.push_back({0, static_cast<uint32_t>(column_ + k),
                                 number ? SheetCell::Kind::Number : SheetCell::Kind::Text, text});
        }
        column_ += cellRepeat_;
    }

    void EndRow() {
        if (rowCells_.empty()) {
            row_ += rowRepeat_;
            return;
        }
        for (uint64_t k = 0; k < rowRepeat_ && !full_; ++k, ++row_) {
            for (SheetCell cell : rowCells_) {
                cell.row = static_cast<uint32_t>(row_);
                if (row_ > std::numeric_limits<uint32_t>::max() || !grid_->Add(std::move(cell))) {
                    full_ = true;
                    break;
                }
            }
        }
    }

    std::optional<size_t> wanted_;
    SheetGrid* grid_;
    int tableDepth_ = 0;
    bool active_ = false;
    uint64_t row_ = 0;
    uint64_t rowRepeat_ = 1;
    uint64_t column_ = 0;
    std::vector<SheetCell> rowCells_;
    bool inCell_ = false;
    uint64_t cellRepeat_ = 1;
    std::optional<std::string> value_;
    std::string cellText_;
    int paragraphs_ = 0;
    int paragraphDepth_ = 0;
    int annotation_ = 0;
    bool full_ = false;
};

PartRead ReadContent(const ZipArchive& zip, ContentReader& reader, std::string& reason) {
    constexpr std::string_view kContent = "content.xml";
    const PartRead read = ParseXmlPart(zip, kContent, kMaxDataFileBytes, reader, reason);
    if (read == PartRead::Missing) reason = std::string(kContent) + " is missing";
    return read == PartRead::Missing ? PartRead::Damaged : read;
}

}  // namespace

PartRead ReadOdsSheetNames(const ZipArchive& zip, std::vector<std::string>& names,
                           std::string& reason) {
    ContentReader reader(std::nullopt, nullptr);
    const PartRead read = ReadContent(zip, reader, reason);
    names = std::move(reader.names);
    return read;
}

PartRead ReadOdsSheet(const ZipArchive& zip, size_t index, SheetGrid& grid, std::string& reason) {
    ContentReader reader(index, &grid);
    return ReadContent(zip, reader, reason);
}

}  // namespace lumox

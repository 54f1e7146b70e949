#include "data/sheet_grid.h"

#include <algorithm>

#include "data/data_rules.h"
#include "data/data_set.h"
#include "numeric/matrix.h"
#include "platform/format.h"
#include "platform/strings.h"

namespace lumox {
namespace {

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsMissing(std::string_view cell) { return cell.empty() || cell == "NA" || cell == "#N/A"; }

// A cell's place as a sheet names it: column letters, then the row from 1.
std::string CellName(std::string_view sheet, size_t column, size_t row) {
    std::string letters;
    for (size_t n = column + 1; n > 0; n = (n - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    }
    return std::string(sheet) + "!" + letters + std::to_string(row + 1);
}

// The rows left out, as one message: the first twenty numbers, then how many more.
std::string LeftOutText(const std::vector<size_t>& rows) {
    std::string text = Format("%zu row%s with missing values left out: ", rows.size(),
                              rows.size() == 1 ? "" : "s");
    constexpr size_t kListed = 20;
    for (size_t k = 0; k < rows.size() && k < kListed; ++k) {
        text += (k ? ", " : "") + std::to_string(rows[k] + 1);
    }
    if (rows.size() > kListed) text += Format(" and %zu more", rows.size() - kListed);
    return text;
}

}  // namespace

bool SheetGrid::Add(SheetCell cell) {
    if (cell.text.empty()) return true;
    if (cells_.size() >= kMaxCells) return false;
    cells_.push_back(std::move(cell));
    return true;
}

void AppendCellText(std::string& text, std::string_view more) {
    const size_t room = text.size() > kMaxLineLength ? 0 : kMaxLineLength + 1 - text.size();
    text.append(more.substr(0, room));
}

bool ReadSheetGrid(DataSet& set, SheetGrid grid, std::string_view sheet, Diagnostics& said) {
    set.ClearDataSet();
    auto Refuse = [&said](std::string message) {
        said.Add("Data File: " + std::move(message), Icon::Stop);
        return false;
    };
    // The cells that hold more than blanks, row by row, each row's from the left.
    std::vector<SheetCell> cells;
    for (SheetCell& cell : grid.TakeCells()) {
        if (cell.kind == SheetCell::Kind::Text) cell.text = Trimmed(cell.text);
        if (!cell.text.empty()) cells.push_back(std::move(cell));
    }
    std::stable_sort(cells.begin(), cells.end(), [](const SheetCell& a, const SheetCell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    size_t next = 0;  // the first cell of the row being read
    auto RowEnd = [&cells](size_t first) {
        size_t end = first;
        while (end < cells.size() && cells[end].row == cells[first].row) ++end;
        return end;
    };

    // The names: up to the last one given; an empty one before it names nothing.
    if (cells.empty() || cells.front().row != 0) return Refuse("first row is blank!");
    const size_t namesEnd = RowEnd(0);
    const size_t columns = size_t{cells[namesEnd - 1].column} + 1;
    if (columns > kMaxColumns) {
        return Refuse(Format("more than %u column names in the first row!", kMaxColumns));
    }
    std::vector<std::string> names;
    std::string headerLine;
    for (size_t j = 0; j < columns; ++j) {
        if (next == namesEnd || cells[next].column != j) {
            return Refuse(CellName(sheet, j, 0) + " holds no name!");
        }
        const std::string& name = cells[next++].text;
        // A sheet's names keep their blanks; only a name too long or holding a control
        // character is refused.
        const CellFault fault = CheckName(name);
        if (fault == CellFault::TooLong || fault == CellFault::ControlChar) {
            return Refuse(CellName(sheet, j, 0) + " " + CellFaultWords(fault) + "!");
        }
        names.push_back(name);
        headerLine += (j ? "\t" : "") + name;
    }

    std::vector<double> values;
    std::vector<size_t> leftOut;
    size_t rows = 0;
    for (size_t first = next; first < cells.size(); first = next) {
        next = RowEnd(first);
        const size_t r = cells[first].row;
        if (cells[next - 1].column >= columns) {
            const auto beyond =
                std::find_if(cells.begin() + first, cells.begin() + next,
                             [columns](const SheetCell& c) { return c.column >= columns; });
            return Refuse(CellName(sheet, beyond->column, r) +
                          " lies beyond the last named column!");
        }
        const size_t start = values.size();
        bool missing = false;
        size_t k = first;
        for (size_t j = 0; j < columns; ++j) {
            const bool given = k < next && cells[k].column == j;
            const bool text = given && cells[k].kind == SheetCell::Kind::Text;
            std::string cell = given ? std::move(cells[k++].text) : std::string();
            if (IsMissing(cell)) {
                missing = true;
                continue;
            }
            if (grid.decimalComma && text) {
                std::replace(cell.begin(), cell.end(), ',', '.');
            }
            double value = 0.0;
            if (const CellFault fault = CheckValue(cell, value); fault != CellFault::None) {
                return Refuse(CellName(sheet, j, r) + " " + CellFaultWords(fault) + "!");
            }
            values.push_back(value);
        }
        if (missing) {
            values.resize(start);
            leftOut.push_back(r);
            continue;
        }
        ++rows;
        if (values.size() > Matrix::kMaxElements) return Refuse(std::string(kSheetTooLarge));
    }
    if (!leftOut.empty()) said.Add(LeftOutText(leftOut), Icon::Information);
    if (rows < 2) {
        said.Add(ids::kNotEnoughData, Icon::Stop);
        return false;
    }
    set.Assign(
        std::move(headerLine), std::move(names),
        Matrix(static_cast<uint32_t>(rows), static_cast<uint32_t>(columns), std::move(values)));
    return true;
}

}  // namespace lumox

#include "data/grid_data.h"

#include <algorithm>

#include "data/data_rules.h"
#include "numeric/matrix.h"
#include "platform/format.h"
#include "platform/strings.h"

namespace lumox {

CGridData::CellSpan CGridData::FindCell(std::string_view line, int column) {
    CellSpan span;
    size_t start = 0;
    for (int cell = 1; cell < column; ++cell) {
        const size_t delimiter = line.find_first_of(kDelimiters, start);
        if (delimiter == std::string_view::npos) {
            span.start = span.end = line.size();
            span.missing = true;
            return span;
        }
        start = delimiter + 1;
    }
    const size_t end = line.find_first_of(kDelimiters, start);
    span.start = start;
    span.end = end == std::string_view::npos ? line.size() : end;
    return span;
}

std::string CGridData::EmptyLine() const {
    return std::string(static_cast<size_t>(std::max(columnCount_ - 1, 0)), kSeparator);
}

void CGridData::Init(int rowCount, int columnCount) {
    columnCount_ = std::max(columnCount, 1);
    if (rowCount < 2) {
        rowCount_ = 2;
        lines_->assign(2, EmptyLine());
    } else {
        rowCount_ = rowCount;
        TakeLines();
    }
    history_.clear();
}

void CGridData::TakeLines() {
    lines_->resize(static_cast<size_t>(rowCount_));
    for (std::string& line : *lines_) {
        line = CellLine(line);
        const int cells =
            line.empty() ? 0 : 1 + static_cast<int>(std::count_if(line.begin(), line.end(), IsDelimiter));
        columnCount_ = std::max(columnCount_, cells);
    }
}

std::string CGridData::GetCell(int row, int column) const {
    if (row < 0 || row >= rowCount_ || column < 1) return std::string();
    const std::string& line = (*lines_)[static_cast<size_t>(row)];
    const CellSpan span = FindCell(line, column);
    return line.substr(span.start, span.end - span.start);
}

void CGridData::WriteCell(int row, int column, std::string_view text, bool dropDelimiter) {
    std::string& line = (*lines_)[static_cast<size_t>(row)];
    CellSpan span = FindCell(line, column);
    if (span.missing) {
        // Count the cells the line has, then add the separators that make the wanted one.
        int cells = 1;
        for (const char c : line) cells += IsDelimiter(c) ? 1 : 0;
        line.append(static_cast<size_t>(column - cells), kSeparator);
        span.start = span.end = line.size();
    }
    size_t start = span.start;
    size_t end = span.end;
    if (dropDelimiter) {
        if (end < line.size()) {
            ++end;
        } else if (start > 0) {
            --start;  // the last cell takes the delimiter before it
        }
    }
    line.replace(start, end - start, text);
    modified_ = true;
}

void CGridData::SetCell(int row, int column, std::string_view text, bool dropDelimiter) {
    if (row < 0 || row >= rowCount_ || column < 1) return;
    RememberLine(row);
    WriteCell(row, column, text, dropDelimiter);
}

void CGridData::AddRow() {
    RememberAll();
    lines_->resize(static_cast<size_t>(rowCount_));
    lines_->push_back(EmptyLine());
    ++rowCount_;
    modified_ = true;
}

void CGridData::RemoveRow(int row) {
    if (row < 0 || row >= rowCount_) return;
    RememberAll();
    lines_->erase(lines_->begin() + row);
    --rowCount_;
    modified_ = true;
}

void CGridData::AddColumn() {
    RememberAll();
    for (int row = 0; row < rowCount_; ++row) (*lines_)[static_cast<size_t>(row)] += kSeparator;
    ++columnCount_;
    modified_ = true;
}

void CGridData::RemoveColumn(int column) {
    if (column < 1 || column > columnCount_ || columnCount_ <= 1) return;
    RememberAll();
    for (int row = 0; row < rowCount_; ++row) WriteCell(row, column, std::string_view(), true);
    --columnCount_;
    modified_ = true;
}

void CGridData::ReplaceAll(std::vector<std::string> lines, int columnCount) {
    RememberAll();
    const int rows = static_cast<int>(lines.size());
    *lines_ = std::move(lines);
    rowCount_ = std::max(rows, 2);
    columnCount_ = std::max(columnCount, 1);
    TakeLines();
    modified_ = true;
}

bool CGridData::Validate(int& row, int& column, Diagnostics& said) const {
    auto Problem = [&](int r, int c, std::string text) {
        said.Add(std::move(text), Icon::None);
        row = r;
        column = c;
        return true;
    };
    constexpr std::string_view kSource = "Edit Data";
    if (rowCount_ < 3) return Problem(1, 1, LoadString(ids::kNotEnoughData));
    if (columnCount_ > static_cast<int>(kMaxColumns)) {
        return Problem(0, static_cast<int>(kMaxColumns) + 1,
                       Format("Edit Data: more than %u columns!", kMaxColumns));
    }
    for (int r = 0; r < rowCount_; ++r) {
        const std::string_view line = (*lines_)[static_cast<size_t>(r)];
        // One pass over the line: cell c runs from the end of cell c - 1 to the next delimiter.
        size_t start = 0;
        for (int c = 1; c <= columnCount_; ++c) {
            const size_t end = start > line.size() ? std::string_view::npos : line.find_first_of(kDelimiters, start);
            const size_t stop = end == std::string_view::npos ? line.size() : end;
            if (start >= line.size() || stop == start) {
                return Problem(r, c, "Please enter data in empty cell!");
            }
            const std::string_view cell = line.substr(start, stop - start);
            double value = 0.0;
            const CellFault fault = r == 0 ? CheckName(cell) : CheckValue(cell, value);
            if (fault != CellFault::None) {
                return Problem(r, c,
                               CellFaultText(kSource, fault, static_cast<uint32_t>(r),
                                             static_cast<uint32_t>(c)));
            }
            start = end == std::string_view::npos ? line.size() + 1 : end + 1;
        }
        if (line.size() > kMaxLineLength) {
            return Problem(r, 1, r == 0 ? Format("Edit Data: first row is longer than %zu characters!",
                                                 kMaxLineLength)
                                        : Format("Edit Data: row %d is longer than %zu characters!",
                                                 r, kMaxLineLength));
        }
    }
    const uint64_t values = static_cast<uint64_t>(rowCount_ - 1) * static_cast<uint64_t>(columnCount_);
    if (values > Matrix::kMaxElements) {
        return Problem(rowCount_ - 1, 1,
                       Format("Edit Data: more than %llu values: too large for matrix!",
                              static_cast<unsigned long long>(Matrix::kMaxElements)));
    }
    return false;
}

void CGridData::Remember(UndoStep step) {
    history_.push_back(std::move(step));
    if (history_.size() > kUndoLevels) history_.pop_front();
}

void CGridData::RememberLine(int row) {
    UndoStep step;
    step.row = row;
    step.line = (*lines_)[static_cast<size_t>(row)];
    Remember(std::move(step));
}

void CGridData::RememberAll() {
    UndoStep step;
    step.lines.assign(lines_->begin(), lines_->begin() + rowCount_);
    step.rowCount = rowCount_;
    step.columnCount = columnCount_;
    Remember(std::move(step));
}

bool CGridData::Undo() {
    if (history_.empty()) return false;
    UndoStep step = std::move(history_.back());
    history_.pop_back();
    if (step.row >= 0) {
        (*lines_)[static_cast<size_t>(step.row)] = std::move(step.line);
    } else {
        *lines_ = std::move(step.lines);
        rowCount_ = step.rowCount;
        columnCount_ = step.columnCount;
    }
    modified_ = true;
    return true;
}

}  // namespace lumox

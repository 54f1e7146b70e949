#include "document/grid_layout.h"

#include <algorithm>
#include <functional>

namespace lumox {

std::optional<GridMove> MoveOfKey(GridKey key, bool shift, bool ctrl) {
    switch (key) {
        case GridKey::Tab:
            return shift ? GridMove::Left : GridMove::Right;
        case GridKey::Enter:
            return shift ? GridMove::Up : GridMove::Down;
        case GridKey::Left:
            return GridMove::Left;
        case GridKey::Right:
            return GridMove::Right;
        case GridKey::Up:
            return GridMove::Up;
        case GridKey::Down:
            return GridMove::Down;
        case GridKey::PageUp:
            return GridMove::PageUp;
        case GridKey::PageDown:
            return GridMove::PageDown;
        case GridKey::Home:
            return ctrl ? GridMove::Top : GridMove::Home;
        case GridKey::End:
            return ctrl ? GridMove::Bottom : GridMove::End;
    }
    return std::nullopt;
}

void GridLayout::SetMetrics(int charWidth, int lineHeight) {
    charWidth_ = std::max(charWidth, 1);
    lineHeight_ = std::max(lineHeight, 1);
    rowHeight_ = lineHeight_ * 3 / 2;
    textOffset_ = (rowHeight_ - lineHeight_) / 2 - 2;
}

void GridLayout::SetClient(int width, int height, int scrollBarExtent) {
    clientWidth_ = std::max(width, 0);
    clientHeight_ = std::max(height, 0);
    scrollBarExtent_ = std::max(scrollBarExtent, 0);
    UpdateScrollRanges();
}

int GridLayout::RowNumberWidth() const {
    // Room for the digits of the last row number (at least three) and one character more.
    int digits = 1;
    for (int rest = rows_; rest > 9; rest /= 10) ++digits;
    return (std::max(digits, 3) + 1) * charWidth_;
}

void GridLayout::Reset(int rows, int columns) {
    rows_ = std::max(rows, 1);
    columns_ = std::max(columns, 1);
    widths_.assign(static_cast<size_t>(columns_) + 1, DefaultColumnWidth());
    widths_[0] = RowNumberWidth();
    firstRow_ = firstColumn_ = 0;
    currentRow_ = currentColumn_ = 1;
    ClearSelection();
    UpdateScrollRanges();
}

void GridLayout::SetRows(int rows) {
    rows_ = std::max(rows, 1);
    widths_[0] = RowNumberWidth();
    UpdateScrollRanges();
}

void GridLayout::SetColumns(int columns) {
    columns_ = std::max(columns, 1);
    widths_.resize(static_cast<size_t>(columns_) + 1, DefaultColumnWidth());
    UpdateScrollRanges();
}

void GridLayout::RemoveColumn(int column) {
    if (column < 1 || column > columns_ || columns_ <= 1) return;
    widths_.erase(widths_.begin() + column);
    --columns_;
    UpdateScrollRanges();
}

int GridLayout::ViewWidth() const { return clientWidth_ - (vertical_ ? scrollBarExtent_ : 0); }
int GridLayout::ViewHeight() const { return clientHeight_ - (horizontal_ ? scrollBarExtent_ : 0); }

void GridLayout::UpdateScrollRanges() {
    const int height = clientHeight_ - scrollBarExtent_;
    vertical_ = static_cast<long long>(rows_) * rowHeight_ > height;
    verticalPage_ = std::max(height / rowHeight_, 1);

    const int width = clientWidth_ - (vertical_ ? scrollBarExtent_ : 0);
    long long total = 0;
    for (const int w : widths_) total += w;
    horizontal_ = total > width;
    // The page is the number of columns that fit wherever the view stands: the widest first.
    std::vector<int> sorted(widths_.begin() + 1, widths_.end());
    std::sort(sorted.begin(), sorted.end(), std::greater<int>());
    const int room = width - widths_[0];
    int sum = 0;
    int page = 0;
    for (const int w : sorted) {
        if (sum + w > room) break;
        sum += w;
        ++page;
    }
    horizontalPage_ = std::max(page, 1);
    ClampPosition();
}

int GridLayout::MaxFirstRow() const {
    if (!vertical_) return 0;
    // One empty row may show below the last; the last row itself never scrolls away.
    return std::max(std::min(rows_ - verticalPage_ + 1, rows_ - 2), 0);
}

int GridLayout::MaxFirstColumn() const {
    if (!horizontal_) return 0;
    return std::max(std::min(columns_ - horizontalPage_, columns_ - 1), 0);
}

void GridLayout::ClampPosition() {
    firstRow_ = std::clamp(firstRow_, 0, MaxFirstRow());
    firstColumn_ = std::clamp(firstColumn_, 0, MaxFirstColumn());
    currentRow_ = std::clamp(currentRow_, 0, rows_ - 1);
    currentColumn_ = std::clamp(currentColumn_, 1, columns_);
    if (selectedRow_ >= rows_ || rows_ <= 2) selectedRow_ = 0;
    if (selectedColumn_ > columns_) selectedColumn_ = 0;
}

int GridLayout::SetFirstRow(int row) {
    const int old = firstRow_;
    firstRow_ = std::clamp(row, 0, MaxFirstRow());
    return (firstRow_ - old) * rowHeight_;
}

int GridLayout::SetFirstColumn(int column) {
    const int old = firstColumn_;
    firstColumn_ = std::clamp(column, 0, MaxFirstColumn());
    int pixels = 0;
    for (int c = std::min(old, firstColumn_) + 1; c <= std::max(old, firstColumn_); ++c) {
        pixels += widths_[static_cast<size_t>(c)];
    }
    return firstColumn_ >= old ? pixels : -pixels;
}

int GridLayout::ColumnLeft(int column) const {
    if (column <= 0) return 0;
    int left = widths_[0];
    for (int c = firstColumn_ + 1; c < column; ++c) left += widths_[static_cast<size_t>(c)];
    for (int c = column; c <= firstColumn_; ++c) left -= widths_[static_cast<size_t>(c)];
    return left;
}

int GridLayout::RowTop(int row) const { return row <= 0 ? 0 : (row - firstRow_) * rowHeight_; }

GridRect GridLayout::CellRect(int row, int column) const {
    const int left = ColumnLeft(column);
    const int top = RowTop(row);
    return {left, top, left + widths_[static_cast<size_t>(column)], top + rowHeight_};
}

GridRect GridLayout::FrameRect(int row, int column) const {
    GridRect rect = CellRect(row, column);
    rect.right -= 2;
    rect.bottom -= 2;
    return rect;
}

int GridLayout::LastVisibleRow() const {
    const int height = ViewHeight();
    if (height <= 0) return firstRow_;
    return std::min(rows_ - 1, firstRow_ + (height - 1) / rowHeight_);
}

int GridLayout::LastVisibleColumn() const {
    const int width = ViewWidth();
    int left = widths_[0];
    int column = firstColumn_;
    while (column < columns_ && left < width) {
        ++column;
        left += widths_[static_cast<size_t>(column)];
    }
    return column;
}

bool GridLayout::RowFullyVisible(int row) const {
    if (row == 0) return true;
    return row > firstRow_ && (row - firstRow_ + 1) * rowHeight_ <= ViewHeight();
}

bool GridLayout::ColumnFullyVisible(int column) const {
    return column > firstColumn_ &&
           ColumnLeft(column) + widths_[static_cast<size_t>(column)] <= ViewWidth();
}

int GridLayout::BodyRight() const {
    const int last = LastVisibleColumn();
    if (last == columns_) {
        const GridRect rect = CellRect(0, last);
        if (rect.right <= ViewWidth()) return rect.right;
    }
    return ViewWidth();
}

int GridLayout::BodyBottom() const {
    const int last = LastVisibleRow();
    if (last == rows_ - 1) {
        const int bottom = RowTop(last) + rowHeight_;
        if (bottom <= ViewHeight()) return bottom;
    }
    return ViewHeight();
}

GridHit GridLayout::HitTest(int x, int y) const {
    if (x < 0 || y < 0) return {};
    if (x < widths_[0]) {
        if (y < rowHeight_) return {GridHitKind::Corner, 0, 0};
        const int row = firstRow_ + y / rowHeight_;
        if (row < rows_) return {GridHitKind::RowNumber, row, 0};
        return {};
    }
    // Find the column by adding widths from the first one in view.
    int left = widths_[0];
    int column = firstColumn_ + 1;
    for (; column <= columns_; ++column) {
        const int right = left + widths_[static_cast<size_t>(column)];
        if (x < right) break;
        left = right;
    }
    if (column > columns_) return {};
    if (y < rowHeight_) {
        const int right = left + widths_[static_cast<size_t>(column)];
        if (x >= right - 4) return {GridHitKind::Divider, 0, column};
        if (x < left + 4 && column != firstColumn_ + 1)
            return {GridHitKind::Divider, 0, column - 1};
        return {GridHitKind::ColumnHeader, 0, column};
    }
    const int row = firstRow_ + y / rowHeight_;
    if (row >= rows_) return {};
    return {GridHitKind::Cell, row, column};
}

void GridLayout::ScrollIntoView(int row, int column) {
    if (row >= 1 && row <= firstRow_) {
        SetFirstRow(row - 1);
    } else if (!RowFullyVisible(row)) {
        const int fullRows = std::max(ViewHeight() / rowHeight_ - 1, 1);
        SetFirstRow(row - fullRows);
    }
    if (column <= firstColumn_) {
        SetFirstColumn(column - 1);
    } else {
        while (!ColumnFullyVisible(column) && firstColumn_ < column - 1) {
            const int before = firstColumn_;
            SetFirstColumn(firstColumn_ + 1);
            if (firstColumn_ == before) break;
        }
    }
}

void GridLayout::GoToCell(int row, int column) {
    currentRow_ = std::clamp(row, 0, rows_ - 1);
    currentColumn_ = std::clamp(column, 1, columns_);
    ScrollIntoView(currentRow_, currentColumn_);
}

bool GridLayout::Move(GridMove move) {
    switch (move) {
        case GridMove::Right:
            if (currentColumn_ + 1 > columns_) return false;
            GoToCell(currentRow_, currentColumn_ + 1);
            return true;
        case GridMove::Left:
            if (currentColumn_ - 1 < 1) return false;
            GoToCell(currentRow_, currentColumn_ - 1);
            return true;
        case GridMove::Down:
            if (currentRow_ + 1 >= rows_) return false;
            GoToCell(currentRow_ + 1, currentColumn_);
            return true;
        case GridMove::Up:
            if (currentRow_ - 1 < 0) return false;
            GoToCell(currentRow_ - 1, currentColumn_);
            return true;
        case GridMove::PageUp:
            SetFirstRow(firstRow_ - verticalPage_);
            currentRow_ = std::min(firstRow_ + 1, rows_ - 1);
            return true;
        case GridMove::PageDown:
            SetFirstRow(firstRow_ + verticalPage_);
            currentRow_ = vertical_ ? std::min(firstRow_ + 1, rows_ - 1) : rows_ - 1;
            return true;
        case GridMove::Home:
            currentColumn_ = 1;
            SetFirstColumn(0);
            return true;
        case GridMove::End:
            currentColumn_ = columns_;
            SetFirstColumn(MaxFirstColumn());
            ScrollIntoView(currentRow_, currentColumn_);
            return true;
        case GridMove::Top:
            currentRow_ = currentColumn_ = 1;
            SetFirstRow(0);
            SetFirstColumn(0);
            return true;
        case GridMove::Bottom:
            currentRow_ = rows_ - 1;
            currentColumn_ = columns_;
            SetFirstRow(MaxFirstRow());
            SetFirstColumn(MaxFirstColumn());
            ScrollIntoView(currentRow_, currentColumn_);
            return true;
    }
    return false;
}

bool GridLayout::SelectRow(int row) {
    if (rows_ <= 2 || row < 1 || row >= rows_) return false;
    selectedRow_ = row;
    selectedColumn_ = 0;
    return true;
}

void GridLayout::SelectColumn(int column) {
    if (column < 1 || column > columns_) return;
    selectedColumn_ = column;
    selectedRow_ = 0;
}

int GridLayout::ResizeMinX(int column) const { return ColumnLeft(column) + 2 * charWidth_; }

void GridLayout::EndResize(int column, int x) {
    if (column < 1 || column > columns_) return;
    const int left = ColumnLeft(column);
    const int width = std::max(std::min(x - left, ResizeMaxX() - left), 2 * charWidth_);
    widths_[static_cast<size_t>(column)] = width;
    UpdateScrollRanges();
}

int GridLayout::EditorWidth(int editorLeft, int editorWidth, int frameWidth, int textWidth,
                            int textLength) const {
    if (textLength > 20) return editorWidth;
    const int client = editorWidth - 2 * frameWidth;
    if (textWidth + charWidth_ <= client - 2) return editorWidth;
    const int wider = editorWidth + charWidth_;
    return editorLeft + wider <= ResizeMaxX() ? wider : editorWidth;
}

}  // namespace lumox

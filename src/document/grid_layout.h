#ifndef LUMOX_DOCUMENT_GRID_LAYOUT_H
#define LUMOX_DOCUMENT_GRID_LAYOUT_H

#include <optional>
#include <vector>

namespace lumox {

// A rectangle in the grid's client coordinates; right and bottom are exclusive.
struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

// What lies under a point of the grid.
enum class GridHitKind { None, Corner, ColumnHeader, Divider, RowNumber, Cell };

struct GridHit {
    GridHitKind kind = GridHitKind::None;
    int row = 0;     // RowNumber, Cell
    int column = 0;  // ColumnHeader, Cell, and Divider: the column whose right edge it is
    friend bool operator==(const GridHit&, const GridHit&) = default;
};

// How the current cell moves.
enum class GridMove { Left, Right, Up, Down, PageUp, PageDown, Home, End, Top, Bottom };

// The keys the grid acts on.
enum class GridKey { Tab, Enter, Left, Right, Up, Down, PageUp, PageDown, Home, End };

// The move a key makes: Shift turns Tab into Left and Enter into Up; Ctrl sends Home to
// the first cell and End to the last. No value for keys that do not move.
std::optional<GridMove> MoveOfKey(GridKey key, bool shift, bool ctrl);

// The data grid's geometry and position: metrics, column widths, scrolling, the current
// cell and the selected row or column. A fixed names row (row 0) sits on top and a fixed
// row-number column (column 0) on the left; the body scrolls in whole rows and columns.
// Everything is arithmetic on cell sizes, so the window only paints and forwards input.
class GridLayout {
public:
    // Font metrics: the average character width and the line height (height plus leading).
    void SetMetrics(int charWidth, int lineHeight);
    // The client area without scroll bars, and the thickness of a scroll bar.
    void SetClient(int width, int height, int scrollBarExtent);

    // Takes new row and column counts (rows include the names row), every column at the
    // default width, the current cell (1, 1), no selection, scrolled to the top left.
    void Reset(int rows, int columns);
    // Changes of the table that keep the other columns' widths; the current cell, the
    // selection and the scroll position stay within range. A new column is default wide.
    void SetRows(int rows);
    // Columns come and go at the end.
    void SetColumns(int columns);
    void AddColumn() { SetColumns(columns_ + 1); }
    // The only column is never removed.
    void RemoveColumn(int column);
    // Scroll ranges from the counts, widths and client area; call after any change of them.
    void UpdateScrollRanges();

    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    int CharWidth() const { return charWidth_; }
    int LineHeight() const { return lineHeight_; }
    int RowHeight() const { return rowHeight_; }
    int TextOffset() const { return textOffset_; }
    int DefaultColumnWidth() const { return 9 * charWidth_; }
    int ColumnWidth(int column) const { return widths_[static_cast<size_t>(column)]; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    // The client area that the scroll bars leave.
    int ViewWidth() const;
    int ViewHeight() const;

    // Scrolling: first row and first column are the rows and columns scrolled out of view.
    bool HasVerticalScroll() const { return vertical_; }
    bool HasHorizontalScroll() const { return horizontal_; }
    int VerticalPage() const { return verticalPage_; }
    int HorizontalPage() const { return horizontalPage_; }
    int MaxFirstRow() const;
    int MaxFirstColumn() const;
    int FirstRow() const { return firstRow_; }
    int FirstColumn() const { return firstColumn_; }
    // Set the scroll position, kept within the ranges; return the pixels the body moved
    // (positive when the contents move up or left).
    int SetFirstRow(int row);
    int SetFirstColumn(int column);

    // Geometry. Rows and columns scrolled out of view lie under the fixed row and column.
    int ColumnLeft(int column) const;
    int RowTop(int row) const;
    GridRect CellRect(int row, int column) const;
    // The focus frame and the editor's place: the cell less 2 pixels right and bottom.
    GridRect FrameRect(int row, int column) const;
    // The last row and column that show at least in part.
    int LastVisibleRow() const;
    int LastVisibleColumn() const;
    // Whether a row or column shows whole in the view.
    bool RowFullyVisible(int row) const;
    bool ColumnFullyVisible(int column) const;
    // The right edge of the last column (the client's right edge when it is out of view)
    // and the bottom of the last row (likewise).
    int BodyRight() const;
    int BodyBottom() const;

    GridHit HitTest(int x, int y) const;

    // The current cell, (1, 1) at first.
    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }
    // The current cell is the last column of the last row.
    bool LastCell() const { return currentRow_ == rows_ - 1 && currentColumn_ == columns_; }
    // Makes a cell current (kept within range) and scrolls it into view.
    void GoToCell(int row, int column);
    // Moves the current cell; false when it cannot go that way. Scrolls as needed.
    bool Move(GridMove move);

    // A whole row or column chosen for removal; 0 for none. At most one is set.
    int SelectedRow() const { return selectedRow_; }
    int SelectedColumn() const { return selectedColumn_; }
    // A row can be selected only while there are two observations or more.
    bool SelectRow(int row);
    void SelectColumn(int column);
    void ClearSelection() { selectedRow_ = selectedColumn_ = 0; }

    // Column resizing: the range the drag line may take for a column, and the width a drag
    // ending at x gives it (at least 2 characters, at most up to the largest right edge).
    int ResizeMinX(int column) const;
    int ResizeMaxX() const { return clientWidth_ - 5; }
    void EndResize(int column, int x);

    // The width the in-place editor should take for a text: one character wider whenever the
    // text no longer fits its client area (texts up to 20 characters), never reaching past
    // the largest right edge.
    int EditorWidth(int editorLeft, int editorWidth, int frameWidth, int textWidth,
                    int textLength) const;

private:
    int RowNumberWidth() const;
    void ClampPosition();
    void ScrollIntoView(int row, int column);

    int charWidth_ = 8;
    int lineHeight_ = 16;
    int rowHeight_ = 24;
    int textOffset_ = 2;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int scrollBarExtent_ = 16;
    int rows_ = 2;
    int columns_ = 1;
    std::vector<int> widths_ = {32, 72};
    bool vertical_ = false;
    bool horizontal_ = false;
    int verticalPage_ = 1;
    int horizontalPage_ = 1;
    int firstRow_ = 0;
    int firstColumn_ = 0;
    int currentRow_ = 1;
    int currentColumn_ = 1;
    int selectedRow_ = 0;
    int selectedColumn_ = 0;
};

}  // namespace lumox

#endif

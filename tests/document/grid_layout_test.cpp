#include "document/grid_layout.h"

#include <gtest/gtest.h>

namespace lumox {
namespace {

// Characters 8 pixels wide and lines 16 high give rows of 24 pixels, a row-number column
// of 32 and columns of 72 pixels. Scroll bars are 16 thick.
GridLayout Layout(int rows, int columns, int width, int height) {
    GridLayout layout;
    layout.SetMetrics(8, 16);
    layout.SetClient(width, height, 16);
    layout.Reset(rows, columns);
    return layout;
}

struct Position {
    int row;
    int column;
    int firstRow;
    int firstColumn;
    friend bool operator==(const Position&, const Position&) = default;
};

Position Where(const GridLayout& layout) {
    return {layout.CurrentRow(), layout.CurrentColumn(), layout.FirstRow(), layout.FirstColumn()};
}

std::ostream& operator<<(std::ostream& out, const Position& p) {
    return out << "(" << p.row << ", " << p.column << ") first " << p.firstRow << ", "
               << p.firstColumn;
}

TEST(GridLayoutMetrics, RowsColumnsAndTheRowNumberColumn) {
    GridLayout layout = Layout(3, 2, 400, 300);
    EXPECT_EQ(layout.RowHeight(), 24);
    EXPECT_EQ(layout.TextOffset(), 2);
    EXPECT_EQ(layout.DefaultColumnWidth(), 72);
    EXPECT_EQ(layout.ColumnWidth(1), 72);

    struct Case {
        int rows;
        int width;
    };
    // One character more than the digits of the last row number, and never fewer than four.
    const Case cases[] = {{2, 32},      {999, 32},    {1000, 40},    {9999, 40},
                          {10000, 48},  {65536, 48},  {99999, 48},   {100000, 56},
                          {999999, 56}, {1000000, 64}};
    for (const Case& c : cases) {
        layout.SetRows(c.rows);
        EXPECT_EQ(layout.ColumnWidth(0), c.width) << c.rows;
    }
    // Odd line heights round down, as integer arithmetic does.
    layout.SetMetrics(7, 15);
    EXPECT_EQ(layout.RowHeight(), 22);
    EXPECT_EQ(layout.TextOffset(), 1);
}

TEST(GridLayoutHitTest, UnscrolledPointsFallOnCellsHeadersAndDividers) {
    const GridLayout layout = Layout(5, 3, 400, 300);
    struct Case {
        int x;
        int y;
        GridHit hit;
    };
    const Case cases[] = {
        {10, 10, {GridHitKind::Corner, 0, 0}},
        {10, 30, {GridHitKind::RowNumber, 1, 0}},
        {31, 119, {GridHitKind::RowNumber, 4, 0}},
        {10, 121, {}},                                // below the last row
        {33, 10, {GridHitKind::ColumnHeader, 0, 1}},  // the first column has no left divider
        {99, 10, {GridHitKind::ColumnHeader, 0, 1}},
        {100, 10, {GridHitKind::Divider, 0, 1}},  // 4 pixels left of the right edge at 104
        {103, 10, {GridHitKind::Divider, 0, 1}},
        {107, 10, {GridHitKind::Divider, 0, 1}},  // 4 pixels right of column 2's left edge
        {108, 10, {GridHitKind::ColumnHeader, 0, 2}},
        {247, 10, {GridHitKind::Divider, 0, 3}},
        {248, 10, {}},  // right of the last column
        {50, 50, {GridHitKind::Cell, 2, 1}},
        {200, 119, {GridHitKind::Cell, 4, 3}},
        {200, 120, {}},
        {-1, 5, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(layout.HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST(GridLayoutHitTest, ScrolledPointsCountFromTheFirstRowAndColumnInView) {
    GridLayout layout = Layout(100, 10, 400, 300);
    layout.SetFirstRow(2);
    layout.SetFirstColumn(1);
    EXPECT_EQ(layout.HitTest(50, 30), (GridHit{GridHitKind::Cell, 3, 2}));
    EXPECT_EQ(layout.HitTest(33, 10), (GridHit{GridHitKind::ColumnHeader, 0, 2}));
    EXPECT_EQ(layout.HitTest(106, 10), (GridHit{GridHitKind::Divider, 0, 2}));
    EXPECT_EQ(layout.HitTest(10, 30), (GridHit{GridHitKind::RowNumber, 3, 0}));
    EXPECT_EQ(layout.CellRect(3, 2), (GridRect{32, 24, 104, 48}));
    EXPECT_EQ(layout.FrameRect(3, 2), (GridRect{32, 24, 102, 46}));
    // Cells scrolled out of view lie under the fixed names row and row-number column.
    EXPECT_EQ(layout.CellRect(2, 1), (GridRect{-40, 0, 32, 24}));
    EXPECT_EQ(layout.CellRect(0, 3), (GridRect{104, 0, 176, 24}));
}

TEST(GridLayoutScroll, RangesExistOnlyWhenTheTableDoesNotFit) {
    struct Case {
        int rows;
        int columns;
        int width;
        int height;
        bool vertical;
        int verticalPage;
        int maxFirstRow;
        bool horizontal;
        int horizontalPage;
        int maxFirstColumn;
    };
    const Case cases[] = {
        // 11 rows of 24 fill 264 of the 284 pixels left above a horizontal bar.
        {11, 3, 400, 300, false, 11, 0, false, 3, 0},
        {12, 3, 400, 300, true, 11, 2, false, 3, 0},
        {100, 10, 400, 300, true, 11, 90, true, 4, 6},
        // Without a vertical bar, 5 columns of 72 fit beside the row numbers in 400 pixels...
        {3, 5, 400, 300, false, 11, 0, false, 5, 0},
        // ...with one they no longer do.
        {12, 5, 400, 300, true, 11, 2, true, 4, 1},
        // A window lower than two rows still shows the last row.
        {10, 1, 400, 40, true, 1, 8, false, 1, 0},
    };
    for (const Case& c : cases) {
        const GridLayout layout = Layout(c.rows, c.columns, c.width, c.height);
        const std::string name = std::to_string(c.rows) + "x" + std::to_string(c.columns);
        EXPECT_EQ(layout.HasVerticalScroll(), c.vertical) << name;
        EXPECT_EQ(layout.VerticalPage(), c.verticalPage) << name;
        EXPECT_EQ(layout.MaxFirstRow(), c.maxFirstRow) << name;
        EXPECT_EQ(layout.HasHorizontalScroll(), c.horizontal) << name;
        EXPECT_EQ(layout.HorizontalPage(), c.horizontalPage) << name;
        EXPECT_EQ(layout.MaxFirstColumn(), c.maxFirstColumn) << name;
    }
}

TEST(GridLayoutScroll, PositionsAreClampedAndMoveTheBodyByWholeRowsAndColumns) {
    GridLayout layout = Layout(100, 10, 400, 300);
    EXPECT_EQ(layout.SetFirstRow(5), 5 * 24);
    EXPECT_EQ(layout.SetFirstRow(1000), 85 * 24);
    EXPECT_EQ(layout.FirstRow(), 90);
    EXPECT_EQ(layout.SetFirstRow(-3), -90 * 24);

    layout.EndResize(2, layout.ColumnLeft(2) + 100);  // column 2 now 100 wide
    EXPECT_EQ(layout.SetFirstColumn(2), 72 + 100);
    EXPECT_EQ(layout.SetFirstColumn(99), 4 * 72);  // clamped to the last position
    EXPECT_EQ(layout.FirstColumn(), layout.MaxFirstColumn());
    EXPECT_EQ(layout.SetFirstColumn(0), -(72 + 100 + 4 * 72));
}

TEST(GridLayoutMove, KeysWalkTheTableAndScrollTheCurrentCellIntoView) {
    GridLayout layout = Layout(100, 10, 400, 300);
    struct Step {
        GridMove move;
        bool moved;
        Position after;
    };
    const Step steps[] = {
        {GridMove::Up, true, {0, 1, 0, 0}},  // the names row can be reached
        {GridMove::Up, false, {0, 1, 0, 0}},         {GridMove::Left, false, {0, 1, 0, 0}},
        {GridMove::Down, true, {1, 1, 0, 0}},        {GridMove::Right, true, {1, 2, 0, 0}},
        {GridMove::Right, true, {1, 3, 0, 0}},       {GridMove::Right, true, {1, 4, 0, 0}},
        {GridMove::Right, true, {1, 5, 0, 1}},  // column 5 would end at 392, past 384
        {GridMove::Left, true, {1, 4, 0, 1}},        {GridMove::End, true, {1, 10, 0, 6}},
        {GridMove::Right, false, {1, 10, 0, 6}},     {GridMove::Home, true, {1, 1, 0, 0}},
        {GridMove::PageDown, true, {12, 1, 11, 0}},  {GridMove::PageDown, true, {23, 1, 22, 0}},
        {GridMove::PageUp, true, {12, 1, 11, 0}},    {GridMove::Up, true, {11, 1, 10, 0}},
        {GridMove::Bottom, true, {99, 10, 90, 6}},   {GridMove::Down, false, {99, 10, 90, 6}},
        {GridMove::PageDown, true, {91, 10, 90, 6}}, {GridMove::Top, true, {1, 1, 0, 0}},
        {GridMove::PageUp, true, {1, 1, 0, 0}},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(layout.Move(steps[i].move), steps[i].moved) << "step " << i;
        EXPECT_EQ(Where(layout), steps[i].after) << "step " << i;
    }
}

TEST(GridLayoutMove, DownScrollsOneRowAtTheBottomOfTheView) {
    GridLayout layout = Layout(100, 2, 400, 300);
    // No horizontal bar: 300 pixels show the names and 11 rows whole.
    for (int i = 0; i < 10; ++i) layout.Move(GridMove::Down);
    EXPECT_EQ(Where(layout), (Position{11, 1, 0, 0}));
    layout.Move(GridMove::Down);
    EXPECT_EQ(Where(layout), (Position{12, 1, 1, 0}));
    EXPECT_TRUE(layout.RowFullyVisible(12));
    EXPECT_FALSE(layout.RowFullyVisible(1));
}

TEST(GridLayoutMove, PagesWithoutVerticalScrollingAndInTinyWindows) {
    GridLayout small = Layout(5, 2, 400, 300);
    small.Move(GridMove::PageDown);
    EXPECT_EQ(Where(small), (Position{4, 1, 0, 0}));
    small.Move(GridMove::PageUp);
    EXPECT_EQ(Where(small), (Position{1, 1, 0, 0}));

    // One row per page: the page that reaches the end never leaves the table.
    GridLayout tiny = Layout(10, 1, 400, 40);
    for (int i = 0; i < 12; ++i) tiny.Move(GridMove::PageDown);
    EXPECT_EQ(tiny.CurrentRow(), 9);
    EXPECT_LE(tiny.FirstRow(), 8);
}

TEST(GridLayoutMove, GoToCellKeepsWithinTheTable) {
    GridLayout layout = Layout(100, 10, 400, 300);
    layout.GoToCell(50, 8);
    EXPECT_TRUE(layout.RowFullyVisible(50));
    EXPECT_TRUE(layout.ColumnFullyVisible(8));
    layout.GoToCell(500, 50);
    EXPECT_EQ(Where(layout), (Position{99, 10, 89, 6}));
    EXPECT_TRUE(layout.LastCell());
    layout.GoToCell(-2, 0);
    EXPECT_EQ(Where(layout), (Position{0, 1, 89, 0}));
}

TEST(GridLayoutSelection, RowsOnlyWithTwoObservationsAndOneSelectionAtATime) {
    GridLayout layout = Layout(2, 3, 400, 300);
    EXPECT_FALSE(layout.SelectRow(1));  // the last observation cannot be removed
    layout.SetRows(3);
    EXPECT_TRUE(layout.SelectRow(2));
    EXPECT_EQ(layout.SelectedRow(), 2);
    layout.SelectColumn(3);
    EXPECT_EQ(layout.SelectedRow(), 0);
    EXPECT_EQ(layout.SelectedColumn(), 3);
    EXPECT_TRUE(layout.SelectRow(1));
    EXPECT_EQ(layout.SelectedColumn(), 0);
    EXPECT_FALSE(layout.SelectRow(0));
    EXPECT_FALSE(layout.SelectRow(3));

    // Removing rows and columns keeps the current cell and the selection in the table.
    layout.GoToCell(2, 3);
    layout.SelectColumn(3);
    layout.RemoveColumn(3);
    EXPECT_EQ(layout.SelectedColumn(), 0);
    EXPECT_EQ(layout.CurrentColumn(), 2);
    layout.SetRows(2);
    EXPECT_EQ(layout.CurrentRow(), 1);
}

TEST(GridLayoutColumns, AddedAndRemovedColumnsKeepTheOtherWidths) {
    GridLayout layout = Layout(3, 3, 400, 300);
    layout.EndResize(2, layout.ColumnLeft(2) + 50);
    layout.AddColumn();
    EXPECT_EQ(layout.Columns(), 4);
    EXPECT_EQ(layout.ColumnWidth(2), 50);
    EXPECT_EQ(layout.ColumnWidth(4), 72);
    layout.RemoveColumn(1);
    EXPECT_EQ(layout.ColumnWidth(1), 50);
    EXPECT_EQ(layout.Columns(), 3);
    layout.Reset(3, 3);
    EXPECT_EQ(layout.ColumnWidth(1), 72);
}

TEST(GridLayoutColumns, ResizingStaysWithinItsBounds) {
    struct Case {
        int x;
        int width;
    };
    // Column 2 starts at 104; the largest right edge is 400 - 5.
    const Case cases[] = {{104 + 100, 100}, {104 + 3, 16}, {0, 16},
                          {104 + 16, 16},   {395, 291},    {500, 291}};
    for (const Case& c : cases) {
        GridLayout layout = Layout(3, 3, 400, 300);
        EXPECT_EQ(layout.ResizeMinX(2), 104 + 16);
        EXPECT_EQ(layout.ResizeMaxX(), 395);
        layout.EndResize(2, c.x);
        EXPECT_EQ(layout.ColumnWidth(2), c.width) << c.x;
    }
    // A drag that makes the table wider than the window brings the horizontal bar.
    GridLayout layout = Layout(3, 3, 400, 300);
    EXPECT_FALSE(layout.HasHorizontalScroll());
    layout.EndResize(1, 390);
    EXPECT_TRUE(layout.HasHorizontalScroll());
}

TEST(GridLayoutPaint, TheBodyEndsAtTheLastCellOrAtTheClientEdge) {
    const GridLayout fits = Layout(3, 2, 400, 300);
    EXPECT_EQ(fits.BodyRight(), 32 + 2 * 72);
    EXPECT_EQ(fits.BodyBottom(), 3 * 24);
    EXPECT_EQ(fits.LastVisibleRow(), 2);
    EXPECT_EQ(fits.LastVisibleColumn(), 2);

    const GridLayout wide = Layout(100, 10, 400, 300);
    EXPECT_EQ(wide.BodyRight(), 384);
    EXPECT_EQ(wide.BodyBottom(), 284);
    EXPECT_EQ(wide.LastVisibleRow(), 11);  // partly visible rows are painted too
    EXPECT_EQ(wide.LastVisibleColumn(), 5);
}

TEST(GridLayoutEditor, WidensOneCharacterAtATimeUpToTheLargestRightEdge) {
    const GridLayout layout = Layout(3, 3, 400, 300);
    struct Case {
        int left;
        int width;
        int textWidth;
        int length;
        int want;
    };
    // The editor has a 1-pixel frame: its client is 2 pixels narrower.
    const Case cases[] = {
        {32, 70, 50, 6, 70},   // 50 + 8 fits within 68 - 2
        {32, 70, 59, 7, 78},   // 59 + 8 passes 66
        {32, 70, 59, 21, 70},  // texts past 20 characters no longer widen it
        {320, 75, 70, 9, 75},  // 320 + 83 would pass 395
        {312, 75, 70, 9, 83},  // 312 + 83 reaches 395 exactly
    };
    for (const Case& c : cases) {
        EXPECT_EQ(layout.EditorWidth(c.left, c.width, 1, c.textWidth, c.length), c.want)
            << c.left << " " << c.textWidth;
    }
}

TEST(GridKeys, ShiftAndCtrlChangeWhatAKeyDoes) {
    struct Case {
        GridKey key;
        bool shift;
        bool ctrl;
        GridMove move;
    };
    const Case cases[] = {
        {GridKey::Tab, false, false, GridMove::Right},
        {GridKey::Tab, true, false, GridMove::Left},
        {GridKey::Enter, false, false, GridMove::Down},
        {GridKey::Enter, true, false, GridMove::Up},
        {GridKey::Right, true, false, GridMove::Right},
        {GridKey::Left, false, false, GridMove::Left},
        {GridKey::Up, false, false, GridMove::Up},
        {GridKey::Down, false, true, GridMove::Down},
        {GridKey::Home, false, false, GridMove::Home},
        {GridKey::Home, false, true, GridMove::Top},
        {GridKey::End, false, false, GridMove::End},
        {GridKey::End, false, true, GridMove::Bottom},
        {GridKey::PageUp, false, false, GridMove::PageUp},
        {GridKey::PageDown, false, false, GridMove::PageDown},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MoveOfKey(c.key, c.shift, c.ctrl), c.move) << static_cast<int>(c.key);
    }
}

}  // namespace
}  // namespace lumox

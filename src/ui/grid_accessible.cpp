#include "ui/grid_accessible.h"

#include <QPointer>
#include <algorithm>
#include <utility>

#include "data/grid_data.h"
#include "ui/grid_ctrl.h"

namespace lumox {
namespace {

// One cell of the grid: a column header in row 0, a table cell below. It holds only its
// place; the text is read from the data each time it is asked for.
class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(CGridCtrl* grid, int row, int column)
        : grid_(grid), row_(row), column_(column) {}

    bool isValid() const override {
        return !grid_.isNull() && grid_->Data() != nullptr && row_ < grid_->Data()->GetRowCount() &&
               column_ <= grid_->Data()->GetColumnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name || t == QAccessible::Value)
            return QString::fromStdString(grid_->Data()->GetCell(row_, column_));
        if (t == QAccessible::Description && row_ > 0)
            return QStringLiteral("Row %1, %2").arg(row_).arg(ColumnName());
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const GridLayout& layout = grid_->State();
        const GridRect cell = layout.CellRect(row_, column_);
        const QPoint topLeft = grid_->viewport()->mapToGlobal(QPoint(cell.left, cell.top));
        return QRect(topLeft, QSize(cell.Width(), cell.Height()));
    }
    QAccessible::Role role() const override {
        return row_ == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const GridLayout& layout = grid_->State();
        state.focusable = true;
        state.selectable = true;
        state.editable = true;
        state.focused =
            grid_->hasFocus() && layout.CurrentRow() == row_ && layout.CurrentColumn() == column_;
        state.selected = isSelected();
        const bool rowShows =
            row_ == 0 || (row_ > layout.FirstRow() && row_ <= layout.LastVisibleRow());
        const bool columnShows =
            column_ > layout.FirstColumn() && column_ <= layout.LastVisibleColumn();
        state.invisible = !grid_->isVisible() || !rowShows || !columnShows;
        state.offscreen = state.invisible;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        const GridLayout& layout = grid_->State();
        return row_ > 0 && (layout.SelectedRow() == row_ || layout.SelectedColumn() == column_);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        if (row_ == 0 || !isValid()) return {};
        return {GridInterface()->child(GridInterface()->IndexOfCell(0, column_))};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    // The table interface counts observations and variables from 0.
    int columnIndex() const override { return column_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    GridAccessible* GridInterface() const { return static_cast<GridAccessible*>(parent()); }
    QString ColumnName() const {
        return QString::fromStdString(grid_->Data()->GetCell(0, column_));
    }

    QPointer<CGridCtrl> grid_;
    int row_;
    int column_;
};

QAccessibleInterface* GridFactory(const QString&, QObject* object) {
    if (auto* grid = qobject_cast<CGridCtrl*>(object)) return new GridAccessible(grid);
    return nullptr;
}

}  // namespace

GridAccessible::GridAccessible(CGridCtrl* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

GridAccessible::~GridAccessible() { ClearCells(); }

void GridAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
}

CGridCtrl* GridAccessible::Grid() const { return static_cast<CGridCtrl*>(widget()); }

void* GridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int GridAccessible::columnCount() const {
    const CGridData* data = Grid()->Data();
    return data ? data->GetColumnCount() : 0;
}

int GridAccessible::rowCount() const {
    const CGridData* data = Grid()->Data();
    return data ? std::max(data->GetRowCount() - 1, 0) : 0;
}

int GridAccessible::IndexOfCell(int row, int column) const {
    const int columns = columnCount();
    if (row < 0 || row > rowCount() || column < 1 || column > columns) return -1;
    return row * columns + column - 1;
}

int GridAccessible::childCount() const { return (rowCount() + 1) * columnCount(); }

QAccessibleInterface* GridAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    const int columns = columnCount();
    const QPair<int, int> place(index / columns, index % columns + 1);
    if (const auto found = cells_.constFind(place); found != cells_.cend())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new GridCellAccessible(Grid(), place.first, place.second);
    cells_.insert(place, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const QAccessibleTableCellInterface* cell =
        const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr) return -1;
    return IndexOfCell(cell->rowIndex() + 1, cell->columnIndex() + 1);
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    const QPoint point = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
    const GridHit hit = Grid()->State().HitTest(point.x(), point.y());
    if (hit.kind == GridHitKind::Cell) return child(IndexOfCell(hit.row, hit.column));
    if (hit.kind == GridHitKind::ColumnHeader) return child(IndexOfCell(0, hit.column));
    return nullptr;
}

QAccessibleInterface* GridAccessible::focusChild() const {
    // The in-place editor holds the focus while a cell is edited.
    if (Grid()->IsEditing()) return QAccessible::queryAccessibleInterface(&Grid()->Editor());
    if (!Grid()->hasFocus()) return nullptr;
    const GridLayout& layout = Grid()->State();
    return child(IndexOfCell(layout.CurrentRow(), layout.CurrentColumn()));
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const {
    return child(IndexOfCell(row + 1, column + 1));
}

QList<QAccessibleInterface*> GridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows()) {
        for (int column = 0; column < columnCount(); ++column) cells.append(cellAt(row, column));
    }
    for (const int column : selectedColumns()) {
        for (int row = 0; row < rowCount(); ++row) cells.append(cellAt(row, column));
    }
    return cells;
}

int GridAccessible::selectedCellCount() const {
    return selectedRowCount() * columnCount() + selectedColumnCount() * rowCount();
}

QString GridAccessible::columnDescription(int column) const {
    if (column < 0 || column >= columnCount()) return {};
    return QString::fromStdString(Grid()->Data()->GetCell(0, column + 1));
}

QString GridAccessible::rowDescription(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return QString::number(row + 1);
}

QList<int> GridAccessible::selectedColumns() const {
    const int column = Grid()->State().SelectedColumn();
    if (column == 0) return {};
    return {column - 1};
}

QList<int> GridAccessible::selectedRows() const {
    const int row = Grid()->State().SelectedRow();
    if (row == 0) return {};
    return {row - 1};
}

bool GridAccessible::isColumnSelected(int column) const {
    return selectedColumns().contains(column);
}

bool GridAccessible::isRowSelected(int row) const { return selectedRows().contains(row); }

void GridAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
    // A change of cell texts keeps the cells; after any other change the cells that are
    // gone are dropped with the rest, and the clients ask again.
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) ClearCells();
}

void GridAccessible::ClearCells() {
    for (const QAccessible::Id id : std::as_const(cells_))
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

}  // namespace lumox

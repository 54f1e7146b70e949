#ifndef LUMOX_UI_GRID_ACCESSIBLE_H
#define LUMOX_UI_GRID_ACCESSIBLE_H

#include <QAccessibleWidget>
#include <QHash>

namespace lumox {

class CGridCtrl;

// The data grid as a screen reader meets it: a table whose rows are the observations and
// whose columns carry the names row as their headers. Its children are the header cells
// (one per column) and then the body cells row by row; each cell's name is its text.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(CGridCtrl* grid);
    ~GridAccessible() override;

    // Makes every CGridCtrl reach the accessibility clients through this class; once per
    // program, idempotent.
    static void Install();

    // The child index of a cell as the grid counts it (row 0 the names, columns from 1);
    // -1 outside the table.
    int IndexOfCell(int row, int column) const;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface: rows are observations, columns variables, from 0.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    // A row or column is chosen for removal with the mouse or the keyboard only.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    CGridCtrl* Grid() const;

private:
    void ClearCells();

    // The cells handed out so far, by row and column: a cell always reads its own place,
    // so a change of the table's shape never leaves a cell reading another's text.
    mutable QHash<QPair<int, int>, QAccessible::Id> cells_;
};

}  // namespace lumox

#endif

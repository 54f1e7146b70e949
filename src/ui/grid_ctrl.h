#ifndef LUMOX_UI_GRID_CTRL_H
#define LUMOX_UI_GRID_CTRL_H

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QLineEdit>

#include "document/grid_layout.h"

class QMenu;

namespace lumox {

class CGridCtrl;
class CGridData;

// Command ids of the grid's context menu.
namespace grid_cmd {
constexpr int kAddColumn = 291;
constexpr int kAddRow = 292;
constexpr int kRemoveRow = 293;
constexpr int kRemoveColumn = 294;
}  // namespace grid_cmd

// The in-place editor: a single-line edit over the current cell. Its keys move and commit
// through the grid; losing the focus commits.
class CGridEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CGridEdit(CGridCtrl& grid);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CGridCtrl& grid_;
};

// The data grid: a fixed names row and row-number column over a scrolling body of text
// cells, an in-place editor, column resizing and a context menu that adds and removes rows
// and columns. It shows and changes a CGridData; its geometry and moves are GridLayout's.
class CGridCtrl : public QAbstractScrollArea {
    Q_OBJECT
public:
    static inline const QColor kCellColor{255, 251, 240};
    static inline const QColor kLineColor{192, 192, 192};

    explicit CGridCtrl(QWidget* parent = nullptr);

    // The data shown; not owned. Call Layout after setting it.
    void SetData(CGridData* data) { data_ = data; }
    CGridData* Data() const { return data_; }
    void SetAllowAddColumn(bool allow) { allowAddColumn_ = allow; }
    void SetAllowSelectColumn(bool allow) { allowSelectColumn_ = allow; }
    // Takes the counts from the data: default widths, cell (1, 1), scrolled to the top.
    void Layout();
    const GridLayout& State() const { return layout_; }
    // Makes a cell current, committing a running edit, and shows it.
    void GoToCell(int row, int column);

    // The context menu at the top left of the first body cell; also the Options button's.
    void ShowContextMenu();
    // The context menu's entries in their current state; the caller owns it.
    QMenu* CreateContextMenu();
    void OnCommand(int id);

    // Editing the current cell: firstKey, when given, is the first keystroke.
    void StartEdit(QKeyEvent* firstKey = nullptr);
    void EndEdit(bool commit);
    bool IsEditing() const;
    CGridEdit& Editor() const { return *editor_; }
    // Takes back the last change of the data.
    void Undo();
    // The current cell's text to the clipboard.
    void CopyCell();

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class CGridEdit;
    // The editor's keys; true when the key was the grid's to act on.
    bool EditorKey(QKeyEvent* event);
    // Checks the editor's text after each change: refused keystrokes are taken back.
    void OnEditorEdited(const QString& text);
    // Moves the current cell, committing first; edits the new cell when edit is set.
    void MoveAndEdit(GridMove move, bool edit);
    void Relayout();
    void SyncScrollBars();
    void UpdateCell(int row, int column);
    void UpdateFrame();
    // Repaints after the current cell moved: everything when the view scrolled.
    void ShowMove(int firstRow, int firstColumn);
    void PaintHeaders(QPainter& painter, const QRect& damaged, int lastRow, int lastColumn);
    void PaintBody(QPainter& painter, const QRect& damaged, int lastRow, int lastColumn);
    void AddColumn();
    void AddRow();
    void RemoveSelectedRow();
    void RemoveSelectedColumn();
    void UpdateCursor(const QPoint& point);
    // Tell the accessibility clients: the current cell moved (when the grid has the
    // focus), the row or column chosen for removal changed, a cell's text changed, or the
    // table changed its shape (row < 0).
    void AnnounceCurrentCell();
    void AnnounceSelection();
    void AnnounceChange(int row = -1, int column = 0);
    QRect ToQRect(const GridRect& rect) const;

    CGridData* data_ = nullptr;
    GridLayout layout_;
    QFont font_;
    CGridEdit* editor_ = nullptr;
    QString textBeforeEdit_;
    QString lastAccepted_;
    int editRow_ = -1;  // the edited cell's row; -1 while not editing
    int editColumn_ = 0;
    bool refusing_ = false;
    bool allowAddColumn_ = true;
    bool allowSelectColumn_ = true;
    int resizeColumn_ = 0;  // the column being resized; 0 when none
    int resizeX_ = 0;
    bool syncing_ = false;
};

}  // namespace lumox

#endif

#include "ui/grid_ctrl.h"

#include <qdrawutil.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <memory>

#include "data/data_rules.h"
#include "data/grid_data.h"
#include "data/numeric_entry_check.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "ui/grid_accessible.h"

namespace lumox {
namespace {

// The most characters a cell's editor holds: a name or value may have no more.
constexpr int kMaxEditText = static_cast<int>(kMaxTokenLength);

// The two selection cursors: an arrow pointing down at a column header, right at a row.
QCursor SelectionCursor(bool down) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::black);
    QPolygon arrow({QPoint(6, 0), QPoint(9, 0), QPoint(9, 8), QPoint(13, 8), QPoint(8, 14),
                    QPoint(7, 14), QPoint(2, 8), QPoint(6, 8)});
    if (!down) arrow = QTransform(0, 1, 1, 0, 0, 0).map(arrow);  // mirrored to point right
    painter.drawPolygon(arrow);
    painter.end();
    return down ? QCursor(pixmap, 7, 14) : QCursor(pixmap, 14, 7);
}

// A cell's text in the viewport's coordinates, clipped to the cell less its grid line.
void DrawCellText(QPainter& painter, const QRect& cell, const QString& text, int textTop,
                  int ascent, bool alignRight) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int right = cell.right() + 1 - 2;
    int x = cell.left() + 2;
    if (alignRight && width <= right - 2 - x) x = right - 2 - width;
    painter.save();
    painter.setClipRect(QRect(cell.left(), cell.top(), right - cell.left(), cell.height()));
    painter.drawText(x, textTop + ascent, text);
    painter.restore();
}

}  // namespace

CGridEdit::CGridEdit(CGridCtrl& grid) : QLineEdit(grid.viewport()), grid_(grid) {
    setObjectName(QStringLiteral("GridEdit"));
    setAccessibleName(QStringLiteral("Cell"));  // the edited cell's name while editing
    setFrame(true);
    setTextMargins(0, 0, 0, 0);
    setMaxLength(kMaxEditText);
    hide();
}

bool CGridEdit::event(QEvent* event) {
    // TAB moves between cells, not between the dialog's controls.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            !(key->modifiers() & Qt::ControlModifier)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CGridEdit::keyPressEvent(QKeyEvent* event) {
    if (!grid_.EditorKey(event)) QLineEdit::keyPressEvent(event);
}

void CGridEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A refused keystroke's message box takes the focus for a moment; that is no commit.
    if (!grid_.refusing_ && grid_.IsEditing()) grid_.EndEdit(true);
}

CGridCtrl::CGridCtrl(QWidget* parent) : QAbstractScrollArea(parent) {
    // Before anything that speaks to the accessibility clients: the first interface asked
    // for is the one the grid keeps.
    GridAccessible::Install();
    setObjectName(QStringLiteral("GridControl"));
    setAccessibleName(QStringLiteral("Data"));
    font_ = QFont(QStringLiteral("Courier New"), 10);
    font_.setStyleHint(QFont::TypeWriter);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    editor_ = new CGridEdit(*this);
    editor_->setFont(font_);
    connect(editor_, &QLineEdit::textEdited, this, &CGridCtrl::OnEditorEdited);
}

QSize CGridCtrl::sizeHint() const { return QSize(360, 244); }

QRect CGridCtrl::ToQRect(const GridRect& rect) const {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

bool CGridCtrl::IsEditing() const { return editRow_ >= 0; }

void CGridCtrl::Layout() {
    if (data_ == nullptr) return;
    EndEdit(false);
    const QFontMetrics metrics(font_);
    layout_.SetMetrics(metrics.averageCharWidth(),
                       metrics.height() + std::max(metrics.leading(), 0));
    layout_.Reset(data_->GetRowCount(), data_->GetColumnCount());
    Relayout();
    AnnounceChange();
}

void CGridCtrl::Relayout() {
    SyncScrollBars();
    viewport()->update();
}

void CGridCtrl::SyncScrollBars() {
    syncing_ = true;
    // The whole area inside the frame: the layout takes the scroll bars out itself, so the
    // size must not depend on whether they are shown (maximumViewportSize() does).
    const QSize size = contentsRect().size();
    layout_.SetClient(size.width(), size.height(),
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    setVerticalScrollBarPolicy(layout_.HasVerticalScroll() ? Qt::ScrollBarAlwaysOn
                                                           : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(layout_.HasHorizontalScroll() ? Qt::ScrollBarAlwaysOn
                                                               : Qt::ScrollBarAlwaysOff);
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, layout_.MaxFirstRow());
    vertical->setPageStep(layout_.VerticalPage());
    vertical->setSingleStep(1);
    vertical->setValue(layout_.FirstRow());
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, layout_.MaxFirstColumn());
    horizontal->setPageStep(layout_.HorizontalPage());
    horizontal->setSingleStep(1);
    horizontal->setValue(layout_.FirstColumn());
    syncing_ = false;
}

void CGridCtrl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (syncing_) return;
    EndEdit(true);
    Relayout();
}

void CGridCtrl::scrollContentsBy(int, int) {
    if (syncing_) return;
    EndEdit(true);
    const int dy = layout_.SetFirstRow(verticalScrollBar()->value());
    const int dx = layout_.SetFirstColumn(horizontalScrollBar()->value());
    const int width = viewport()->width();
    const int height = viewport()->height();
    // The names row and the row numbers stay; only the body moves, by whole rows and columns.
    if (dy != 0) viewport()->scroll(0, -dy, QRect(0, layout_.RowHeight(), width, height));
    if (dx != 0) {
        const int fixed = layout_.ColumnWidth(0);
        viewport()->scroll(-dx, 0, QRect(fixed, 0, width - fixed, height));
    }
}

void CGridCtrl::UpdateCell(int row, int column) {
    viewport()->update(ToQRect(layout_.CellRect(row, column)));
}

void CGridCtrl::UpdateFrame() { UpdateCell(layout_.CurrentRow(), layout_.CurrentColumn()); }

void CGridCtrl::ShowMove(int firstRow, int firstColumn) {
    if (layout_.FirstRow() != firstRow || layout_.FirstColumn() != firstColumn) {
        Relayout();
    } else {
        UpdateFrame();
    }
}

void CGridCtrl::GoToCell(int row, int column) {
    EndEdit(true);
    const int firstRow = layout_.FirstRow();
    const int firstColumn = layout_.FirstColumn();
    UpdateFrame();
    layout_.GoToCell(row, column);
    ShowMove(firstRow, firstColumn);
    AnnounceCurrentCell();
}

void CGridCtrl::MoveAndEdit(GridMove move, bool edit) {
    EndEdit(true);
    const int firstRow = layout_.FirstRow();
    const int firstColumn = layout_.FirstColumn();
    UpdateFrame();
    const bool moved = layout_.Move(move);
    ShowMove(firstRow, firstColumn);
    if (moved) AnnounceCurrentCell();
    if (moved && edit) StartEdit();
}

void CGridCtrl::StartEdit(QKeyEvent* firstKey) {
    if (data_ == nullptr) return;
    EndEdit(true);
    editRow_ = layout_.CurrentRow();
    editColumn_ = layout_.CurrentColumn();
    textBeforeEdit_ = QString::fromStdString(data_->GetCell(editRow_, editColumn_));
    lastAccepted_ = textBeforeEdit_;
    editor_->setText(textBeforeEdit_);
    editor_->selectAll();
    editor_->setGeometry(ToQRect(layout_.FrameRect(editRow_, editColumn_)));
    // A screen reader names the cell being edited when the editor takes the focus.
    const QString name = QString::fromStdString(data_->GetCell(0, editColumn_));
    editor_->setAccessibleName(editRow_ == 0
                                   ? QStringLiteral("Name of column %1").arg(editColumn_)
                                   : QStringLiteral("Row %1, %2").arg(editRow_).arg(name));
    editor_->setAccessibleDescription(QStringLiteral("Editing the cell"));
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    UpdateFrame();
    if (firstKey != nullptr) {
        QKeyEvent key(QEvent::KeyPress, firstKey->key(), firstKey->modifiers(), firstKey->text());
        QCoreApplication::sendEvent(editor_, &key);
    }
}

void CGridCtrl::EndEdit(bool commit) {
    if (!IsEditing()) return;
    const QString text = editor_->text();
    const bool hadFocus = editor_->hasFocus();
    const int row = editRow_;
    const int column = editColumn_;
    editRow_ = -1;  // before hiding, which moves the focus and would end the edit again
    editor_->hide();
    // Only a change of the text is a change of the data.
    if (commit && text != textBeforeEdit_) {
        data_->SetCell(row, column, text.toStdString());
        AnnounceChange(row, column);
    }
    if (hadFocus) setFocus(Qt::OtherFocusReason);
    UpdateCell(row, column);
}

void CGridCtrl::OnEditorEdited(const QString& text) {
    if (refusing_) return;
    bool accepted = true;
    std::string reason;
    if (editRow_ >= 1) {
        CNumericEntryCheck check;
        accepted = check.Check(text.toStdString());
        reason = check.Reason();
    } else {
        // A blank, TAB or comma would split a name into two, a line break split the table.
        accepted = CheckName(text.toStdString()) == CellFault::None;
    }
    if (!accepted) {
        // Take the keystroke back: the text as it stood before it, caret where it was.
        refusing_ = true;
        Beep();
        const int caret = std::max(editor_->cursorPosition() - 1, 0);
        editor_->setText(lastAccepted_);
        editor_->setCursorPosition(std::min(caret, static_cast<int>(lastAccepted_.size())));
        if (!reason.empty()) ShowMessage(reason, Icon::Exclamation);
        editor_->setFocus(Qt::OtherFocusReason);
        refusing_ = false;
        return;
    }
    lastAccepted_ = text;
    const QFontMetrics metrics(font_);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, editor_);
    const int width =
        layout_.EditorWidth(editor_->x(), editor_->width(), frame, metrics.horizontalAdvance(text),
                            static_cast<int>(text.size()));
    if (width != editor_->width()) editor_->resize(width, editor_->height());
}

bool CGridCtrl::EditorKey(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool atStart = editor_->cursorPosition() == 0 && !editor_->hasSelectedText();
    const bool atEnd =
        editor_->cursorPosition() == editor_->text().size() && !editor_->hasSelectedText();
    const int row = layout_.CurrentRow();
    const int column = layout_.CurrentColumn();
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            MoveAndEdit(shift || event->key() == Qt::Key_Backtab ? GridMove::Left : GridMove::Right,
                        false);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            EndEdit(true);
            if (!shift && layout_.LastCell()) AddRow();
            MoveAndEdit(shift ? GridMove::Up : GridMove::Down, false);
            return true;
        case Qt::Key_Escape:
            EndEdit(false);
            return true;
        case Qt::Key_Left:
            if (!atStart || column <= 1) return false;
            MoveAndEdit(GridMove::Left, true);
            return true;
        case Qt::Key_Right:
            if (!atEnd || column >= layout_.Columns()) return false;
            MoveAndEdit(GridMove::Right, true);
            return true;
        case Qt::Key_Down:
            if (row + 1 >= layout_.Rows()) return false;
            MoveAndEdit(GridMove::Down, true);
            return true;
        case Qt::Key_Up:
            if (row < 1) return false;
            MoveAndEdit(GridMove::Up, row - 1 >= 1);
            return true;
        default:
            return false;
    }
}

bool CGridCtrl::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            // Ctrl+Tab leaves the grid for the dialog's next control.
            if (key->modifiers() & Qt::ControlModifier) {
                focusNextPrevChild(key->key() == Qt::Key_Tab);
            } else {
                keyPressEvent(key);
            }
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // The grid's own Ctrl keys come before any window shortcut.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Copy)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    if (data_ == nullptr) return;
    if (event->key() != Qt::Key_Delete && layout_.SelectedRow() != 0) {
        layout_.ClearSelection();
        viewport()->update();
        AnnounceSelection();
    }
    if (event->matches(QKeySequence::Undo)) {
        Undo();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        CopyCell();
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    std::optional<GridKey> key;
    switch (event->key()) {
        case Qt::Key_Tab:
            key = GridKey::Tab;
            break;
        case Qt::Key_Backtab:
            key = GridKey::Tab;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = GridKey::Enter;
            break;
        case Qt::Key_Left:
            key = GridKey::Left;
            break;
        case Qt::Key_Right:
            key = GridKey::Right;
            break;
        case Qt::Key_Up:
            key = GridKey::Up;
            break;
        case Qt::Key_Down:
            key = GridKey::Down;
            break;
        case Qt::Key_PageUp:
            key = GridKey::PageUp;
            break;
        case Qt::Key_PageDown:
            key = GridKey::PageDown;
            break;
        case Qt::Key_Home:
            key = GridKey::Home;
            break;
        case Qt::Key_End:
            key = GridKey::End;
            break;
        case Qt::Key_Delete:
            if (layout_.SelectedRow() != 0) {
                RemoveSelectedRow();
            } else if (!data_->GetCell(layout_.CurrentRow(), layout_.CurrentColumn()).empty()) {
                data_->SetCell(layout_.CurrentRow(), layout_.CurrentColumn(), "");
                UpdateFrame();
                AnnounceChange(layout_.CurrentRow(), layout_.CurrentColumn());
            }
            return;
        case Qt::Key_F2:
            StartEdit();
            return;
        case Qt::Key_Escape:
            return;  // Escape never closes the dialog from the grid
        default:
            break;
    }
    if (key) {
        const bool backtab = event->key() == Qt::Key_Backtab;
        if (const std::optional<GridMove> move = MoveOfKey(*key, shift || backtab, ctrl))
            MoveAndEdit(*move, false);
        return;
    }
    const QString text = event->text();
    if (!ctrl && !text.isEmpty() && text.at(0).isPrint()) {
        StartEdit(event);
        return;
    }
    event->ignore();
}

void CGridCtrl::mousePressEvent(QMouseEvent* event) {
    if (data_ == nullptr || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (layout_.SelectedRow() != 0 || layout_.SelectedColumn() != 0) {
        layout_.ClearSelection();
        viewport()->update();
        AnnounceSelection();
    }
    const QPoint point = event->position().toPoint();
    const GridHit hit = layout_.HitTest(point.x(), point.y());
    switch (hit.kind) {
        case GridHitKind::Cell:
            GoToCell(hit.row, hit.column);
            break;
        case GridHitKind::Divider:
            EndEdit(true);
            resizeColumn_ = hit.column;
            resizeX_ = std::clamp(point.x(), layout_.ResizeMinX(hit.column),
                                  std::max(layout_.ResizeMaxX(), layout_.ResizeMinX(hit.column)));
            viewport()->update(resizeX_, 0, 1, viewport()->height());
            break;
        case GridHitKind::ColumnHeader:
            if (allowSelectColumn_) {
                EndEdit(false);
                layout_.SelectColumn(hit.column);
                viewport()->update();
                AnnounceSelection();
            }
            break;
        case GridHitKind::RowNumber:
            if (layout_.Rows() > 2) {
                EndEdit(false);
                layout_.SelectRow(hit.row);
                viewport()->update();
                AnnounceSelection();
            }
            break;
        case GridHitKind::Corner:
        case GridHitKind::None:
            break;
    }
    if (!IsEditing()) setFocus(Qt::MouseFocusReason);
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (resizeColumn_ == 0) {
        UpdateCursor(point);
        return;
    }
    // The drag line stays between two characters right of the column's left edge and the
    // largest right edge.
    const int x = std::clamp(point.x(), layout_.ResizeMinX(resizeColumn_),
                             std::max(layout_.ResizeMaxX(), layout_.ResizeMinX(resizeColumn_)));
    if (x == resizeX_) return;
    viewport()->update(resizeX_, 0, 1, viewport()->height());
    resizeX_ = x;
    viewport()->update(resizeX_, 0, 1, viewport()->height());
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (resizeColumn_ == 0 || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    layout_.EndResize(resizeColumn_, resizeX_);
    resizeColumn_ = 0;
    Relayout();
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const GridHit hit = layout_.HitTest(point.x(), point.y());
    if (data_ == nullptr || event->button() != Qt::LeftButton || hit.kind != GridHitKind::Cell) {
        return;
    }
    GoToCell(hit.row, hit.column);
    StartEdit();
}

void CGridCtrl::UpdateCursor(const QPoint& point) {
    const GridHit hit = layout_.HitTest(point.x(), point.y());
    if (hit.kind == GridHitKind::Divider) {
        viewport()->setCursor(Qt::SplitHCursor);
    } else if (hit.kind == GridHitKind::ColumnHeader && allowSelectColumn_) {
        static const QCursor down = SelectionCursor(true);
        viewport()->setCursor(down);
    } else if (hit.kind == GridHitKind::RowNumber) {
        static const QCursor right = SelectionCursor(false);
        viewport()->setCursor(right);
    } else {
        viewport()->unsetCursor();
    }
}

void CGridCtrl::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    ShowContextMenu();
}

QMenu* CGridCtrl::CreateContextMenu() {
    auto* menu = new QMenu(this);
    auto add = [this, menu](int id, const QString& text, bool enabled) {
        QAction* action = menu->addAction(text);
        action->setData(id);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    };
    if (allowAddColumn_) add(grid_cmd::kAddColumn, QStringLiteral("Add New &Column"), true);
    if (allowSelectColumn_ || layout_.SelectedColumn() != 0) {
        add(grid_cmd::kRemoveColumn, QStringLiteral("Remove &Selected Column"),
            layout_.SelectedColumn() != 0 && layout_.Columns() > 1);
    }
    add(grid_cmd::kAddRow, QStringLiteral("Add New &Row"), true);
    add(grid_cmd::kRemoveRow, QStringLiteral("&Remove Selected Row"), layout_.SelectedRow() != 0);
    return menu;
}

void CGridCtrl::ShowContextMenu() {
    if (data_ == nullptr) return;
    EndEdit(true);
    const std::unique_ptr<QMenu> menu(CreateContextMenu());
    menu->exec(viewport()->mapToGlobal(QPoint(layout_.ColumnWidth(0), layout_.RowHeight())));
}

void CGridCtrl::OnCommand(int id) {
    if (data_ == nullptr) return;
    EndEdit(true);
    switch (id) {
        case grid_cmd::kAddColumn:
            AddColumn();
            break;
        case grid_cmd::kAddRow:
            AddRow();
            break;
        case grid_cmd::kRemoveRow:
            RemoveSelectedRow();
            break;
        case grid_cmd::kRemoveColumn:
            RemoveSelectedColumn();
            break;
        default:
            break;
    }
}

void CGridCtrl::AddColumn() {
    if (!allowAddColumn_) return;
    data_->AddColumn();
    layout_.SetColumns(data_->GetColumnCount());
    Relayout();
    AnnounceChange();
}

void CGridCtrl::AddRow() {
    data_->AddRow();
    layout_.SetRows(data_->GetRowCount());
    Relayout();
    AnnounceChange();
}

void CGridCtrl::RemoveSelectedRow() {
    const int row = layout_.SelectedRow();
    if (row == 0) return;
    if (AskYesNo(Format("Do you want to remove all data in Row %d?", row)) == Answer::No) return;
    data_->RemoveRow(row);
    layout_.SetRows(data_->GetRowCount());
    layout_.ClearSelection();
    Relayout();
    AnnounceChange();
    ShowMessage("All Rows have been renumbered.", Icon::Information);
}

void CGridCtrl::RemoveSelectedColumn() {
    const int column = layout_.SelectedColumn();
    if (column == 0) return;
    const std::string name = data_->GetCell(0, column);
    if (AskYesNo(Format("Do you want to remove all data in Column '%s'?", name.c_str())) !=
            Answer::No &&
        data_->GetColumnCount() > 1) {
        data_->RemoveColumn(column);
        layout_.RemoveColumn(column);
        AnnounceChange();
    }
    layout_.ClearSelection();
    Relayout();
    AnnounceSelection();
}

void CGridCtrl::Undo() {
    if (data_ == nullptr || IsEditing() || !data_->Undo()) return;
    layout_.SetColumns(data_->GetColumnCount());
    layout_.SetRows(data_->GetRowCount());
    Relayout();
    AnnounceChange();
}

void CGridCtrl::CopyCell() {
    if (data_ == nullptr) return;
    const std::string text = data_->GetCell(layout_.CurrentRow(), layout_.CurrentColumn());
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void CGridCtrl::AnnounceCurrentCell() {
    if (!QAccessible::isActive() || !hasFocus()) return;
    auto* table = dynamic_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(this));
    if (table == nullptr) return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(table->IndexOfCell(layout_.CurrentRow(), layout_.CurrentColumn()));
    QAccessible::updateAccessibility(&event);
}

void CGridCtrl::AnnounceSelection() {
    QAccessibleEvent event(this, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&event);
}

void CGridCtrl::AnnounceChange(int row, int column) {
    if (row < 0) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        return;
    }
    // The table interface counts observations and variables from 0; the names row is -1.
    QAccessibleTableModelChangeEvent changed(this, QAccessibleTableModelChangeEvent::DataChanged);
    changed.setFirstRow(row - 1);
    changed.setLastRow(row - 1);
    changed.setFirstColumn(column - 1);
    changed.setLastColumn(column - 1);
    QAccessible::updateAccessibility(&changed);
    if (!QAccessible::isActive()) return;
    if (auto* table = dynamic_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(this))) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        named.setChild(table->IndexOfCell(row, column));
        QAccessible::updateAccessibility(&named);
    }
}

void CGridCtrl::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect damaged = event->rect();
    painter.fillRect(damaged, kCellColor);
    if (data_ == nullptr) return;
    painter.setFont(font_);
    const int lastRow = layout_.LastVisibleRow();
    const int lastColumn = layout_.LastVisibleColumn();
    PaintBody(painter, damaged, lastRow, lastColumn);
    PaintHeaders(painter, damaged, lastRow, lastColumn);

    // A row or column chosen for removal shows inverted.
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    const int rowHeight = layout_.RowHeight();
    if (const int row = layout_.SelectedRow(); row > layout_.FirstRow() && row <= lastRow) {
        const int left = layout_.ColumnWidth(0);
        painter.fillRect(QRect(left, layout_.RowTop(row), layout_.BodyRight() - left, rowHeight),
                         Qt::black);
    }
    if (const int column = layout_.SelectedColumn();
        column > layout_.FirstColumn() && column <= lastColumn) {
        const GridRect cell = layout_.CellRect(0, column);
        painter.fillRect(
            QRect(cell.left, rowHeight, cell.Width(), layout_.BodyBottom() - rowHeight), Qt::black);
    }
    if (resizeColumn_ != 0)
        painter.fillRect(QRect(resizeX_, 0, 1, viewport()->height()), Qt::black);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const int row = layout_.CurrentRow();
    const int column = layout_.CurrentColumn();
    const bool inView = (row == 0 || (row > layout_.FirstRow() && row <= lastRow)) &&
                        column > layout_.FirstColumn() && column <= lastColumn;
    if (!IsEditing() && inView) {
        const GridRect frame = layout_.FrameRect(row, column);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.left, frame.top, frame.Width() - 1, frame.Height() - 1);
    }
}

void CGridCtrl::PaintBody(QPainter& painter, const QRect& damaged, int lastRow, int lastColumn) {
    const int rowHeight = layout_.RowHeight();
    const int firstRow = layout_.FirstRow();
    const int fromRow = std::max(firstRow + 1, firstRow + damaged.top() / rowHeight);
    const int toRow = std::min(lastRow, firstRow + damaged.bottom() / rowHeight);
    const int ascent = painter.fontMetrics().ascent();
    const int right = layout_.BodyRight();
    const int bottom = layout_.BodyBottom();
    const int fixed = layout_.ColumnWidth(0);

    painter.setPen(kLineColor);
    for (int row = fromRow; row <= toRow; ++row) {
        const int y = rowHeight * (row - firstRow + 1) - 1;
        painter.drawLine(fixed, y, right - 1, y);
    }
    for (int column = layout_.FirstColumn() + 1; column <= lastColumn; ++column) {
        const GridRect cell = layout_.CellRect(0, column);
        if (cell.right <= damaged.left() || cell.left > damaged.right()) continue;
        painter.drawLine(cell.right - 2, rowHeight, cell.right - 2, bottom - 1);
    }
    painter.setPen(Qt::black);
    for (int row = fromRow; row <= toRow; ++row) {
        for (int column = layout_.FirstColumn() + 1; column <= lastColumn; ++column) {
            const QRect cell = ToQRect(layout_.CellRect(row, column));
            if (!cell.intersects(damaged)) continue;
            const QString text = QString::fromStdString(data_->GetCell(row, column));
            if (!text.isEmpty())
                DrawCellText(painter, cell, text, cell.top() + layout_.TextOffset(), ascent, true);
        }
    }
}

void CGridCtrl::PaintHeaders(QPainter& painter, const QRect& damaged, int lastRow, int lastColumn) {
    const int rowHeight = layout_.RowHeight();
    const int fixed = layout_.ColumnWidth(0);
    const int ascent = painter.fontMetrics().ascent();
    const QBrush face = palette().brush(QPalette::Button);
    const QPalette& colours = palette();
    auto header = [&](const QRect& cell) {
        qDrawShadeRect(&painter, cell, colours, true, 1, 0, &face);
        painter.setPen(colours.color(QPalette::ButtonText));
    };
    auto rightAligned = [&](const QRect& cell, const QString& text) {
        const int width = painter.fontMetrics().horizontalAdvance(text);
        painter.drawText(cell.right() + 1 - 3 - width, cell.top() + layout_.TextOffset() + ascent,
                         text);
    };

    // Names row.
    if (damaged.top() < rowHeight) {
        for (int column = layout_.FirstColumn() + 1; column <= lastColumn; ++column) {
            const QRect cell = ToQRect(layout_.CellRect(0, column));
            if (!cell.intersects(damaged)) continue;
            header(cell);
            const QString name = QString::fromStdString(data_->GetCell(0, column));
            const int width = painter.fontMetrics().horizontalAdvance(name);
            painter.save();
            painter.setClipRect(cell.adjusted(0, 0, -2, 0));
            const int x =
                width < cell.width() ? cell.left() + (cell.width() - width) / 2 : cell.left() + 2;
            painter.drawText(x, cell.top() + layout_.TextOffset() + ascent, name);
            painter.restore();
        }
    }
    // Row-number column, with the corner.
    if (damaged.left() < fixed) {
        const QRect corner(0, 0, fixed, rowHeight);
        if (corner.intersects(damaged)) {
            header(corner);
            rightAligned(corner, QStringLiteral("Row"));
        }
        const int firstRow = layout_.FirstRow();
        for (int row = firstRow + 1; row <= lastRow; ++row) {
            const QRect cell(0, layout_.RowTop(row), fixed, rowHeight);
            if (!cell.intersects(damaged)) continue;
            header(cell);
            rightAligned(cell, QString::fromStdString(Format("%d", row)));
        }
    }
}

}  // namespace lumox

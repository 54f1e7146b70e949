#include "ui/edit_data_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>

#include "data/pasted_table.h"
#include "document/numeric_names.h"
#include "platform/prompt.h"
#include "platform/strings.h"
#include "ui/grid_ctrl.h"

namespace lumox {
namespace {

bool ClipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

bool IsEnterOrEscape(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

}  // namespace

CEditDataDialog::CEditDataDialog(std::vector<std::string>& lines, int lineCount, int columnCount,
                                 QWidget* parent)
    : QDialog(parent), gridData_(lines), lineCount_(lineCount), columnCount_(columnCount) {
    setWindowTitle(QStringLiteral("Edit Data"));
    // Placed in dialog units: a quarter of the average character width, an eighth of its height.
    const QFontMetrics metrics(font());
    const int baseX = std::max(metrics.horizontalAdvance(QStringLiteral(
                                   "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                                   52,
                               1);
    const int baseY = std::max(metrics.height(), 1);
    auto place = [baseX, baseY](QWidget* widget, int x, int y, int width, int height) {
        widget->setGeometry(x * baseX / 4, y * baseY / 8, width * baseX / 4, height * baseY / 8);
    };
    setFixedSize(317 * baseX / 4, 170 * baseY / 8);

    grid_ = new CGridCtrl(this);
    place(grid_, 10, 11, 239, 150);
    auto button = [&](const QString& text, int y) {
        auto* pushButton = new QPushButton(text, this);
        place(pushButton, 260, y, 50, 14);
        pushButton->setAutoDefault(false);
        pushButton->installEventFilter(this);
        return pushButton;
    };
    ok_ = button(QStringLiteral("OK"), 11);
    ok_->setDefault(true);
    cancel_ = button(QStringLiteral("Cancel"), 39);
    paste_ = button(QStringLiteral("Paste"), 67);
    options_ = button(QStringLiteral("Options"), 95);
    connect(ok_, &QPushButton::clicked, this, &CEditDataDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &CEditDataDialog::reject);
    connect(paste_, &QPushButton::clicked, this, &CEditDataDialog::OnPaste);
    connect(options_, &QPushButton::clicked, this, &CEditDataDialog::OnOptions);

    // A table can be pasted only into a new, empty data set.
    paste_->setEnabled(lineCount_ == 0 && ClipboardHasText());
    gridData_.Init(lineCount_, columnCount_);
    grid_->SetData(&gridData_);
    grid_->SetAllowAddColumn(true);
    grid_->SetAllowSelectColumn(true);
    grid_->Layout();
    setTabOrder(grid_, ok_);
    grid_->setFocus();
}

CEditDataDialog::~CEditDataDialog() = default;

void CEditDataDialog::OnPaste() {
    if (!ClipboardHasText()) {
        ShowMessage(ids::kClipboardAccess, Icon::Exclamation);
        return;
    }
    const std::string text = QGuiApplication::clipboard()->mimeData()->text().toStdString();
    std::vector<std::string> lines;
    int columns = 0;
    const ReadStatus status = ReadAskingNumericNames([&](NumericNames names, Diagnostics& said) {
        return ReadPastedTable(text, lines, columns, names, said);
    });
    if (status != ReadStatus::Read) return;
    grid_->EndEdit(false);
    gridData_.ReplaceAll(std::move(lines), columns);
    grid_->Layout();
}

void CEditDataDialog::OnOptions() { grid_->ShowContextMenu(); }

void CEditDataDialog::accept() {
    grid_->EndEdit(true);
    lineCount_ = gridData_.GetRowCount();
    columnCount_ = gridData_.GetColumnCount();
    changed_ = gridData_.IsModified();
    int row = 0;
    int column = 0;
    Diagnostics said;
    const bool incomplete = gridData_.Validate(row, column, said);
    Speak(said);
    if (incomplete) {
        grid_->setFocus();
        grid_->GoToCell(row, column);
        return;
    }
    QDialog::accept();
}

void CEditDataDialog::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape belong to the grid; here they never press OK or Cancel.
    if (IsEnterOrEscape(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CEditDataDialog::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnterOrEscape(event)) return true;  // a button with the focus does not click on Enter
    return QDialog::eventFilter(watched, event);
}

}  // namespace lumox

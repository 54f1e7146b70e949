#ifndef LUMOX_UI_EDIT_DATA_DIALOG_H
#define LUMOX_UI_EDIT_DATA_DIALOG_H

#include <QDialog>
#include <string>
#include <vector>

#include "data/grid_data.h"

class QPushButton;

namespace lumox {

class CGridCtrl;

// The Edit Data dialog: the data grid on a list of text lines (names first, then one line
// per observation), with Paste for a table from the clipboard and Options for the grid's
// menu. OK is refused while a cell is empty or fewer than two observations exist. Enter and
// Escape go to the grid and never close the dialog.
class CEditDataDialog : public QDialog {
    Q_OBJECT
public:
    // lines are edited in place; lineCount counts the names line; both counts are 0 for a
    // new data set, which starts as two empty lines of one column.
    CEditDataDialog(std::vector<std::string>& lines, int lineCount, int columnCount,
                    QWidget* parent = nullptr);
    ~CEditDataDialog() override;

    // After OK: the grid's counts and whether its data changed.
    int LineCount() const { return lineCount_; }
    int ColumnCount() const { return columnCount_; }
    bool Changed() const { return changed_; }

    CGridCtrl& Grid() const { return *grid_; }
    const CGridData& GridData() const { return gridData_; }
    QPushButton& PasteButton() const { return *paste_; }
    QPushButton& OkButton() const { return *ok_; }
    QPushButton& OptionsButton() const { return *options_; }

    // Reads the clipboard's text as a new table for the grid, with every check.
    void OnPaste();
    void OnOptions();
    // OK: validates first; with a problem the grid shows the problem cell and the dialog stays.
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CGridData gridData_;
    CGridCtrl* grid_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* paste_ = nullptr;
    QPushButton* options_ = nullptr;
    int lineCount_ = 0;
    int columnCount_ = 0;
    bool changed_ = false;
};

}  // namespace lumox

#endif

#ifndef LUMOX_UI_VARIABLE_CHOICE_H
#define LUMOX_UI_VARIABLE_CHOICE_H

#include <QObject>
#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace lumox {

class DataSet;

// The "Variables" list of a statistics dialog: the data set's column names in column
// order. A click only highlights an entry.
QListWidget* MakeVariableList(const DataSet& data, QWidget* parent);

// The row a person has highlighted, -1 for none. The current row alone does not count: a
// list takes its first row as current when it gets the focus, with nothing shown
// highlighted.
int HighlightedRow(const QListWidget& list);

// A check box beside a read-only edit that takes or releases the variable highlighted in
// a list. The dialog, not the click, decides the check state: a click while nothing is
// highlighted changes nothing, and a variable that cannot be taken leaves the box clear.
class VariableCheck : public QObject {
    Q_OBJECT
public:
    // take(column) is asked when the box is to be checked and returns whether it may be;
    // release() is told when it is cleared.
    VariableCheck(QListWidget& list, QCheckBox& box, QLineEdit& name, std::function<bool(int)> take,
                  std::function<void()> release);

    // The highlighted entry, -1 before any.
    int Highlighted() const { return highlighted_; }

private:
    void OnToggled(bool checked);

    QListWidget& list_;
    QCheckBox& box_;
    QLineEdit& name_;
    std::function<bool(int)> take_;
    std::function<void()> release_;
    int highlighted_ = -1;
};

}  // namespace lumox

#endif

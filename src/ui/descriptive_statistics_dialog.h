#ifndef LUMOX_UI_DESCRIPTIVE_STATISTICS_DIALOG_H
#define LUMOX_UI_DESCRIPTIVE_STATISTICS_DIALOG_H

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumox {

class CLumoxDoc;
class VariableCheck;

// Descriptive Statistics: the summary of one variable, and Record, which appends its report
// to the Results window while the dialog stays open.
class DescriptiveStatisticsDialog : public QDialog {
    Q_OBJECT
public:
    DescriptiveStatisticsDialog(CLumoxDoc& doc, QWidget* parent = nullptr);

    QListWidget* variables;
    QCheckBox* take;
    QLineEdit* name;
    // Count, minimum, mean, median, maximum, variance, standard deviation.
    std::array<QLineEdit*, 7> values{};
    QPushButton* recordButton;

private:
    bool Show(int column);
    void Clear();
    void OnRecord();

    CLumoxDoc& doc_;
    VariableCheck* check_;
};

}  // namespace lumox

#endif

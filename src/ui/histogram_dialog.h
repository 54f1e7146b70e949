#ifndef LUMOX_UI_HISTOGRAM_DIALOG_H
#define LUMOX_UI_HISTOGRAM_DIALOG_H

#include <QDialog>

#include "stats/histogram_settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace lumox {

class DataSet;

// Histogram Variable Selection: the variable, the kind of histogram, the normal curve and
// the number of classes. exec() returns Accepted on Plot; Settings() then holds the
// choices.
class HistogramDialog : public QDialog {
    Q_OBJECT
public:
    HistogramDialog(const DataSet& data, QWidget* parent = nullptr);

    const HistogramSettings& Settings() const { return settings_; }

    QListWidget* variables;
    QCheckBox* takeX;
    QLineEdit* name;
    QRadioButton* frequency;
    QRadioButton* relative;
    QRadioButton* cumulative;
    QCheckBox* normalCurve;
    QComboBox* classes;
    QPushButton* plotButton;

private:
    void OnPlot();

    HistogramSettings settings_;
    int column_ = -1;
};

}  // namespace lumox

#endif

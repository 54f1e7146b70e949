#ifndef LUMOX_UI_RECORD_REPORTS_DIALOG_H
#define LUMOX_UI_RECORD_REPORTS_DIALOG_H

#include <QDialog>

#include "document/recording.h"
#include "ui/edit_field_adapters.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSettings;

namespace lumox {

// Select Reports to Record: which regression reports the next recording appends and the
// confidence level of the interval report. After a simple (X,Y) fit the correlation matrix
// is not offered. exec() returns Accepted on Record; Reports() and Level() then hold the
// choices. With a profile the dialog opens with the choices last recorded and keeps those
// of each Record.
class RecordReportsDialog : public QDialog {
    Q_OBJECT
public:
    RecordReportsDialog(bool simpleFit, QWidget* parent = nullptr, QSettings* profile = nullptr);

    // Flags 1 to 5 as checked (the others 0); valid after Record.
    const ReportKinds& Reports() const { return reports_; }
    double Level() const { return level_; }

    QCheckBox* equation;
    QCheckBox* anova;
    QCheckBox* correlation;
    QCheckBox* residuals;
    QCheckBox* intervals;
    QCheckBox* diagnostics;
    QLineEdit* levelEdit;
    QPushButton* recordButton;

private:
    void OnRecord();

    QSettings* profile_;
    DialogFields fields_;
    ReportKinds reports_;
    double level_ = 95.0;
};

}  // namespace lumox

#endif

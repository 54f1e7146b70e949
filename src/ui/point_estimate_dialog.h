#ifndef LUMOX_UI_POINT_ESTIMATE_DIALOG_H
#define LUMOX_UI_POINT_ESTIMATE_DIALOG_H

#include <QDialog>
#include <vector>

#include "regression/point_estimate.h"
#include "ui/edit_field_adapters.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumox {

class CLumoxDoc;

// Point Estimate: y of the document's fitted equation at typed values of its variables,
// with the confidence and prediction intervals on the original scale, and Record. The
// document must hold a fit while the dialog is open.
class PointEstimateDialog : public QDialog {
    Q_OBJECT
public:
    PointEstimateDialog(CLumoxDoc& doc, QWidget* parent = nullptr);

    const PointEstimate& Estimate() const { return estimate_; }

    QLineEdit* levelEdit;
    QPlainTextEdit* valuesEdit;
    std::vector<QLabel*> names;
    std::vector<QLabel*> means;
    QLabel* predictedLabel;
    QLineEdit* predicted;
    QLineEdit* confidence;
    QLineEdit* prediction;
    QPushButton* calculateButton;
    QPushButton* recordButton;

private:
    void OnCalculate();
    void OnRecord();

    CLumoxDoc& doc_;
    PointEstimate estimate_;
    DialogFields fields_;
};

}  // namespace lumox

#endif

#ifndef LUMOX_UI_SIMPLE_REGRESSION_DIALOG_H
#define LUMOX_UI_SIMPLE_REGRESSION_DIALOG_H

#include <QDialog>

#include "document/simple_regression.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSettings;

namespace lumox {

class CLumoxDoc;
class UiDialogs;

// Simple Linear Regression (X, Y): X and Y, the twelve models, Calculate, the best-model
// searches and Record. Its state and computations are SimpleRegression's; Calculate makes
// the fit the document's.
class SimpleRegressionDialog : public QDialog {
    Q_OBJECT
public:
    // dialogs runs the Select Reports to Record dialog of Record.
    SimpleRegressionDialog(CLumoxDoc& doc, UiDialogs& dialogs, QWidget* parent = nullptr);

    // Where Record keeps the report choices, or null.
    QSettings* profile = nullptr;

    const SimpleRegression& State() const { return state_; }

    QListWidget* variables;
    QCheckBox* takeX;
    QCheckBox* takeY;
    QLineEdit* xName;
    QLineEdit* yName;
    QListWidget* models;
    QPushButton* calculateButton;
    QPushButton* bestRSquareButton;
    QPushButton* bestStandardErrorButton;
    QPushButton* compareButton;
    QLineEdit* standardError;
    QLineEdit* rSquare;
    QPushButton* recordButton;

private:
    void OnVariablesChanged();
    void OnModelSelected(int model);
    void OnCalculate();
    void OnBest(int model);
    void OnRecord();
    void ShowResults(int model);

    CLumoxDoc& doc_;
    UiDialogs& dialogs_;
    SimpleRegression state_;
};

}  // namespace lumox

#endif

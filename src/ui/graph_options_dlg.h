#ifndef LUMOX_UI_GRAPH_OPTIONS_DLG_H
#define LUMOX_UI_GRAPH_OPTIONS_DLG_H

#include <QDialog>

#include "document/graph_selection.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace lumox {

// Scatter Graph and Histogram Options: the title, the labelled X and Y intervals, the
// point size and the grid of the graphs made from now on.
class CGraphOptionsDlg : public QDialog {
    Q_OBJECT
public:
    CGraphOptionsDlg(CLumoxDoc& doc, QWidget* parent = nullptr);

    QLineEdit* Title() const { return title_; }
    QComboBox* XIntervals() const { return xIntervals_; }
    QComboBox* YIntervals() const { return yIntervals_; }
    QComboBox* PointSize() const { return pointSize_; }
    QCheckBox* Grid() const { return grid_; }

public slots:
    // OK: stores the options in the document; a refused value keeps the dialog open.
    void accept() override;

private:
    CLumoxDoc& doc_;
    QLineEdit* title_;
    QComboBox* xIntervals_;
    QComboBox* yIntervals_;
    QComboBox* pointSize_;
    QCheckBox* grid_;
};

}  // namespace lumox

#endif

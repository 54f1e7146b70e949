#include "ui/graph_options_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "render/qt_surface.h"
#include "ui/command_ids.h"
#include "ui/help_window.h"

namespace lumox {

CGraphOptionsDlg::CGraphOptionsDlg(CLumoxDoc& doc, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      title_(new QLineEdit),
      xIntervals_(new QComboBox),
      yIntervals_(new QComboBox),
      pointSize_(new QComboBox),
      grid_(new QCheckBox(QStringLiteral("Add Graph Grid"))) {
    setWindowTitle(QStringLiteral("Scatter Graph and Histogram Options"));
    SetHelpContext(this, help::kGraphOptionsDialog);
    title_->setMaxLength(GraphOptions::kTitleLimit);
    for (int n = GraphOptions::kMinIntervals; n <= GraphOptions::kMaxIntervals; ++n) {
        xIntervals_->addItem(QString::number(n));
        yIntervals_->addItem(QString::number(n));
    }
    pointSize_->addItems({QStringLiteral("Small"), QStringLiteral("Large")});

    const GraphOptions options = doc.GetGraphOptions();
    title_->setText(QtSurface::ToQString(options.title));
    xIntervals_->setCurrentIndex(options.xIntervalIndex);
    yIntervals_->setCurrentIndex(options.yIntervalIndex);
    pointSize_->setCurrentIndex(options.pointSize);
    grid_->setChecked(options.grid);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Graph Title:"), title_);
    form->addRow(QStringLiteral("X Grid Increments:"), xIntervals_);
    form->addRow(QStringLiteral("Y Grid Increments:"), yIntervals_);
    form->addRow(QStringLiteral("Point Size:"), pointSize_);
    form->addRow(grid_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGraphOptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGraphOptionsDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Note: Some options do not apply to Histograms")));
    layout->addWidget(buttons);
}

void CGraphOptionsDlg::accept() {
    GraphOptions options;
    options.title = title_->text().toStdString();
    options.xIntervalIndex = xIntervals_->currentIndex();
    options.yIntervalIndex = yIntervals_->currentIndex();
    options.pointSize = pointSize_->currentIndex();
    options.grid = grid_->isChecked();
    if (doc_.ApplyGraphOptions(options)) QDialog::accept();
}

}  // namespace lumox

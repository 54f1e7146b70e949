#include "ui/graph_options_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

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
      grid_(new QCheckBox(QStringLiteral("Add Graph &Grid"))) {
    setWindowTitle(QStringLiteral("Scatter Graph and Histogram Options"));
    SetHelpContext(this, help::kGraphOptionsDialog);
    // The edit takes a longer title, for the document to refuse with its message rather
    // than cut it without a word; it is wide enough to show as much as a title may hold.
    title_->setMinimumWidth(title_->fontMetrics().horizontalAdvance(
                                QString(GraphOptions::kTitleLimit, QLatin1Char('n'))) +
                            2 * title_->fontMetrics().averageCharWidth());
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
    form->addRow(QStringLiteral("Graph &Title:"), title_);
    form->addRow(QStringLiteral("&X Grid Increments:"), xIntervals_);
    form->addRow(QStringLiteral("&Y Grid Increments:"), yIntervals_);
    form->addRow(QStringLiteral("&Point Size:"), pointSize_);
    form->addRow(grid_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CGraphOptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGraphOptionsDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Note: Some options do not apply to Histograms")));
    layout->addWidget(buttons);
    // Wide enough for the window's caption, in the bold face title bars use, beside the
    // title bar's buttons.
    QFont caption = font();
    caption.setBold(true);
    setMinimumWidth(std::max(
        sizeHint().width(),
        QFontMetrics(caption).horizontalAdvance(windowTitle()) + 8 * fontMetrics().height()));
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

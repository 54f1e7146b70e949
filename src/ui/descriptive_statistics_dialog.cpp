#include "ui/descriptive_statistics_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/lumox_doc.h"
#include "platform/format.h"
#include "stats/descriptive_statistics.h"
#include "ui/command_ids.h"
#include "ui/guarded.h"
#include "ui/help_window.h"
#include "ui/variable_choice.h"

namespace lumox {

DescriptiveStatisticsDialog::DescriptiveStatisticsDialog(CLumoxDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc) {
    setWindowTitle(QStringLiteral("Descriptive Statistics"));
    SetHelpContext(this, help::kDescriptiveStatisticsDialog);

    auto* steps = new QLabel(
        QStringLiteral("Select Variable to calculate, then click on check box below:"), this);
    steps->setWordWrap(true);
    variables = MakeVariableList(doc.Data(), this);
    auto* listLabel = new QLabel(QStringLiteral("&Variables"), this);
    listLabel->setBuddy(variables);
    take = new QCheckBox(this);
    take->setObjectName(QStringLiteral("take"));
    take->setAccessibleName(QStringLiteral("Take the highlighted variable"));
    name = new QLineEdit(this);
    name->setObjectName(QStringLiteral("name"));
    name->setFocusPolicy(Qt::ClickFocus);
    check_ = new VariableCheck(
        *variables, *take, *name, [this](int column) { return Show(column); }, [this] { Clear(); });

    static constexpr const char* kLabels[] = {
        "Number of variables:", "Minimum:", "Mean (Average):", "Median:", "Maximum:", "Variance:",
        "Standard Deviation:",
    };
    auto* summary = new QGroupBox(QStringLiteral("Summary of Results"), this);
    auto* form = new QFormLayout(summary);
    for (size_t k = 0; k < values.size(); ++k) {
        values[k] = new QLineEdit(summary);
        values[k]->setReadOnly(true);
        values[k]->setFocusPolicy(Qt::ClickFocus);
        values[k]->setObjectName(QStringLiteral("value%1").arg(k));
        form->addRow(QString::fromLatin1(kLabels[k]), values[k]);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    recordButton = buttons->addButton(QStringLiteral("&Record"), QDialogButtonBox::ActionRole);
    recordButton->setObjectName(QStringLiteral("record"));
    recordButton->setEnabled(false);
    recordButton->setAutoDefault(false);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(recordButton, &QPushButton::clicked, this, &DescriptiveStatisticsDialog::OnRecord);
    connect(help, &QPushButton::clicked, this, [this] { RequestHelp(this); });

    auto* chosen = new QHBoxLayout;
    chosen->addWidget(take);
    chosen->addWidget(name, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(variables, 1);
    left->addLayout(chosen);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(summary, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(steps);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
}

bool DescriptiveStatisticsDialog::Show(int column) {
    const bool shown = Guarded([this, column] {
        const DescriptiveStatistics stats(doc_.GetData(), static_cast<uint32_t>(column));
        const double figures[] = {stats.minimum, stats.mean,     stats.median,
                                  stats.maximum, stats.variance, stats.stdDeviation};
        values[0]->setText(QString::fromStdString(Format("%u", stats.count)));
        for (size_t k = 0; k < std::size(figures); ++k) {
            values[k + 1]->setText(QString::fromStdString(Format("%.9g", figures[k])));
        }
    });
    // Statistics that stopped (their message shown) leave the fields as they were.
    if (shown) recordButton->setEnabled(true);
    return shown;
}

void DescriptiveStatisticsDialog::Clear() {
    for (QLineEdit* value : values) value->clear();
}

void DescriptiveStatisticsDialog::OnRecord() {
    // The highlighted entry is recorded: the checked one unless another was highlighted.
    const int column = check_->Highlighted();
    if (column < 0) return;
    Guarded([this, column] { doc_.RecordDescriptiveStatistics(static_cast<uint32_t>(column)); });
}

}  // namespace lumox

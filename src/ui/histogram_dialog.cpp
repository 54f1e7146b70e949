#include "ui/histogram_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/data_set.h"
#include "platform/prompt.h"
#include "platform/strings.h"
#include "stats/frequency_table.h"
#include "ui/command_ids.h"
#include "ui/help_window.h"
#include "ui/variable_choice.h"

namespace lumox {

HistogramDialog::HistogramDialog(const DataSet& data, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Histogram Variable Selection"));
    SetHelpContext(this, help::kHistogramDialog);

    auto* steps = new QLabel(
        QStringLiteral("Select Histogram variable, then click on the X check box below:"), this);
    steps->setWordWrap(true);
    variables = MakeVariableList(data, this);
    auto* listLabel = new QLabel(QStringLiteral("&Variables"), this);
    listLabel->setBuddy(variables);
    takeX = new QCheckBox(QStringLiteral(" &X"), this);
    takeX->setObjectName(QStringLiteral("x"));
    name = new QLineEdit(this);
    name->setObjectName(QStringLiteral("name"));
    name->setFocusPolicy(Qt::ClickFocus);
    new VariableCheck(
        *variables, *takeX, *name,
        [this](int column) {
            column_ = column;
            return true;
        },
        [this] { column_ = -1; });

    auto* kind = new QGroupBox(QStringLiteral("Select Y"), this);
    frequency = new QRadioButton(QStringLiteral("&Frequency"), kind);
    relative = new QRadioButton(QStringLiteral("&Relative Frequencies (%)"), kind);
    cumulative = new QRadioButton(QStringLiteral("Cumulative Frequencies (&Ogive)"), kind);
    frequency->setObjectName(QStringLiteral("frequency"));
    relative->setObjectName(QStringLiteral("relative"));
    cumulative->setObjectName(QStringLiteral("cumulative"));
    frequency->setChecked(true);
    auto* kinds = new QVBoxLayout(kind);
    for (QRadioButton* button : {frequency, relative, cumulative}) {
        kinds->addWidget(button);
        // The ogive has no normal curve; the box keeps its check state meanwhile.
        connect(button, &QRadioButton::clicked, this,
                [this] { normalCurve->setEnabled(!cumulative->isChecked()); });
    }
    normalCurve = new QCheckBox(QStringLiteral("Add &Normal Curve to graph"), this);
    normalCurve->setObjectName(QStringLiteral("normal"));

    classes = new QComboBox(this);
    classes->setObjectName(QStringLiteral("classes"));
    for (const int count : kHistogramClassChoices) classes->addItem(QString::number(count));
    classes->setCurrentText(QString::number(DefaultHistogramClasses(data.Rows())));
    auto* classesLabel =
        new QLabel(QStringLiteral("Select number of &classes\n(bars) on Histogram"), this);
    classesLabel->setBuddy(classes);

    auto* buttons = new QDialogButtonBox(this);
    plotButton = buttons->addButton(QStringLiteral("&Plot"), QDialogButtonBox::AcceptRole);
    plotButton->setObjectName(QStringLiteral("plot"));
    plotButton->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setAutoDefault(false);
    connect(plotButton, &QPushButton::clicked, this, &HistogramDialog::OnPlot);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { RequestHelp(this); });

    auto* chosen = new QHBoxLayout;
    chosen->addWidget(takeX);
    chosen->addWidget(name, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(variables, 1);
    left->addLayout(chosen);
    auto* right = new QVBoxLayout;
    right->addWidget(kind);
    right->addWidget(normalCurve);
    right->addWidget(classesLabel);
    right->addWidget(classes);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(steps);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
}

void HistogramDialog::OnPlot() {
    const bool kindChosen =
        frequency->isChecked() || relative->isChecked() || cumulative->isChecked();
    if (column_ < 0 || !kindChosen) {
        ShowMessage(ids::kGraphDataIncomplete, Icon::Stop);
        return;
    }
    settings_ = HistogramSettings{};
    settings_.column = column_;
    settings_.kind = relative->isChecked()     ? HistogramKind::Relative
                     : cumulative->isChecked() ? HistogramKind::Cumulative
                                               : HistogramKind::Frequency;
    settings_.addNormalCurve = normalCurve->isChecked();
    settings_.classes = classes->currentText().toInt();
    accept();
}

}  // namespace lumox

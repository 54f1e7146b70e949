#include "ui/simple_regression_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/lumox_doc.h"
#include "platform/format.h"
#include "ui/command_ids.h"
#include "ui/guarded.h"
#include "ui/help_window.h"
#include "ui/record_reports_dialog.h"
#include "ui/ui_dialogs.h"
#include "ui/variable_choice.h"

namespace lumox {
namespace {

QLineEdit* ReadOnlyEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

}  // namespace

SimpleRegressionDialog::SimpleRegressionDialog(CLumoxDoc& doc, UiDialogs& dialogs, QWidget* parent)
    : QDialog(parent), doc_(doc), dialogs_(dialogs), state_(doc) {
    setWindowTitle(QStringLiteral("Simple Linear Regression (X, Y)"));
    SetHelpContext(this, help::kSimpleRegressionDialog);
    state_.m_nVariableCount = static_cast<int>(doc.Cols());

    variables = MakeVariableList(doc.Data(), this);
    auto* variablesLabel = new QLabel(QStringLiteral("&Variables"), this);
    variablesLabel->setBuddy(variables);
    takeX = new QCheckBox(QStringLiteral(" &X"), this);
    takeY = new QCheckBox(QStringLiteral(" &Y"), this);
    takeX->setObjectName(QStringLiteral("x"));
    takeY->setObjectName(QStringLiteral("y"));
    xName = ReadOnlyEdit("xName", this);
    yName = ReadOnlyEdit("yName", this);
    auto choose = [this](void (SimpleRegression::*set)(int)) {
        return std::pair{[this, set](int column) {
                             (state_.*set)(column);
                             OnVariablesChanged();
                             return true;
                         },
                         [this, set] {
                             (state_.*set)(-1);
                             OnVariablesChanged();
                         }};
    };
    const auto [takeXColumn, releaseX] = choose(&SimpleRegression::SetX);
    const auto [takeYColumn, releaseY] = choose(&SimpleRegression::SetY);
    new VariableCheck(*variables, *takeX, *xName, takeXColumn, releaseX);
    new VariableCheck(*variables, *takeY, *yName, takeYColumn, releaseY);

    models = new QListWidget(this);
    models->setObjectName(QStringLiteral("models"));
    models->setAccessibleName(QStringLiteral("Equations"));
    for (const SimpleModel& model : SimpleModels())
        models->addItem(QString::fromLatin1(model.name));
    auto* modelsLabel = new QLabel(QStringLiteral("&Equations"), this);
    modelsLabel->setBuddy(models);
    connect(models, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = HighlightedRow(*models);
        if (row >= 0) OnModelSelected(row);
    });

    calculateButton = new QPushButton(QStringLiteral("&Calculate"), this);
    bestRSquareButton = new QPushButton(QStringLiteral("Best &R^2"), this);
    bestStandardErrorButton = new QPushButton(QStringLiteral("Best &Std Err"), this);
    compareButton = new QPushButton(QStringLiteral("Com&pare"), this);
    compareButton->setObjectName(QStringLiteral("compare"));
    calculateButton->setObjectName(QStringLiteral("calculate"));
    bestRSquareButton->setObjectName(QStringLiteral("bestRSquare"));
    bestStandardErrorButton->setObjectName(QStringLiteral("bestStandardError"));
    calculateButton->setDefault(true);
    connect(calculateButton, &QPushButton::clicked, this, &SimpleRegressionDialog::OnCalculate);
    // Each search runs once until X or Y change; its messages are shown model by model.
    connect(bestRSquareButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { OnBest(state_.SelectBestRSquare()); }); });
    connect(bestStandardErrorButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { OnBest(state_.SelectBestStandardError()); }); });
    // Compare records its report at once; the selection and the fit stay as they are.
    connect(compareButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { state_.Compare(); }); });

    standardError = ReadOnlyEdit("standardError", this);
    rSquare = ReadOnlyEdit("rSquare", this);
    auto* results = new QFormLayout;
    results->addRow(QStringLiteral("Standard Error:"), standardError);
    results->addRow(QStringLiteral("R Square:"), rSquare);

    auto* buttons = new QDialogButtonBox(this);
    recordButton = buttons->addButton(QStringLiteral("Recor&d"), QDialogButtonBox::ActionRole);
    recordButton->setObjectName(QStringLiteral("record"));
    recordButton->setEnabled(false);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    for (QPushButton* button : {recordButton, close, help}) button->setAutoDefault(false);
    connect(recordButton, &QPushButton::clicked, this, &SimpleRegressionDialog::OnRecord);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { RequestHelp(this); });

    auto* chosen = new QGridLayout;
    chosen->addWidget(takeX, 0, 0);
    chosen->addWidget(xName, 0, 1);
    chosen->addWidget(takeY, 1, 0);
    chosen->addWidget(yName, 1, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(variablesLabel);
    left->addWidget(variables, 1);
    left->addLayout(chosen);
    auto* middle = new QVBoxLayout;
    middle->addWidget(modelsLabel);
    middle->addWidget(models, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(calculateButton);
    right->addWidget(bestRSquareButton);
    right->addWidget(bestStandardErrorButton);
    right->addWidget(compareButton);
    right->addSpacing(12);
    right->addLayout(results);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(middle, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
}

void SimpleRegressionDialog::OnVariablesChanged() {
    // New variables forget every model's results: nothing may be recorded until Calculate.
    recordButton->setEnabled(false);
    standardError->clear();
    rSquare->clear();
}

void SimpleRegressionDialog::ShowResults(int model) {
    const auto m = static_cast<size_t>(model);
    standardError->setText(QString::fromStdString(Format("%g", state_.m_adStandardError[m])));
    rSquare->setText(QString::fromStdString(Format("%g", state_.m_adRSquare[m])));
}

void SimpleRegressionDialog::OnModelSelected(int model) {
    state_.m_nSelectedModel = model;
    ShowResults(model);
    recordButton->setEnabled(state_.CanRecord());
}

void SimpleRegressionDialog::OnCalculate() {
    if (state_.m_nSelectedModel >= 0) {
        recordButton->setEnabled(false);
        standardError->clear();
        rSquare->clear();
    }
    int result = -1;
    Guarded([this, &result] { result = state_.Calculate(); });
    if (result != 0) return;
    recordButton->setEnabled(true);
    ShowResults(state_.m_nCalculatedModel);
    models->setFocus();
}

void SimpleRegressionDialog::OnBest(int model) {
    if (model < 0) {
        // No model could be fitted: nothing is selected.
        models->setCurrentRow(-1);
        recordButton->setEnabled(false);
        standardError->clear();
        rSquare->clear();
    } else {
        const QSignalBlocker quiet(models);
        models->setCurrentRow(model);
        OnModelSelected(model);
    }
    models->setFocus();
}

void SimpleRegressionDialog::OnRecord() {
    RecordReportsDialog select(true, this, profile);
    if (dialogs_.ExecDialog(select) != QDialog::Accepted) return;
    Guarded([this, &select] { doc_.RecordRegressionReports(select.Reports(), select.Level()); });
}

}  // namespace lumox

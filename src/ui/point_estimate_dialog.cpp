#include "ui/point_estimate_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/lumox_doc.h"
#include "numeric/number_text.h"
#include "numeric/scanner.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "ui/command_ids.h"
#include "ui/guarded.h"
#include "ui/help_window.h"

namespace lumox {
namespace {

QLineEdit* ResultEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

// The values of a list that the field validation passed: one number a line.
std::vector<double> ReadValues(const std::string& text) {
    std::vector<double> values;
    TextLineReader reader(text);
    std::string line;
    while (reader.ReadLine(line) != 0) values.push_back(AtoF(line));
    return values;
}

}  // namespace

PointEstimateDialog::PointEstimateDialog(CLumoxDoc& doc, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      estimate_(doc.Data(), doc.Equation(), doc.Fit()),
      fields_(PointEstimateTable()) {
    setWindowTitle(QStringLiteral("Point Estimate"));
    SetHelpContext(this, help::kPointEstimateDialog);

    levelEdit = new QLineEdit(this);
    levelEdit->setObjectName(QStringLiteral("level"));
    auto* levelLabel = new QLabel(QStringLiteral("Confidence &Level (%):"), this);
    levelLabel->setBuddy(levelEdit);
    valuesEdit = new QPlainTextEdit(this);
    valuesEdit->setObjectName(QStringLiteral("values"));
    valuesEdit->setTabChangesFocus(true);
    // Room for a few values; an equation has at most ten variables.
    valuesEdit->setFixedHeight(valuesEdit->fontMetrics().lineSpacing() * 6);
    auto* valuesLabel = new QLabel(QStringLiteral("&Values, one per line:"), this);
    valuesLabel->setBuddy(valuesEdit);
    fields_.AddNumber(field_ids::kPointEstimateConfidence, *levelEdit);
    fields_.AddNumberList(field_ids::kPointEstimateValues, *valuesEdit);
    Diagnostics loaded;  // loading is silent
    fields_.Validator().ExchangeNumber(Exchange::Load, field_ids::kPointEstimateConfidence,
                                       estimate_.m_dLevel, loaded);
    fields_.Init();

    // The equation's variables with their means over the fitted observations.
    auto* variables = new QGroupBox(QStringLiteral("Variable / Mean"), this);
    auto* grid = new QGridLayout(variables);
    const std::vector<std::string> variableNames = estimate_.VariableNames();
    const std::vector<double> variableMeans = estimate_.VariableMeans();
    for (size_t k = 0; k < variableNames.size(); ++k) {
        names.push_back(new QLabel(QString::fromStdString(variableNames[k]), variables));
        means.push_back(
            new QLabel(QString::fromStdString(Format("%.8g", variableMeans[k])), variables));
        grid->addWidget(names.back(), static_cast<int>(k), 0);
        grid->addWidget(means.back(), static_cast<int>(k), 1);
    }

    predictedLabel = new QLabel(QString::fromStdString(estimate_.PredictedLabel()), this);
    predicted = ResultEdit("predicted", this);
    confidence = ResultEdit("confidence", this);
    prediction = ResultEdit("prediction", this);
    auto* results = new QFormLayout;
    results->addRow(predictedLabel, predicted);
    predictedLabel->setBuddy(predicted);
    results->addRow(QStringLiteral("Confidence Interval:"), confidence);
    results->addRow(QStringLiteral("Prediction Interval:"), prediction);

    auto* buttons = new QDialogButtonBox(this);
    calculateButton =
        buttons->addButton(QStringLiteral("&Calculate"), QDialogButtonBox::ActionRole);
    recordButton = buttons->addButton(QStringLiteral("&Record"), QDialogButtonBox::ActionRole);
    calculateButton->setObjectName(QStringLiteral("calculate"));
    recordButton->setObjectName(QStringLiteral("record"));
    recordButton->setEnabled(false);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    for (QPushButton* button : {recordButton, cancel, help}) button->setAutoDefault(false);
    calculateButton->setDefault(true);
    connect(calculateButton, &QPushButton::clicked, this, &PointEstimateDialog::OnCalculate);
    connect(recordButton, &QPushButton::clicked, this, &PointEstimateDialog::OnRecord);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { RequestHelp(this); });

    auto* level = new QFormLayout;
    level->addRow(levelLabel, levelEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(level);
    layout->addWidget(variables);
    layout->addWidget(valuesLabel);
    layout->addWidget(valuesEdit);
    layout->addLayout(results);
    layout->addWidget(buttons);
    valuesEdit->setFocus();
}

void PointEstimateDialog::OnCalculate() {
    double level = estimate_.m_dLevel;
    std::string text;
    uint32_t lines = 0;
    bool read = false;
    Diagnostics said;
    Guarded([&] {
        FieldValidator& validator = fields_.Validator();
        read = validator.ExchangeNumber(Exchange::Save, field_ids::kPointEstimateConfidence, level,
                                        said) &&
               validator.ExchangeNumberList(Exchange::Save, field_ids::kPointEstimateValues, text,
                                            lines, 1, said);
    });
    Speak(said);
    if (!read) return;
    const std::vector<double> values = ReadValues(text);
    said.Clear();
    int result = 1;
    Guarded([&] { result = estimate_.Calculate(values, level, said); });
    if (result != 0) {
        Speak(said);
        if (values.size() != static_cast<size_t>(estimate_.m_nVariableCount))
            valuesEdit->setFocus();
        return;
    }
    predicted->setText(QString::fromStdString(estimate_.PredictedText()));
    confidence->setText(QString::fromStdString(estimate_.ConfidenceText()));
    prediction->setText(QString::fromStdString(estimate_.PredictionText()));
    // Record reports the last complete Calculate, whose values and results the estimate
    // keeps together; a later one that stops changes neither.
    recordButton->setEnabled(true);
    // Notes about the results (shown on the original scale of y) come once they show.
    Speak(said);
}

void PointEstimateDialog::OnRecord() {
    Guarded([this] { doc_.RecordPointEstimate(estimate_); });
}

}  // namespace lumox

#include "ui/record_choice.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "data/field_validation.h"

namespace lumox {

std::optional<RecordChoice> AskRecordChoiceDialog(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral("Select Reports to Record"));
    auto* layout = new QVBoxLayout(&dialog);
    const std::array<std::pair<int, const char*>, 5> reports = {{
        {kRecordEquation, "Regression Equation"},
        {kRecordAnova, "Analysis of Variance"},
        {kRecordCorrelation, "Correlation Coefficients"},
        {kRecordResiduals, "Residuals"},
        {kRecordIntervals, "Confidence/Prediction Intervals"},
    }};
    std::array<QCheckBox*, 5> boxes{};
    for (size_t k = 0; k < reports.size(); ++k) {
        boxes[k] = new QCheckBox(QString::fromLatin1(reports[k].second), &dialog);
        boxes[k]->setChecked(reports[k].first == kRecordEquation);
        layout->addWidget(boxes[k]);
    }
    auto* level = new QLineEdit(QStringLiteral("95"), &dialog);
    layout->addWidget(level);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    RecordChoice choice;
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        // A refused level keeps the dialog open; its message has been shown.
        const std::optional<double> read = ReadConfidenceLevel(level->text().toStdString());
        if (!read) return;
        choice.level = *read;
        for (size_t k = 0; k < reports.size(); ++k) {
            choice.flags[static_cast<size_t>(reports[k].first)] = boxes[k]->isChecked() ? 1 : 0;
        }
        dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return choice;
}

}  // namespace lumox

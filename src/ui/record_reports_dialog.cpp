#include "ui/record_reports_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <iterator>
#include <type_traits>

#include "platform/prompt.h"
#include "ui/command_ids.h"
#include "ui/help_window.h"

namespace lumox {

namespace {

// The profile's entries of the choices, in the order of the boxes, and of the level.
constexpr const char* kChoiceKeys[] = {"RecordReports/equation", "RecordReports/anova",
                                       "RecordReports/correlation", "RecordReports/residuals",
                                       "RecordReports/intervals", "RecordReports/diagnostics"};
constexpr char kLevelKey[] = "RecordReports/level";

}  // namespace

RecordReportsDialog::RecordReportsDialog(bool simpleFit, QWidget* parent, QSettings* profile)
    : QDialog(parent), profile_(profile), fields_(RecordReportsTable()) {
    setWindowTitle(QStringLiteral("Select Reports to Record"));
    SetHelpContext(this, help::kSelectReportsDialog);

    auto box = [this](const char* text, const char* name, bool checked) {
        auto* check = new QCheckBox(QString::fromLatin1(text), this);
        check->setObjectName(QString::fromLatin1(name));
        check->setChecked(checked);
        return check;
    };
    equation = box("Regression &Equation", "equation", true);
    anova = box("&Analysis of the Variance", "anova", true);
    correlation = box("C&orrelation Matrix", "correlation", true);
    residuals = box("Re&sidual List", "residuals", false);
    intervals = box("Confidence/&Prediction Intervals ", "intervals", false);
    diagnostics = box("Fit &Diagnostics", "diagnostics", false);
    correlation->setHidden(simpleFit);
    if (profile_ != nullptr) {
        QCheckBox* const boxes[] = {equation, anova, correlation, residuals, intervals, diagnostics};
        static_assert(std::extent_v<decltype(boxes)> == std::size(kChoiceKeys));
        for (size_t k = 0; k < std::size(boxes); ++k) {
            boxes[k]->setChecked(
                profile_->value(QString::fromLatin1(kChoiceKeys[k]), boxes[k]->isChecked())
                    .toBool());
        }
        level_ = profile_->value(QString::fromLatin1(kLevelKey), level_).toDouble();
    }

    levelEdit = new QLineEdit(this);
    levelEdit->setObjectName(QStringLiteral("level"));
    auto* levelLabel = new QLabel(QStringLiteral("Confidence &Level (%):"), this);
    levelLabel->setBuddy(levelEdit);
    fields_.AddNumber(field_ids::kRecordConfidence, *levelEdit);
    Diagnostics loaded;  // loading is silent
    fields_.Validator().ExchangeNumber(Exchange::Load, field_ids::kRecordConfidence, level_,
                                       loaded);
    fields_.Init();

    auto* buttons = new QDialogButtonBox(this);
    recordButton = buttons->addButton(QStringLiteral("&Record"), QDialogButtonBox::AcceptRole);
    recordButton->setObjectName(QStringLiteral("record"));
    recordButton->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    connect(recordButton, &QPushButton::clicked, this, &RecordReportsDialog::OnRecord);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { RequestHelp(this); });

    auto* level = new QFormLayout;
    level->addRow(levelLabel, levelEdit);
    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* check : {equation, anova, correlation, residuals, intervals, diagnostics}) {
        layout->addWidget(check);
    }
    layout->addLayout(level);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void RecordReportsDialog::OnRecord() {
    double level = level_;
    Diagnostics said;
    const bool saved = fields_.Validator().ExchangeNumber(
        Exchange::Save, field_ids::kRecordConfidence, level, said);
    Speak(said);
    if (!saved) return;
    level_ = level;
    reports_.clear();
    const std::pair<QCheckBox*, ReportKind> boxes[] = {
        {equation, ReportKind::Equation},       {anova, ReportKind::Anova},
        {correlation, ReportKind::Correlation}, {residuals, ReportKind::Residuals},
        {intervals, ReportKind::Intervals},     {diagnostics, ReportKind::Diagnostics},
    };
    // A hidden box is not chosen, whatever its check state.
    for (const auto& [box, kind] : boxes) {
        if (!box->isHidden() && box->isChecked()) reports_.push_back(kind);
    }
    static_assert(std::extent_v<decltype(boxes)> == std::size(kChoiceKeys));
    if (profile_ != nullptr) {
        for (size_t k = 0; k < std::size(boxes); ++k)
            profile_->setValue(QString::fromLatin1(kChoiceKeys[k]), boxes[k].first->isChecked());
        profile_->setValue(QString::fromLatin1(kLevelKey), level_);
    }
    accept();
}

}  // namespace lumox

#include "ui/eq_view.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/abort.h"
#include "ui/document_windows.h"
#include "ui/equation_picture.h"
#include "ui/grey_palette.h"
#include "ui/lumox_app.h"
#include "ui/record_reports_dialog.h"
#include "ui/ui_dialogs.h"

namespace lumox {
namespace {

// A read-only entry field: clicked to copy from, passed over by Tab.
QLineEdit* ReadOnlyField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setMinimumWidth(44);
    return field;
}

// A narrow field shows the start of a long name, not its end.
void ShowText(QLineEdit* field, const std::string& text) {
    field->setText(QString::fromStdString(text));
    field->setCursorPosition(0);
}

template <typename Value>
void Fill(QComboBox* box, const ChoiceList<Value>& list) {
    box->clear();
    for (const ChoiceItem<Value>& item : list) box->addItem(QString::fromStdString(item.text));
    box->setCurrentIndex(-1);
}

}  // namespace

CEqView::CEqView(DocumentWindows& document) : document_(document), state_(document.Doc()) {
    state_.OnFieldsChanged([this] { ShowFields(); });
    // The form is light grey; edits and lists keep their own colours.
    QPalette grey = GreyPalette(palette());
    grey.setColor(QPalette::Button, QColor(192, 192, 192));
    setPalette(grey);
    setAutoFillBackground(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Equation:"), this), 0, 0, 1, 3);
    picture_ = new EquationPicture(this);
    layout->addWidget(picture_, 1, 0, 1, BuildEquationState::kEntries);
    group_ = new QButtonGroup(this);
    std::vector<QWidget*> columns;
    for (int entry = 0; entry < BuildEquationState::kEntries; ++entry) {
        // Alt+y and Alt+0 .. Alt+9 reach the entries.
        const QString name =
            entry == 0 ? QStringLiteral("&y") : QStringLiteral("x&%1").arg(entry - 1);
        auto* radio = new QRadioButton(name, this);
        group_->addButton(radio, entry);
        radios_[static_cast<size_t>(entry)] = radio;
        variables_[static_cast<size_t>(entry)] = ReadOnlyField(this);
        transforms_[static_cast<size_t>(entry)] = ReadOnlyField(this);
        variables_[static_cast<size_t>(entry)]->setAccessibleName(name +
                                                                  QStringLiteral(" variable"));
        transforms_[static_cast<size_t>(entry)]->setAccessibleName(name +
                                                                   QStringLiteral(" transform"));
        layout->addWidget(radio, 2, entry, Qt::AlignHCenter);
        layout->addWidget(variables_[static_cast<size_t>(entry)], 3, entry);
        layout->addWidget(transforms_[static_cast<size_t>(entry)], 4, entry);
        layout->setColumnStretch(entry, 1);
        columns.push_back(variables_[static_cast<size_t>(entry)]);
    }
    picture_->SetColumns(columns);
    connect(group_, &QButtonGroup::idClicked, this, [this](int entry) { OnSelectEntry(entry); });

    auto* lists = new QGridLayout;
    variableList_ = new QComboBox(this);
    transformList_ = new QComboBox(this);
    auto label = [this](const QString& text, QWidget* buddy) {
        auto* shown = new QLabel(text, this);
        shown->setBuddy(buddy);
        return shown;
    };
    lists->addWidget(label(QStringLiteral("&Variable:"), variableList_), 0, 0);
    lists->addWidget(variableList_, 0, 1);
    lists->addWidget(label(QStringLiteral("&Transform:"), transformList_), 1, 0);
    lists->addWidget(transformList_, 1, 1);
    standardError_ = ReadOnlyField(this);
    rSquare_ = ReadOnlyField(this);
    // The summary stays in the Tab order: its numbers are what a person copies.
    standardError_->setFocusPolicy(Qt::StrongFocus);
    rSquare_->setFocusPolicy(Qt::StrongFocus);
    lists->addWidget(label(QStringLiteral("Standard &Error of Estimate:"), standardError_), 2, 0);
    lists->addWidget(standardError_, 2, 1);
    lists->addWidget(label(QStringLiteral("Coef. of &Determination - R^2:"), rSquare_), 3, 0);
    lists->addWidget(rSquare_, 3, 1);
    lists->setColumnStretch(1, 1);
    // Screen readers name the lists and fields after the labels beside them.
    variableList_->setAccessibleName(QStringLiteral("Variable"));
    transformList_->setAccessibleName(QStringLiteral("Transform"));
    standardError_->setAccessibleName(QStringLiteral("Standard Error of Estimate"));
    rSquare_->setAccessibleName(QStringLiteral("Coef. of Determination - R^2"));
    layout->addLayout(lists, 5, 0, 1, 7);
    connect(variableList_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (filling_ || item < 0) return;
        Run([this, item] { state_.ChooseVariable(item); });
        filling_ = true;
        Fill(transformList_, state_.m_transformList);
        filling_ = false;
    });
    connect(transformList_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (filling_ || item < 0) return;
        Run([this, item] { state_.ChooseTransform(item); });
    });

    auto* buttons = new QGridLayout;
    auto addButton = [this, buttons](const QString& text, int row, int column) {
        auto* button = new QPushButton(text, this);
        buttons->addWidget(button, row, column);
        return button;
    };
    QPushButton* calculate = addButton(QStringLiteral("&Calculate"), 0, 0);
    record_ = addButton(QStringLiteral("&Record"), 0, 1);
    QPushButton* clear = addButton(QStringLiteral("Clear E&quation"), 1, 0);
    QPushButton* defaults = addButton(QStringLiteral("Default D&ata"), 1, 1);
    QPushButton* close = addButton(QStringLiteral("C&lose"), 2, 1);
    layout->addLayout(buttons, 5, 7, 1, 4, Qt::AlignTop);

    // The equation as a line of text, as lumox-cli takes it: Enter chooses its entries.
    typed_ = new QLineEdit(this);
    typed_->setObjectName(QStringLiteral("equationText"));
    auto* typedRow = new QHBoxLayout;
    typedRow->addWidget(label(QStringLiteral("Type the equatio&n:"), typed_));
    typedRow->addWidget(typed_, 1);
    layout->addLayout(typedRow, 6, 0, 1, BuildEquationState::kEntries);
    connect(typed_, &QLineEdit::returnPressed, this, &CEqView::OnTypedEquation);
    layout->setRowStretch(7, 1);
    connect(calculate, &QPushButton::clicked, this, &CEqView::OnCalculate);
    connect(record_, &QPushButton::clicked, this, &CEqView::OnRecord);
    connect(clear, &QPushButton::clicked, this, &CEqView::OnClearEquation);
    connect(defaults, &QPushButton::clicked, this, &CEqView::OnDefaultData);
    // Close asks the frame to close, as its own Close does.
    connect(close, &QPushButton::clicked, this, [this] {
        if (QWidget* frame = parentWidget()) frame->close();
    });
}

CEqView::~CEqView() {
    state_.Close();
    // The other windows redraw once this one is gone from the document's list.
    QMetaObject::invokeMethod(
        &document_,
        [document = &document_] {
            document->UpdateAllViews();
            document->NotifyChanged();
        },
        Qt::QueuedConnection);
}

template <typename Step>
void CEqView::Run(Step step) {
    // A step that did not complete leaves the window showing what is left.
    RunCommandStep(step);
    ShowFields();
    // Kept after every step a person takes, so that a session that ends without closing
    // the window keeps it too.
    document_.KeepEquation(state_.EquationText());
}

void CEqView::OnInitialUpdate() {
    if (QWidget* frame = parentWidget()) frame->setWindowTitle(document_.Caption(Kind()));
    // The entries left for this data file come back as they were; taken before the first
    // step, which keeps what it leaves.
    const std::string kept = document_.TakeKeptEquation();
    Run([this] { state_.InitialUpdate(); });
    if (!kept.empty()) {
        Run([this, &kept] { state_.RestoreEquation(kept); });
        state_.SelectEntry(0);
        ShowFields();
    }
    ShowLists(-1);
    radios_[0]->setFocus();
}

void CEqView::OnUpdate() {
    ShowFields();
    picture_->update();
}

void CEqView::ShowFields() {
    for (int entry = 0; entry < BuildEquationState::kEntries; ++entry) {
        const auto k = static_cast<size_t>(entry);
        ShowText(variables_[k], state_.m_astrVariable[k]);
        ShowText(transforms_[k], state_.m_astrTransform[k]);
        radios_[k]->setEnabled(state_.IsEntryEnabled(entry));
    }
    if (QAbstractButton* selected = group_->button(state_.m_nSelectedEntry)) {
        selected->setChecked(true);
    }
    ShowText(standardError_, state_.m_strStandardError);
    ShowText(rSquare_, state_.m_strRSquare);
    record_->setEnabled(state_.CanRecord());
    typed_->setText(QString::fromStdString(state_.EquationText()));
}

void CEqView::OnTypedEquation() {
    const std::string text = typed_->text().toStdString();
    bool typed = false;
    Run([this, &text, &typed] { typed = state_.TypeEquation(text); });
    if (typed) ShowLists(-1);
}

void CEqView::ShowLists(int chosenVariable) {
    filling_ = true;
    Fill(variableList_, state_.m_variableList);
    variableList_->setCurrentIndex(chosenVariable);
    Fill(transformList_, state_.m_transformList);
    filling_ = false;
}

void CEqView::OnSelectEntry(int entry) {
    Run([this, entry] { state_.SelectEntry(entry); });
    // x0 took its constant at once: the list shows it chosen.
    ShowLists(entry == 1 && !state_.m_variableList.empty() ? 1 : -1);
}

void CEqView::OnCalculate() {
    int result = 1;
    Run([this, &result] { result = state_.Calculate(); });
    if (result == 0) document_.UpdateAllViews();
    document_.NotifyChanged();
}

void CEqView::OnRecord() {
    if (!state_.CanRecord()) return;
    RecordReportsDialog dialog(false, this, &document_.App().Settings());
    if (document_.App().Dialogs().ExecDialog(dialog) != QDialog::Accepted) return;
    Run([this, &dialog] { state_.Record(dialog.Reports(), dialog.Level()); });
    document_.NotifyChanged();
}

void CEqView::OnClearEquation() {
    Run([this] { state_.ClearEquation(); });
    ShowLists(-1);
}

void CEqView::OnDefaultData() {
    bool filled = false;
    Run([this, &filled] { filled = state_.DefaultData(); });
    if (filled) ShowLists(-1);
}

}  // namespace lumox

#ifndef LUMOX_UI_EQ_VIEW_H
#define LUMOX_UI_EQ_VIEW_H

#include <QWidget>
#include <array>

#include "document/build_equation_state.h"
#include "ui/document_view.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumox {

class EquationPicture;

// The Build Equation window: entries y and x0 .. x9 built from the choice lists, fitted
// with Calculate and recorded with Record. Its rules live in BuildEquationState; this
// class shows that state and passes on what the person does.
class CEqView : public QWidget, public DocumentView {
    Q_OBJECT
public:
    explicit CEqView(DocumentWindows& document);
    // Closing the window takes the document's fit with it.
    ~CEqView() override;

    ViewKind Kind() const override { return ViewKind::BuildEquation; }
    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    void OnUpdate() override;

    const BuildEquationState& State() const { return state_; }

    void OnSelectEntry(int entry);
    void OnCalculate();
    void OnRecord();
    void OnClearEquation();
    void OnDefaultData();
    void OnTypedEquation();

    // The controls, for the window's tests.
    QRadioButton* EntryButton(int entry) const { return radios_[static_cast<size_t>(entry)]; }
    QLineEdit* VariableField(int entry) const { return variables_[static_cast<size_t>(entry)]; }
    QLineEdit* TransformField(int entry) const { return transforms_[static_cast<size_t>(entry)]; }
    QComboBox* VariableList() const { return variableList_; }
    QComboBox* TransformList() const { return transformList_; }
    QLineEdit* StandardErrorField() const { return standardError_; }
    QLineEdit* RSquareField() const { return rSquare_; }
    QLineEdit* EquationTextField() const { return typed_; }
    QPushButton* RecordButton() const { return record_; }

private:
    // Shows the state's fields, enable states and selected entry.
    void ShowFields();
    // Refills the choice lists from the state, the variable list with item chosenVariable
    // shown chosen (-1: none), the transform list with none.
    void ShowLists(int chosenVariable);
    // Runs a step that may abandon the command, then shows the state.
    template <typename Step>
    void Run(Step step);

    DocumentWindows& document_;
    BuildEquationState state_;
    EquationPicture* picture_ = nullptr;
    QButtonGroup* group_ = nullptr;
    std::array<QRadioButton*, BuildEquationState::kEntries> radios_{};
    std::array<QLineEdit*, BuildEquationState::kEntries> variables_{};
    std::array<QLineEdit*, BuildEquationState::kEntries> transforms_{};
    QComboBox* variableList_ = nullptr;
    QComboBox* transformList_ = nullptr;
    QLineEdit* standardError_ = nullptr;
    QLineEdit* rSquare_ = nullptr;
    QLineEdit* typed_ = nullptr;  // the equation as text
    QPushButton* record_ = nullptr;
    bool filling_ = false;  // the lists are being refilled: their changes are not choices
};

}  // namespace lumox

#endif

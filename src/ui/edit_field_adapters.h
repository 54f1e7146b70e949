#ifndef LUMOX_UI_EDIT_FIELD_ADAPTERS_H
#define LUMOX_UI_EDIT_FIELD_ADAPTERS_H

#include <QString>
#include <cstdint>
#include <map>
#include <memory>

#include "data/field_validation.h"

class QLineEdit;
class QPlainTextEdit;

namespace lumox {

// A QLineEdit as the field validation sees it.
class LineEditField final : public EditField {
public:
    explicit LineEditField(QLineEdit& edit) : edit_(edit) {}
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool IsMultiLine() const override { return false; }
    uint32_t CaretLine() const override { return 0; }
    void SendBackspace() override;
    void TakeFocus() override;

private:
    QLineEdit& edit_;
};

// A QPlainTextEdit holding one value per line; the validation reads its lines with CR LF
// ends, as the Results and the reports write them.
class PlainTextEditField final : public EditField {
public:
    explicit PlainTextEditField(QPlainTextEdit& edit) : edit_(edit) {}
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool IsMultiLine() const override { return true; }
    uint32_t CaretLine() const override;
    void SendBackspace() override;
    void TakeFocus() override;
    // True while SetText replaces the text: that change is not typing.
    bool Setting() const { return setting_; }

private:
    QPlainTextEdit& edit_;
    bool setting_ = false;
};

// The numeric edits of one dialog, by control id, with their validation: the typing check
// runs on every change a person makes, and the exchanges read and write the edits.
class DialogFields final : public FieldDialog {
public:
    explicit DialogFields(CDataTable table) : table_(std::move(table)), validator_(table_, *this) {}
    DialogFields(const DialogFields&) = delete;
    DialogFields& operator=(const DialogFields&) = delete;

    // A single-number field: every edit by the person is checked as it is typed.
    void AddNumber(uint32_t controlId, QLineEdit& edit);
    // A list of numbers, one or more a line: the caret line is checked as it is typed.
    void AddNumberList(uint32_t controlId, QPlainTextEdit& edit);
    // Call once every field is added and filled.
    void Init() { validator_.InitFieldStates(); }

    FieldValidator& Validator() { return validator_; }
    EditField* FindEditField(uint32_t controlId) override;

private:
    CDataTable table_;
    FieldValidator validator_;
    std::map<uint32_t, std::unique_ptr<EditField>> fields_;
};

}  // namespace lumox

#endif

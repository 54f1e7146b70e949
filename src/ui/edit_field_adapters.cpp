#include "ui/edit_field_adapters.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "platform/prompt.h"
#include "ui/guarded.h"

namespace lumox {
std::string LineEditField::Text() const { return edit_.text().toStdString(); }

void LineEditField::SetText(const std::string& text) {
    edit_.setText(QString::fromStdString(text));
}

void LineEditField::SendBackspace() { edit_.backspace(); }

void LineEditField::TakeFocus() {
    edit_.setFocus();
    edit_.selectAll();
}

std::string PlainTextEditField::Text() const {
    QString text = edit_.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

void PlainTextEditField::SetText(const std::string& text) {
    QString plain = QString::fromStdString(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setting_ = true;
    edit_.setPlainText(plain);
    setting_ = false;
}

uint32_t PlainTextEditField::CaretLine() const {
    return static_cast<uint32_t>(edit_.textCursor().blockNumber());
}

void PlainTextEditField::SendBackspace() {
    QTextCursor cursor = edit_.textCursor();
    cursor.deletePreviousChar();
    edit_.setTextCursor(cursor);
}

void PlainTextEditField::TakeFocus() { edit_.setFocus(); }

void DialogFields::AddNumber(uint32_t controlId, QLineEdit& edit) {
    fields_[controlId] = std::make_unique<LineEditField>(edit);
    // textEdited: only what the person does, never a text the program sets.
    QObject::connect(&edit, &QLineEdit::textEdited, &edit, [this, controlId] {
        Diagnostics said;
        Guarded([&] { validator_.CheckTypedNumber(controlId, said); });
        Speak(said);
    });
}

void DialogFields::AddNumberList(uint32_t controlId, QPlainTextEdit& edit) {
    auto field = std::make_unique<PlainTextEditField>(edit);
    const PlainTextEditField* adapter = field.get();
    fields_[controlId] = std::move(field);
    QObject::connect(&edit, &QPlainTextEdit::textChanged, &edit, [this, controlId, adapter] {
        if (adapter->Setting()) return;
        Diagnostics said;
        Guarded([&] { validator_.CheckTypedNumberList(controlId, said); });
        Speak(said);
    });
}

EditField* DialogFields::FindEditField(uint32_t controlId) {
    const auto it = fields_.find(controlId);
    return it == fields_.end() ? nullptr : it->second.get();
}

}  // namespace lumox

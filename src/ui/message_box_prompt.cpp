#include "ui/message_box_prompt.h"

#include <QApplication>
#include <QMessageBox>

namespace lumox {
namespace {

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
        case Icon::Stop:
            return QMessageBox::Critical;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Texts carry CR LF or LF line breaks; a message box wants LF.
QString ToText(const std::string& text) {
    QString result = QString::fromUtf8(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QMessageBox::StandardButton Run(const std::string& text, Icon icon,
                                QMessageBox::StandardButtons buttons) {
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) owner = QApplication::activeWindow();
    QMessageBox box(ToQt(icon), QStringLiteral("Lumox"), ToText(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBoxPrompt::Show(const std::string& text, Icon icon) {
    Run(text, icon, QMessageBox::Ok);
}

Answer MessageBoxPrompt::AskYesNo(const std::string& text) {
    return Run(text, Icon::Question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

Answer MessageBoxPrompt::AskYesNoCancel(const std::string& text) {
    switch (Run(text, Icon::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

void MessageBoxPrompt::Beep() { QApplication::beep(); }

}  // namespace lumox

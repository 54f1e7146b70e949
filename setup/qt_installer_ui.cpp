#include "setup/qt_installer_ui.h"

#include <QApplication>
#include <QMessageBox>

#include "setup/copy_dialog.h"
#include "setup/install_dialog.h"

namespace lumox::setup {

void MessageBoxPrompt::Show(const std::string& text, const std::string& caption, PromptIcon icon) {
    QMessageBox box(icon == PromptIcon::kWarning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

bool MessageBoxPrompt::AskYesNo(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxPrompt::Beep() { QApplication::beep(); }

QtInstallerUi::QtInstallerUi() = default;
QtInstallerUi::~QtInstallerUi() = default;

std::optional<std::string> QtInstallerUi::AskTarget(const std::string& target) {
    InstallDialog dialog(target, prompt_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Target();
}

CopyProgress& QtInstallerUi::OpenCopy() {
    copy_ = std::make_unique<CopyDialog>(prompt_);
    copy_->show();
    return *copy_;
}

void QtInstallerUi::CloseCopy() { copy_.reset(); }

}  // namespace lumox::setup

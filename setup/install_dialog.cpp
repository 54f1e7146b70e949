#include "setup/install_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/setup_prompt.h"
#include "setup/setup_texts.h"
#include "setup/setup_window.h"
#include "setup/target_check.h"

namespace lumox::setup {

InstallDialog::InstallDialog(const std::string& target, SetupPrompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt), target_(target) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8(kInstallText1)));
    layout->addSpacing(8);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(0);
    lines->addWidget(new QLabel(QString::fromUtf8(kInstallText2)));
    lines->addWidget(new QLabel(QString::fromUtf8(kInstallText3)));
    layout->addLayout(lines);
    layout->addSpacing(8);
    auto* field = new QHBoxLayout;
    field->addWidget(new QLabel(QString::fromUtf8(kCopyFilesTo)));
    edit_ = new QLineEdit(QString::fromStdString(target));
    edit_->setMaxLength(kTargetMaxLength);
    edit_->setMinimumWidth(320);
    field->addWidget(edit_, 1);
    layout->addLayout(field);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = new QPushButton(QStringLiteral("&OK"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &InstallDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &InstallDialog::reject);
    PrepareSetupWindow(this);
}

void InstallDialog::accept() {
    const std::string text = edit_->text().toStdString();
    if (const std::optional<std::string> message = ValidateTarget(text)) {
        prompt_.Beep();
        prompt_.Show(*message, kDataEntryCaption, PromptIcon::kWarning);
        edit_->setFocus();
        return;
    }
    target_ = StoredTarget(text);
    QDialog::accept();
}

}  // namespace lumox::setup

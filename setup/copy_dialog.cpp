#include "setup/copy_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/setup_texts.h"
#include "setup/setup_window.h"

namespace lumox::setup {

CopyDialog::CopyDialog(SetupPrompt& prompt, QWidget* parent) : QDialog(parent), prompt_(prompt) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QString::fromUtf8(kCopyingFile)));
    file_ = new QLabel;
    file_->setMinimumWidth(160);
    row->addWidget(file_, 1);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    buttons->addWidget(cancel_);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, &CopyDialog::reject);
    PrepareSetupWindow(this);
}

void CopyDialog::ShowFile(const std::string& name) { file_->setText(QString::fromStdString(name)); }

void CopyDialog::Pump() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void CopyDialog::reject() {
    if (ConfirmQuit(prompt_)) cancelConfirmed_ = true;
}

}  // namespace lumox::setup

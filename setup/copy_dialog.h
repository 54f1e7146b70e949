#ifndef LUMOX_SETUP_COPY_DIALOG_H
#define LUMOX_SETUP_COPY_DIALOG_H

#include <QDialog>

#include "setup/file_copy.h"

class QLabel;
class QPushButton;

namespace lumox::setup {

class SetupPrompt;

// COPY: the modeless window of the copy loop; its Cancel asks before it stops the copy.
class CopyDialog : public QDialog, public CopyProgress {
    Q_OBJECT
public:
    explicit CopyDialog(SetupPrompt& prompt, QWidget* parent = nullptr);

    void ShowFile(const std::string& name) override;
    void Pump() override;
    bool CancelConfirmed() const override { return cancelConfirmed_; }

    QLabel* FileLabel() const { return file_; }
    QPushButton* CancelButton() const { return cancel_; }

    // Escape and the window's close button count as Cancel.
    void reject() override;

private:
    SetupPrompt& prompt_;
    bool cancelConfirmed_ = false;
    QLabel* file_;
    QPushButton* cancel_;
};

}  // namespace lumox::setup

#endif

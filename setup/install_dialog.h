#ifndef LUMOX_SETUP_INSTALL_DIALOG_H
#define LUMOX_SETUP_INSTALL_DIALOG_H

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace lumox::setup {

class SetupPrompt;

// INSTALL: asks for the target folder and refuses one that fails validation.
class InstallDialog : public QDialog {
    Q_OBJECT
public:
    InstallDialog(const std::string& target, SetupPrompt& prompt, QWidget* parent = nullptr);

    // The stored target after OK.
    const std::string& Target() const { return target_; }
    QLineEdit* Edit() const { return edit_; }
    QPushButton* OkButton() const { return ok_; }

    void accept() override;

private:
    SetupPrompt& prompt_;
    std::string target_;
    QLineEdit* edit_;
    QPushButton* ok_;
};

}  // namespace lumox::setup

#endif

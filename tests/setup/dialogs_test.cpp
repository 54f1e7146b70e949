#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "setup/copy_dialog.h"
#include "setup/install_dialog.h"
#include "setup/setup_texts.h"
#include "setup_fakes.h"

namespace lumox::setup {
namespace {

using test::RecordingPrompt;
using test::Shown;

QStringList LabelTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

TEST(InstallDialog, ShowsItsTextsAndTheTarget) {
    RecordingPrompt prompt;
    InstallDialog dialog("/home/ann/Lumox", prompt);
    EXPECT_EQ(dialog.windowTitle(), QString(kWindowTitle));
    EXPECT_EQ(LabelTexts(dialog),
              (QStringList{kInstallText1, kInstallText2, kInstallText3, kCopyFilesTo}));
    EXPECT_EQ(dialog.Edit()->text(), "/home/ann/Lumox");
    EXPECT_EQ(dialog.Edit()->maxLength(), 255);
    QStringList buttons;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) buttons << button->text();
    EXPECT_EQ(buttons, (QStringList{"&OK", "&Cancel"}));
}

TEST(InstallDialog, OkRefusesABadTargetAndStoresAGoodOne) {
    const struct {
        QString typed;
        std::vector<Shown> shown;
        bool accepted;
        std::string stored;
    } cases[] = {
        {"", {{kTargetEmpty, kDataEntryCaption, PromptIcon::kWarning}}, false, ""},
        {"Program", {{kTargetNotAbsolute, kDataEntryCaption, PromptIcon::kWarning}}, false, ""},
        {"/opt/Apps/Tools/", {}, true, "/opt/Apps/Tools"},
    };
    for (const auto& c : cases) {
        RecordingPrompt prompt;
        InstallDialog dialog("/home/ann/Lumox", prompt);
        dialog.show();
        dialog.Edit()->clear();
        QTest::keyClicks(dialog.Edit(), c.typed);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        EXPECT_EQ(prompt.shown, c.shown) << c.typed.toStdString();
        EXPECT_EQ(prompt.beeps, c.accepted ? 0 : 1);
        EXPECT_EQ(dialog.isVisible(), !c.accepted) << c.typed.toStdString();
        EXPECT_EQ(dialog.result(), c.accepted ? QDialog::Accepted : QDialog::Rejected);
        if (c.accepted) {
            EXPECT_EQ(dialog.Target(), c.stored);
        }
    }
}

TEST(CopyDialog, CancelAsksAndStopsOnlyOnYes) {
    RecordingPrompt prompt;
    prompt.answers = {false, true};
    CopyDialog dialog(prompt);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString(kWindowTitle));
    dialog.ShowFile("help/index.html");
    EXPECT_EQ(LabelTexts(dialog), (QStringList{kCopyingFile, "help/index.html"}));
    EXPECT_EQ(dialog.CancelButton()->text(), "Cancel");
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.CancelConfirmed());
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.CancelConfirmed());
    const Shown question{kQuitQuestion, kWindowTitle, PromptIcon::kQuestion};
    EXPECT_EQ(prompt.shown, (std::vector<Shown>{question, question}));
}

}  // namespace
}  // namespace lumox::setup

// The real Open and Save As dialogs, driven while they are up: their titles, the filters a
// person sees, and the name they hand back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <functional>

#include "graph_test_application.h"
#include "support/temp_dir.h"
#include "ui/ui_dialogs.h"

namespace lumox::test {
namespace {

// What a file dialog showed, read while it was up.
struct Seen {
    bool shown = false;
    QString title;
    QStringList filters;  // as the file-type list shows them
    QString filter;       // the one chosen
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
    bool qtDialog = false;
    QString name;  // the file name box
};

// Runs show (which opens a file dialog), reads the dialog once it is up, then lets
// answer close it.
Seen WhileUp(const std::function<void()>& show, const std::function<void(QFileDialog&)>& answer) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        seen.shown = true;
        seen.title = dialog->windowTitle();
        if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
            for (int i = 0; i < types->count(); ++i) seen.filters.append(types->itemText(i));
            seen.filter = types->currentText();
        }
        seen.mode = dialog->fileMode();
        seen.accept = dialog->acceptMode();
        seen.qtDialog = dialog->testOption(QFileDialog::DontUseNativeDialog);
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            seen.name = name->text();
        answer(*dialog);
    });
    show();
    return seen;
}

// The dialogs are Qt's own on every desktop: a desktop's dialog may show a filter by
// the words before its first parenthesis ("Data Files" twice) and match ".dbf" only in
// lower case.
TEST(FileDialogs, OpenShowsItsTitleAndFourFiltersAndReturnsTheChosenFile) {
    EnsureApplication();
    TempDir dir;
    const QString file = QString::fromStdString(dir.Write("DATA.DBF", "x"));
    QtDialogs dialogs;
    std::optional<QString> chosen;
    const Seen seen = WhileUp([&] { chosen = dialogs.GetOpenFileName(nullptr); },
                              [&](QFileDialog& dialog) {
                                  dialog.selectFile(file);
                                  static_cast<QDialog&>(dialog).accept();  // as the Open or Save button does
                              });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Open");
    EXPECT_EQ(seen.filters, QStringList({"Data Files (.dat)", "Data Files (.txt)",
                                         "dBase Files (.dbf)", "All Files (*.*)"}));
    EXPECT_EQ(seen.filter, "Data Files (.dat)");
    EXPECT_EQ(seen.mode, QFileDialog::ExistingFile);
    EXPECT_TRUE(seen.qtDialog);
    EXPECT_EQ(chosen, file);

    const Seen cancelled = WhileUp([&] { chosen = dialogs.GetOpenFileName(nullptr); },
                                   [](QFileDialog& dialog) { dialog.reject(); });
    ASSERT_TRUE(cancelled.shown);
    EXPECT_FALSE(chosen.has_value());
}

TEST(FileDialogs, SaveAsSuggestsTheNameAndReturnsTheChosenOne) {
    EnsureApplication();
    TempDir dir;
    const QString target = QString::fromStdString(dir.File("out.txt"));
    QtDialogs dialogs;
    std::optional<QString> chosen;
    const Seen seen = WhileUp([&] { chosen = dialogs.GetSaveFileName(nullptr, "RESULTS.TXT"); },
                              [&](QFileDialog& dialog) {
                                  dialog.selectFile(target);
                                  static_cast<QDialog&>(dialog).accept();  // as the Open or Save button does
                              });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Save As");
    EXPECT_EQ(seen.filters, QStringList{"All Files (*.*)"});
    EXPECT_EQ(seen.accept, QFileDialog::AcceptSave);
    EXPECT_EQ(seen.name, "RESULTS.TXT");
    EXPECT_TRUE(seen.qtDialog);
    EXPECT_EQ(chosen, target);
}

}  // namespace
}  // namespace lumox::test

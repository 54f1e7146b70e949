// The real Open and Save As dialogs, driven while they are up: their titles, the filters a
// person sees, and the name they hand back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
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

// Types path into the name box and presses Open (or Save).
void Choose(QFileDialog& dialog, const QString& path) {
    if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    static_cast<QDialog&>(dialog).accept();
}

// The files the dialog lists in folder under its chosen filter, once it has read them.
QStringList Listed(QFileDialog& dialog, const QString& folder) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (model == nullptr) return {};
    QStringList names;
    for (int wait = 0; wait < 100 && names.isEmpty(); ++wait) {
        QTest::qWait(20);
        const QModelIndex root = model->index(folder);
        for (int row = 0; row < model->rowCount(root); ++row)
            names.append(model->fileName(model->index(row, 0, root)));
    }
    names.sort();
    return names;
}

// The dialogs are Qt's own on every desktop: a desktop's dialog may show a filter by
// the words before its first parenthesis ("Data Files" twice) and match ".dbf" only in
// lower case.
TEST(FileDialogs, OpenShowsItsTitleAndFourFiltersAndReturnsTheChosenFile) {
    EnsureApplication();
    TempDir dir;
    const QString file = QString::fromStdString(dir.Write("DATA.DBF", "x"));
    dir.Write("notes.txt", "x");
    dir.Write("readme", "x");
    QtDialogs dialogs;
    std::optional<QString> chosen;
    QStringList dbase, all;
    const Seen seen = WhileUp([&] { chosen = dialogs.GetOpenFileName(nullptr); },
                              [&](QFileDialog& dialog) {
                                  const QString folder = QString::fromStdString(dir.Path());
                                  dialog.setDirectory(folder);
                                  dialog.selectNameFilter(OpenDataFilters()[2]);
                                  dbase = Listed(dialog, folder);
                                  dialog.selectNameFilter(OpenDataFilters()[3]);
                                  all = Listed(dialog, folder);
                                  Choose(dialog, file);
                              });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Open");
    EXPECT_EQ(seen.filters, QStringList({"Data Files (.dat)", "Data Files (.txt)",
                                         "dBase Files (.dbf)", "All Files (*.*)",
                                         "Spreadsheets and CSV (.xlsx, .ods, .csv)"}));
    EXPECT_EQ(seen.filter, "Data Files (.dat)");
    EXPECT_EQ(seen.mode, QFileDialog::ExistingFile);
    EXPECT_TRUE(seen.qtDialog);
    EXPECT_EQ(dbase, QStringList{"DATA.DBF"});
    EXPECT_EQ(all, QStringList({"DATA.DBF", "notes.txt", "readme"}));
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
                              [&](QFileDialog& dialog) { Choose(dialog, target); });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Save As");
    EXPECT_EQ(seen.filters, QStringList{"All Files (*.*)"});
    EXPECT_EQ(seen.accept, QFileDialog::AcceptSave);
    EXPECT_EQ(seen.name, "RESULTS.TXT");
    EXPECT_TRUE(seen.qtDialog);
    EXPECT_EQ(chosen, target);
}

TEST(FileDialogs, ATypedNameWithQuotesIsSavedToWhole) {
    EnsureApplication();
    TempDir dir;
    const QString folder = QString::fromStdString(dir.Path());
    QtDialogs dialogs;
    struct Case {
        bool graph;
        QString typed;
        QString want;  // in the folder
    };
    const Case cases[] = {
        {false, QStringLiteral("report \"final\" v2.txt"), QStringLiteral("report \"final\" v2.txt")},
        {false, QStringLiteral("\"a\" \"b\""), QStringLiteral("\"a\" \"b\"")},
        {true, QStringLiteral("page \"1\""), QStringLiteral("page \"1\".png")},
        {false, QStringLiteral("plain.txt"), QStringLiteral("plain.txt")},
    };
    for (const Case& c : cases) {
        std::optional<QString> chosen;
        const Seen seen = WhileUp(
            [&] {
                chosen = c.graph ? dialogs.GetSaveGraphName(nullptr, QString())
                                 : dialogs.GetSaveFileName(nullptr, QString());
            },
            [&](QFileDialog& dialog) {
                dialog.setDirectory(folder);
                Choose(dialog, c.typed);
            });
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(chosen, folder + u'/' + c.want) << c.typed.toStdString();
    }
}

}  // namespace
}  // namespace lumox::test

#ifndef LUMOX_TESTS_UI_UI_FIXTURE_H
#define LUMOX_TESTS_UI_UI_FIXTURE_H

#include <gtest/gtest.h>

#include <QDialog>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "graph_test_application.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "ui/lumox_app.h"
#include "ui/ui_dialogs.h"

class QAction;

namespace lumox {
class CLumoxView;
}

namespace lumox::test {

// Answers the common dialogs from a script; a dialog with nothing scripted fails the test.
class FakeDialogs : public UiDialogs {
public:
    std::optional<QString> GetOpenFileName(QWidget* owner) override;
    std::optional<QString> GetSaveFileName(QWidget* owner, const QString& suggested) override;
    // Records the names offered and answers from sheetNames.
    std::optional<QString> GetSheetName(QWidget* owner, const QStringList& names) override;
    // Sends the pages to pdfPath (which must be set) and answers "print".
    bool ExecPrintDialog(QWidget* owner, QPrinter& printer, bool hasSelection) override;
    bool ExecPrintSetup(QWidget* owner, QPrinter& printer) override;
    void ExecPrintPreview(QWidget* owner, QPrinter& printer,
                          const std::function<void(QPrinter&)>& paint) override;
    void ExecAbout(QWidget* owner) override;
    // Shows the dialog and hands it to the next script, whose result code it returns.
    int ExecDialog(QDialog& dialog) override;

    std::deque<std::function<int(QDialog&)>> dialogScripts;
    std::deque<std::optional<QString>> openNames;
    std::deque<std::optional<QString>> saveNames;
    QStringList saveSuggestions;
    std::deque<std::optional<QString>> sheetNames;
    std::vector<QStringList> sheetsOffered;
    QString pdfPath;
    int openAsked = 0;
    int printAsked = 0;
    int previews = 0;
    int abouts = 0;
};

// Fails the test when any modal window comes up (and closes it): every dialog of the
// program must go through the scripted prompt or the fake dialogs.
class ModalGuard {
public:
    ModalGuard();
    ~ModalGuard();

private:
    void Check();
    QTimer timer_;
};

// The program as a person meets it: the application with its main window shown, over a
// temporary profile, scripted message boxes and fake common dialogs.
class ShellTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
    void SetUp() override;
    void TearDown() override;

    // Writes a data file into the temporary folder and returns its path.
    QString DataFile(const std::string& name, const std::string& contents) const;
    // A small data file: X and Y, three observations.
    QString SmallData() const { return DataFile("xy.dat", "X Y\r\n1 2\r\n3 4\r\n5 6\r\n"); }

    CMainFrame& Frame() const { return *app->MainFrame(); }
    QAction* Action(int id) const;
    bool Enabled(int id) const;
    // Runs a command as the menu does (nothing happens when it is disabled).
    void Run(int id);
    // The Results window of the open document, or null.
    CLumoxView* Results() const;
    // Lets deferred deletions and queued calls happen.
    static void ProcessEvents();
    // The next dialog a command runs is handed to script as its concrete class; the result
    // code is the dialog's own (Accepted once one of its buttons accepted it).
    template <typename Dialog>
    void Script(std::function<void(Dialog&)> script) {
        dialogs.dialogScripts.push_back([script](QDialog& dialog) {
            auto* concrete = dynamic_cast<Dialog*>(&dialog);
            if (concrete == nullptr) {
                ADD_FAILURE() << "another dialog: " << dialog.windowTitle().toStdString();
                return static_cast<int>(QDialog::Rejected);
            }
            script(*concrete);
            return dialog.result();
        });
    }

    TempDir dir;
    ScriptedPrompt prompt;
    FakeDialogs dialogs;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<CLumoxApp> app;
    std::unique_ptr<ModalGuard> guard;
};

}  // namespace lumox::test

#endif

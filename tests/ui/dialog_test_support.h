#ifndef LUMOX_TESTS_UI_DIALOG_TEST_SUPPORT_H
#define LUMOX_TESTS_UI_DIALOG_TEST_SUPPORT_H

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

#include "cli_run.h"
#include "ui/document_windows.h"
#include "ui/lumox_view.h"
#include "ui_fixture.h"

namespace lumox::test {

// The statistics dialogs driven through their commands: scripts play the person in each
// dialog, and what Record appends is compared with lumox-cli's output.
class DialogTest : public ShellTest {
protected:
    // Opens an example data file; the test stops when it does not open.
    CLumoxDoc& OpenExample(const std::string& name) {
        CLumoxDoc* doc = app->OpenDataFile(QStringLiteral(LUMOX_SOURCE_DIR "/examples/") +
                                           QString::fromStdString(name));
        if (doc == nullptr) throw std::runtime_error("cannot open " + name);
        return *doc;
    }

    std::string ResultsText() const { return Results() ? Results()->GetText() : std::string(); }

    // lumox-cli's Results text for an example file and actions; it must succeed.
    static std::string Cli(const std::vector<std::string>& args) {
        const CliResult run = RunCli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
};

// Highlights row of list and clicks box, as a person takes a variable.
inline void TakeVariable(QListWidget* list, int row, QCheckBox* box) {
    list->setCurrentRow(row);
    box->click();
}

}  // namespace lumox::test

#endif

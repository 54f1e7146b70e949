#ifndef LUMOX_TESTS_UI_DIALOG_TEST_SUPPORT_H
#define LUMOX_TESTS_UI_DIALOG_TEST_SUPPORT_H

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli_run.h"
#include "ui/descriptive_statistics_dialog.h"
#include "ui/document_windows.h"
#include "ui/edit_data_dialog.h"
#include "ui/graph_options_dlg.h"
#include "ui/graph_select_dlg.h"
#include "ui/histogram_dialog.h"
#include "ui/lumox_view.h"
#include "ui/point_estimate_dialog.h"
#include "ui/record_reports_dialog.h"
#include "ui/simple_regression_dialog.h"
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

    // Opens an example and fits its second variable on its first (a straight line), so
    // that the dialogs that need a fit open.
    CLumoxDoc& OpenFittedExample(const std::string& name) {
        CLumoxDoc& doc = OpenExample(name);
        SimpleRegression simple(doc);
        simple.SetX(0);
        simple.SetY(1);
        simple.m_nSelectedModel = 0;
        if (simple.Calculate() != 0) throw std::runtime_error("cannot fit " + name);
        return doc;
    }

    // One of each statistics, regression, graph and data dialog over doc (Edit Data over
    // lines), for rules that every dialog keeps.
    std::vector<std::unique_ptr<QWidget>> EveryDialog(CLumoxDoc& doc,
                                                      std::vector<std::string>& lines) {
        std::vector<std::unique_ptr<QWidget>> all;
        all.emplace_back(std::make_unique<DescriptiveStatisticsDialog>(doc));
        all.emplace_back(std::make_unique<HistogramDialog>(doc.Data()));
        all.emplace_back(std::make_unique<SimpleRegressionDialog>(doc, dialogs));
        all.emplace_back(std::make_unique<PointEstimateDialog>(doc));
        all.emplace_back(std::make_unique<RecordReportsDialog>(false));
        all.emplace_back(std::make_unique<CGraphSelectDlg>(doc, 4));
        all.emplace_back(std::make_unique<CGraphOptionsDlg>(doc));
        all.emplace_back(std::make_unique<CEditDataDialog>(lines, 2, 2));
        return all;
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

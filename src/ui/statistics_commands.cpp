#include "ui/statistics_commands.h"

#include "ui/descriptive_statistics_dialog.h"
#include "ui/document_windows.h"
#include "ui/histogram_dialog.h"
#include "ui/lumox_app.h"
#include "ui/main_frame.h"
#include "ui/mdig_child_wnd.h"
#include "ui/point_estimate_dialog.h"
#include "ui/record_reports_dialog.h"
#include "ui/simple_regression_dialog.h"
#include "ui/ui_dialogs.h"

namespace lumox {
namespace {

int Exec(DocumentWindows& windows, QDialog& dialog) {
    return windows.App().Dialogs().ExecDialog(dialog);
}

}  // namespace

void OnDescriptiveStatistics(DocumentWindows& windows) {
    DescriptiveStatisticsDialog dialog(windows.Doc(), windows.App().MainFrame());
    Exec(windows, dialog);
}

void OnSimpleRegression(DocumentWindows& windows) {
    for (CMDIGChildWnd* frame : windows.Frames()) {
        if (frame->View().Kind() == ViewKind::BuildEquation) frame->close();
    }
    SimpleRegressionDialog dialog(windows.Doc(), windows.App().Dialogs(),
                                  windows.App().MainFrame());
    dialog.profile = &windows.App().Settings();
    Exec(windows, dialog);
}

void OnPointEstimate(DocumentWindows& windows) {
    PointEstimateDialog dialog(windows.Doc(), windows.App().MainFrame());
    Exec(windows, dialog);
}

void OnRegressionReports(DocumentWindows& windows) {
    CLumoxDoc& doc = windows.Doc();
    RecordReportsDialog dialog(doc.LastFitWasSimple(), windows.App().MainFrame(),
                               &windows.App().Settings());
    if (Exec(windows, dialog) != QDialog::Accepted) return;
    doc.RecordRegressionReports(dialog.Reports(), dialog.Level());
}

void OnHistogram(DocumentWindows& windows) {
    CLumoxDoc& doc = windows.Doc();
    HistogramDialog dialog(doc.Data(), windows.App().MainFrame());
    if (Exec(windows, dialog) != QDialog::Accepted) return;
    doc.SetupHistogram(CLumoxDoc::CheckedHistogramSettings(dialog.Settings()));
    windows.ShowGraphWindow();
}

}  // namespace lumox

#include "ui/graph_commands.h"

#include "ui/document_windows.h"
#include "ui/graph_options_dlg.h"
#include "ui/graph_select_dlg.h"
#include "ui/lumox_app.h"
#include "ui/main_frame.h"
#include "ui/ui_dialogs.h"

namespace lumox {

void OnScatter(DocumentWindows& document, int graphs) {
    CLumoxDoc& doc = document.Doc();
    doc.BeginScatterSelection();
    CGraphSelectDlg dialog(doc, graphs, document.App().MainFrame());
    if (document.App().Dialogs().ExecDialog(dialog) != QDialog::Accepted) return;
    doc.SetupScatterPage(graphs, dialog.Choices());
    doc.GetHost()->ShowGraphWindow();
}

void OnGraphOptions(DocumentWindows& document) {
    CGraphOptionsDlg dialog(document.Doc(), document.App().MainFrame());
    if (document.App().Dialogs().ExecDialog(dialog) != QDialog::Accepted) return;
    document.UpdateAllViews();
}

}  // namespace lumox

#ifndef LUMOX_UI_DOCUMENT_WINDOWS_H
#define LUMOX_UI_DOCUMENT_WINDOWS_H

#include <QObject>
#include <QPointer>
#include <vector>

#include "document/lumox_doc.h"
#include "ui/command_router.h"
#include "ui/document_view.h"

namespace lumox {

class CLumoxApp;
class CMDIGChildWnd;

// The open document on the shell's side: it owns the CLumoxDoc, keeps its windows,
// answers the document's requests for windows and dialogs, and carries out the document's
// commands (second on the command route, after the active view).
class DocumentWindows : public QObject, public DocumentHost, public CommandTarget {
    Q_OBJECT
public:
    explicit DocumentWindows(CLumoxApp& app);
    ~DocumentWindows() override;

    CLumoxDoc& Doc() { return doc_; }
    CLumoxApp& App() { return app_; }
    // The title the captions and the main window show: the data file's name.
    QString Title() const;
    // The caption of the document's window of kind: the title, then the kind of window.
    QString Caption(ViewKind kind) const;

    // Activates the document's window of kind, creating it from its template when there
    // is none; null when the kind has no template (yet) or the window cannot be made.
    DocumentView* ShowView(ViewKind kind);
    // The document's window of kind, or null.
    DocumentView* FindView(ViewKind kind) const;
    std::vector<CMDIGChildWnd*> Frames() const;

    // Asked when one of the document's frames is about to close; false keeps it open.
    // Closing the Results window closes the document (its text would be lost otherwise).
    bool CanCloseFrame(CMDIGChildWnd* frame);
    // Close: the question about the Results, then every window of the document closes.
    // False when the person chose to keep the document.
    bool OnFileClose();
    // Closes every window and ends the document without a question.
    void OnCloseDocument();

    ResultsView* GetResultsView() override;
    std::optional<std::string> AskSaveFileName(const std::string& suggested) override;
    void ShowGraphWindow() override;
    void UpdateAllViews() override;
    bool EditData(EditDataRequest& request) override;
    std::optional<std::string> ChooseSheet(const std::vector<std::string>& names) override;
    void CloseDocument() override;
    void OnDataFileSaved(const std::string& path) override;
    // Keeps the windows alive while a FIFO waits; after a moment a dialog tells what the
    // program waits for and lets the person stop waiting.
    KeepWaiting PipeWaiter(const std::string& path, bool writing) override;

    // The Build Equation entries kept for this data file when its window last closed, in an
    // earlier run or before the file was opened again; given once, to the document's first
    // Build Equation window. Empty when none.
    std::string TakeKeptEquation();
    // The Build Equation window shows this equation: kept for the data file.
    void KeepEquation(const std::string& equation);

    // A view changed the document (its text, its modified flag).
    void NotifyChanged() { emit changed(); }

signals:
    // Something the enable rules read may have changed.
    void changed();

private:
    CLumoxApp& app_;
    CLumoxDoc doc_;
    std::vector<QPointer<CMDIGChildWnd>> frames_;
    bool closing_ = false;
    bool equationRecalled_ = false;
};

}  // namespace lumox

#endif

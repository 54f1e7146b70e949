#ifndef LUMOX_DOCUMENT_DOCUMENT_HOST_H
#define LUMOX_DOCUMENT_DOCUMENT_HOST_H

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/pipe_wait.h"

namespace lumox {

// The Results window's text as the document and the recording see it: CR LF line ends.
class ResultsView {
public:
    virtual ~ResultsView() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // Adds bytes at the end; a recording adds its reports this way, so that the text
    // before them is not copied again. The bytes are the view's to keep (an empty text
    // takes them over without a copy).
    virtual void AppendText(std::string bytes) { SetText(GetText() + bytes); }
    // The length of GetText() in bytes.
    virtual size_t TextSize() const { return GetText().size(); }
    // The most bytes a recording may leave in the text (52000 for the window).
    virtual size_t Capacity() const = 0;
};

// The Edit Data dialog's hand-over: the data lines (names first) and their counts in,
// the edited lines, counts and whether anything changed out.
struct EditDataRequest {
    std::vector<std::string>* lines = nullptr;
    int lineCount = 0;    // lines including the names; 0 for a new data set
    int columnCount = 0;  // 0 for a new data set
    bool changed = false;
};

// What the document needs of windows and dialogs. The GUI implements it with real
// windows, the command line for batch work, tests with fakes.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // Makes the Results window active (creating it) and returns its view; null when none.
    virtual ResultsView* GetResultsView() = 0;
    // The save-file dialog; no value when the person cancels.
    virtual std::optional<std::string> AskSaveFileName(const std::string& suggested) = 0;
    // Activates or creates the graph window and redraws every view.
    virtual void ShowGraphWindow() {}
    // Redraws every view of the document.
    virtual void UpdateAllViews() {}
    // Runs the Edit Data dialog; true on OK, with the request filled in. A host without
    // the dialog cancels.
    virtual bool EditData(EditDataRequest& /*request*/) { return false; }
    // Which of a spreadsheet's sheets (names, two or more, in the book's order) to read;
    // no value when the person would rather not open the file. A host without a person
    // to ask reads the first.
    virtual std::optional<std::string> ChooseSheet(const std::vector<std::string>& names) {
        return names.front();
    }
    // Closes the document and its windows once the running command has finished.
    virtual void CloseDocument() {}
    // Data were saved under path: it enters the recent-file list, and the captions follow
    // the document's title.
    virtual void OnDataFileSaved(const std::string& /*path*/) {}
    // How long to wait for the program at the other end of the FIFO path, which is to be
    // written (or read); the function lives as long as the wait. A host without a person
    // to ask waits for as long as it takes.
    virtual KeepWaiting PipeWaiter(const std::string& /*path*/, bool /*writing*/) { return {}; }
};

}  // namespace lumox

#endif

#ifndef LUMOX_DOCUMENT_DOCUMENT_HOST_H
#define LUMOX_DOCUMENT_DOCUMENT_HOST_H

#include <cstddef>
#include <optional>
#include <string>

namespace lumox {

// The Results window's text as the document and the recording see it: CR LF line ends.
class ResultsView {
public:
    virtual ~ResultsView() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // Adds bytes at the end; a recording adds its reports this way, so that the text
    // before them is not copied again.
    virtual void AppendText(const std::string& bytes) { SetText(GetText() + bytes); }
    // The length of GetText() in bytes.
    virtual size_t TextSize() const { return GetText().size(); }
    // The most bytes a recording may leave in the text (52000 for the window).
    virtual size_t Capacity() const = 0;
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
};

}  // namespace lumox

#endif

#ifndef LUMOX_UI_LUMOX_VIEW_H
#define LUMOX_UI_LUMOX_VIEW_H

#include <QPlainTextEdit>

#include "document/document_host.h"
#include "ui/document_view.h"

class QPrinter;

namespace lumox {

// The most characters typing and pasting may leave in the Results window. Recordings
// keep to their own, smaller limit (kResultsCapacity).
constexpr int kResultsEditCapacity = 4 * 1024 * 1024;

// The Results window: the document's report text, editable, in a fixed-pitch font.
// The text is kept with LF line breaks; the document and the recording see it with
// CR LF through GetText and SetText.
class CLumoxView : public QPlainTextEdit, public DocumentView, public ResultsView {
    Q_OBJECT
public:
    explicit CLumoxView(DocumentWindows& document);

    ViewKind Kind() const override { return ViewKind::Results; }
    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;

    // The text with CR LF line ends, in the bytes it was given: UTF-8, or Latin-1 once
    // bytes arrived that are not UTF-8.
    std::string GetText() const override;
    // Replaces the text; CR LF, LF and lone CR all break lines. Bytes that are not
    // UTF-8 make the whole text Latin-1, so that any file shows and every byte is kept.
    void SetText(const std::string& text) override;
    // Adds bytes at the end without laying out the text before them again, and shows them.
    void AppendText(std::string bytes) override;
    size_t TextSize() const override;
    size_t Capacity() const override;

    // Clear All is enabled when there is a character or more than one line.
    bool CanClearAll() const;
    // Empties the text, leaving the document unmodified; Undo brings the text back.
    void OnClearAll();
    void OnFilePrint();
    void OnFilePrintPreview();
    // Prints the text (or, when the printer asks for the selection, the selection) on
    // printer, which must be set to full-page coordinates; returns the pages printed.
    int PrintPages(QPrinter& printer);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    // False, after "Results window is full!", when inserting length characters in place
    // of the selection would pass kResultsEditCapacity.
    bool RoomFor(qsizetype length);

    // Shows the text from position on: the text a recording added.
    void ShowFrom(int position);

    // The characters of text as the text's encoding gives them, lines broken at LF.
    QString Decode(const std::string& bytes) const;

    DocumentWindows& document_;
    // The text's bytes are Latin-1, one character per byte, rather than UTF-8.
    bool latin1_ = false;
};

}  // namespace lumox

#endif

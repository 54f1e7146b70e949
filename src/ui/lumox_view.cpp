#include "ui/lumox_view.h"

#include <QByteArrayView>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <algorithm>

#include "document/recording.h"
#include "platform/prompt.h"
#include "ui/command_ids.h"
#include "ui/document_windows.h"
#include "ui/lumox_app.h"
#include "ui/results_printing.h"
#include "ui/ui_dialogs.h"

namespace lumox {
namespace {

bool HasLocalFiles(const QMimeData* source) {
    if (source == nullptr || !source->hasUrls()) return false;
    for (const QUrl& url : source->urls()) {
        if (url.isLocalFile()) return true;
    }
    return false;
}

}  // namespace

CLumoxView::CLumoxView(DocumentWindows& document) : document_(document) {
    setFont(ResultsFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this->document(), &QTextDocument::contentsChange, this,
            [this](int, int removed, int added) {
                if (removed == 0 && added == 0) return;
                document_.Doc().SetModifiedFlag(true);
                document_.NotifyChanged();
            });
    connect(this, &QPlainTextEdit::selectionChanged, &document_, &DocumentWindows::changed);
    connect(this, &QPlainTextEdit::undoAvailable, &document_, &DocumentWindows::changed);

    OnCommand(cmd::kUndo, [this] { undo(); });
    OnCommand(cmd::kCut, [this] { cut(); });
    OnCommand(cmd::kCopy, [this] { copy(); });
    OnCommand(cmd::kPaste, [this] { paste(); });
    OnCommand(cmd::kClearAll, [this] { OnClearAll(); });
    OnCommand(cmd::kPrint, [this] { OnFilePrint(); });
    OnCommand(cmd::kPrintPreview, [this] { OnFilePrintPreview(); });
}

void CLumoxView::OnInitialUpdate() {
    if (QWidget* frame = parentWidget()) {
        frame->setWindowTitle(document_.Caption(Kind()));
    }
}

std::string CLumoxView::GetText() const {
    // The raw text, not the plain-text conversion, which turns a no-break space into a blank
    // and a line separator into a line end: the Results keep the bytes they were given.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    if (!latin1_) return text.toUtf8().toStdString();
    // One byte per Latin-1 character; a character typed beyond Latin-1 keeps its UTF-8.
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xFF) {
            bytes.push_back(static_cast<char>(c.unicode()));
        } else {
            const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            bytes += text.mid(i, length).toUtf8().toStdString();
            i += length - 1;
        }
    }
    return bytes;
}

QString CLumoxView::Decode(const std::string& bytes) const {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    QString decoded = latin1_ ? QString::fromLatin1(raw) : QString::fromUtf8(raw);
    decoded.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    decoded.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return decoded;
}

void CLumoxView::SetText(const std::string& text) {
    latin1_ = !QByteArrayView(text.data(), static_cast<qsizetype>(text.size())).isValidUtf8();
    setPlainText(Decode(text));
}

void CLumoxView::AppendText(std::string bytes) {
    const int start = document()->characterCount() - 1;
    if (!latin1_ &&
        !QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8()) {
        // The text turns Latin-1 as a whole, so that it stays one encoding.
        SetText(GetText() + bytes);
    } else {
        // Like a replaced text, an appended one cannot be undone.
        document()->setUndoRedoEnabled(false);
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(Decode(bytes));
        document()->setUndoRedoEnabled(true);
    }
    ShowFrom(start);
}

void CLumoxView::ShowFrom(int position) {
    // The caret goes to the first line of the new text that is not blank, and that line to
    // the top of the window (or as high as the end of the text lets it).
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(position, 0, document()->characterCount() - 1));
    if (!cursor.atBlockStart()) cursor.movePosition(QTextCursor::NextBlock);
    while (cursor.block().text().isEmpty() && cursor.movePosition(QTextCursor::NextBlock)) {
    }
    setTextCursor(cursor);
    verticalScrollBar()->setValue(cursor.blockNumber());
}

size_t CLumoxView::TextSize() const { return GetText().size(); }

size_t CLumoxView::Capacity() const { return kResultsCapacity; }

bool CLumoxView::CanClearAll() const { return !document()->isEmpty(); }

void CLumoxView::OnClearAll() {
    // Removed as an edit, not replaced: Undo brings the text back, and with it the
    // document's modified mark.
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.removeSelectedText();
    document_.Doc().OnResultsCleared();
    document_.NotifyChanged();
}

bool CLumoxView::RoomFor(qsizetype length) {
    const qsizetype present = document()->characterCount() - 1;
    const qsizetype selected = textCursor().selectionEnd() - textCursor().selectionStart();
    if (present - selected + length <= kResultsEditCapacity) return true;
    ShowMessage("Results window is full!", Icon::Stop);
    return false;
}

void CLumoxView::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool inserts =
        !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\r') ||
                            text.at(0) == QLatin1Char('\t'));
    if (inserts && !isReadOnly() && !RoomFor(text.size())) return;
    QPlainTextEdit::keyPressEvent(event);
}

void CLumoxView::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText() || RoomFor(source->text().size())) {
        QPlainTextEdit::insertFromMimeData(source);
    }
}

// A data file dragged here is for the main window to open, not text to insert.
bool CLumoxView::canInsertFromMimeData(const QMimeData* source) const {
    return !HasLocalFiles(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void CLumoxView::dragEnterEvent(QDragEnterEvent* event) {
    if (HasLocalFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void CLumoxView::OnFilePrint() {
    CLumoxApp& app = document_.App();
    QPrinter& printer = app.Printer();
    if (!app.Dialogs().ExecPrintDialog(window(), printer, textCursor().hasSelection())) return;
    PrintPages(printer);
}

void CLumoxView::OnFilePrintPreview() {
    CLumoxApp& app = document_.App();
    app.Dialogs().ExecPrintPreview(window(), app.Printer(),
                                   [this](QPrinter& printer) { PrintPages(printer); });
}

int CLumoxView::PrintPages(QPrinter& printer) {
    const QString text = printer.printRange() == QPrinter::Selection
                             ? textCursor().selection().toPlainText()
                             : toPlainText();
    return PrintResultsText(printer, document_.Doc(), text);
}

}  // namespace lumox

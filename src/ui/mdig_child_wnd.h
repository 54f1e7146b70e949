#ifndef LUMOX_UI_MDIG_CHILD_WND_H
#define LUMOX_UI_MDIG_CHILD_WND_H

#include <QMdiSubWindow>
#include <QPointer>

namespace lumox {

class DocumentView;
class DocumentWindows;

// The child frame of one document window. Its caption is written by its view (the
// document's title followed by the kind of window), not by the frame.
class CMDIGChildWnd : public QMdiSubWindow {
    Q_OBJECT
public:
    CMDIGChildWnd(DocumentWindows& document, DocumentView& view);

    // The document this frame shows; compared, never followed, once it has closed.
    DocumentWindows* Document() const { return document_; }
    DocumentView& View() const { return view_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<DocumentWindows> document_;
    DocumentView& view_;
};

}  // namespace lumox

#endif

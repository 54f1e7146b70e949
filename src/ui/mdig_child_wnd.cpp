#include "ui/mdig_child_wnd.h"

#include <QCloseEvent>
#include <QIcon>

#include "ui/document_view.h"
#include "ui/document_windows.h"

namespace lumox {

CMDIGChildWnd::CMDIGChildWnd(DocumentWindows& document, DocumentView& view)
    : document_(&document), view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/document.svg")));
    setWidget(view.Widget());
    // A screen reader names the view (the Results text, the graph page, the form) after
    // its window, whose title changes when the data file is saved under a new name.
    connect(this, &QWidget::windowTitleChanged, view.Widget(), &QWidget::setAccessibleName);
}

void CMDIGChildWnd::closeEvent(QCloseEvent* event) {
    if (document_ && !document_->CanCloseFrame(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace lumox

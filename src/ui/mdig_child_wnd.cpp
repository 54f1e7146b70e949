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
}

void CMDIGChildWnd::closeEvent(QCloseEvent* event) {
    if (document_ && !document_->CanCloseFrame(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace lumox

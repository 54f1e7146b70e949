#include "ui/graf_view.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <optional>

#include "document/lumox_doc.h"
#include "graph/chart_engine.h"
#include "graph/graph_description.h"
#include "platform/prompt.h"
#include "render/graph_export.h"
#include "render/qt_surface.h"
#include "ui/command_ids.h"
#include "ui/document_windows.h"
#include "ui/help_window.h"
#include "ui/lumox_app.h"
#include "ui/path_text.h"
#include "ui/ui_dialogs.h"

namespace lumox {
namespace {

// Until the first layout the view scrolls over a 640 x 480 area in pages of 64 x 48.
constexpr int kInitialWidth = 640;
constexpr int kInitialHeight = 480;

// The arrow keys move a tenth of a page.
constexpr int kLinesPerPage = 10;

}  // namespace

CGrafView::CGrafView(DocumentWindows& document) : document_(document) {
    layout_.scrollWidth = kInitialWidth;
    layout_.scrollHeight = kInitialHeight;
    layout_.stepWidth = kInitialWidth / kLinesPerPage;
    layout_.stepHeight = kInitialHeight / kLinesPerPage;
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    SetHelpContext(this, help::kGraphWindow);
    UpdateScrollBars();
    OnCommand(cmd::kPrint, [this] { OnFilePrint(); });
    OnCommand(cmd::kPrintPreview, [this] { OnFilePrintPreview(); });
}

void CGrafView::OnInitialUpdate() {
    if (QWidget* frame = parentWidget()) frame->setWindowTitle(document_.Caption(Kind()));
    OnUpdate();
}

void CGrafView::OnUpdate() {
    layout_ = ComputeGraphPageLayout(document_.Doc().GraphsPerPage(), logicalDpiX(), logicalDpiY(),
                                     false, 0);
    UpdateScrollBars();
    stale_ = true;
    viewport()->update();
    // A screen reader says in words what the page shows.
    setAccessibleDescription(
        QtSurface::ToQString(DescribeGraphPage(document_.Doc().GetGraphPage())));
}

void CGrafView::UpdateScrollBars() {
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, layout_.scrollWidth - visible.width()));
    verticalScrollBar()->setRange(0, std::max(0, layout_.scrollHeight - visible.height()));
    horizontalScrollBar()->setPageStep(layout_.stepWidth);
    verticalScrollBar()->setPageStep(layout_.stepHeight);
    horizontalScrollBar()->setSingleStep(std::max(1, layout_.stepWidth / kLinesPerPage));
    verticalScrollBar()->setSingleStep(std::max(1, layout_.stepHeight / kLinesPerPage));
}

int CGrafView::ScreenHeight() const {
    const QScreen* display = screen();
    return display ? display->geometry().height() : 0;
}

void CGrafView::DrawPage() {
    // Marked drawn first: a message box of the drawing lets paint events through.
    stale_ = false;
    ++pageDraws_;
    const qreal ratio = devicePixelRatioF();
    screenHeight_ = ScreenHeight();
    const QSize size(layout_.pageWidth, layout_.pageHeight);
    QPixmap page((QSizeF(size) * ratio).toSize());
    page.setDevicePixelRatio(ratio);
    page.fill(Qt::white);
    Diagnostics said;
    {
        QPainter painter(&page);
        QtSurface surface(painter, false, screenHeight_);
        ChartEngine engine;
        DrawGraphPage(document_.Doc().GetGraphPage(), surface, engine, said);
    }
    page_ = page;
    Speak(said);
}

const QPixmap& CGrafView::Page() {
    // On a screen of another pixel ratio or height the page is drawn anew, crisp and with
    // the font sizes of that screen.
    if (stale_ || page_.devicePixelRatio() != devicePixelRatioF() ||
        screenHeight_ != ScreenHeight()) {
        DrawPage();
    }
    return page_;
}

void CGrafView::paintEvent(QPaintEvent* event) {
    const QPixmap& page = Page();
    QPainter painter(viewport());
    const QPoint origin(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const qreal ratio = page.devicePixelRatio();
    for (const QRect& exposed : event->region()) {
        painter.fillRect(exposed, Qt::white);
        const QRect source = exposed.translated(origin);
        const QRectF pixels(QPointF(source.topLeft()) * ratio, QSizeF(source.size()) * ratio);
        painter.drawPixmap(QRectF(exposed), page, pixels);
    }
}

void CGrafView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

// Only the strip that comes into view is painted; the rest is moved on screen.
void CGrafView::scrollContentsBy(int dx, int dy) { viewport()->scroll(dx, dy); }

void CGrafView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    switch (event->key()) {
        case Qt::Key_PageUp:
            vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Qt::Key_Home:
            vertical->setValue(vertical->minimum());
            horizontal->setValue(horizontal->minimum());
            break;
        case Qt::Key_End:
            vertical->setValue(vertical->maximum());
            horizontal->setValue(horizontal->maximum());
            break;
        case Qt::Key_Up:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Left:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CGrafView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("&Copy Graph")), &QAction::triggered, this,
            &CGrafView::OnCopyGraph);
    connect(menu.addAction(QStringLiteral("&Save Graph As...")), &QAction::triggered, this,
            &CGrafView::OnSaveGraphAs);
    menu.exec(event->globalPos());
}

void CGrafView::OnFilePrint() {
    CLumoxApp& app = document_.App();
    QPrinter& printer = app.Printer();
    if (!app.Dialogs().ExecPrintDialog(window(), printer, false)) return;
    PrintPage(printer);
}

void CGrafView::OnFilePrintPreview() {
    CLumoxApp& app = document_.App();
    app.Dialogs().ExecPrintPreview(window(), app.Printer(),
                                   [this](QPrinter& printer) { PrintPage(printer); });
}

bool CGrafView::PrintPage(QPrinter& printer) {
    // The page is laid out in the printable area: its width centres the graphs.
    const bool fullPage = printer.fullPage();
    printer.setFullPage(false);
    printer.setFromTo(1, 1);
    QPainter painter;
    const bool started = painter.begin(&printer);
    if (started) {
        QtSurface surface(painter, true);
        ChartEngine engine;
        Diagnostics said;
        DrawGraphPage(document_.Doc().GetGraphPage(), surface, engine, said);
        painter.end();
        Speak(said);
    }
    printer.setFullPage(fullPage);
    return started;
}

void CGrafView::OnCopyGraph() {
    CLumoxDoc& doc = document_.Doc();
    auto* data = new QMimeData;
    Diagnostics said;
    data->setImageData(GraphPageImage(doc, said));
    // The same page drawn again as SVG says the same: it is told once.
    Diagnostics again;
    data->setData(QStringLiteral("image/svg+xml"), GraphPageSvg(doc, again));
    QApplication::clipboard()->setMimeData(data);
    Speak(said);
}

void CGrafView::OnSaveGraphAs() {
    CLumoxApp& app = document_.App();
    const QString suggested =
        QFileInfo(document_.Title()).completeBaseName() + QStringLiteral(".png");
    const std::optional<QString> path = app.Dialogs().GetSaveGraphName(window(), suggested);
    if (!path) return;
    Diagnostics said;
    ExportGraphPage(document_.Doc(), ToNativePath(*path), said);
    Speak(said);
}

}  // namespace lumox

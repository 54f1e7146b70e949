#ifndef LUMOX_UI_GRAF_VIEW_H
#define LUMOX_UI_GRAF_VIEW_H

#include <QAbstractScrollArea>
#include <QPixmap>

#include "graph/graph_page.h"
#include "ui/document_view.h"

class QPrinter;

namespace lumox {

// The graph window: the document's graph page (one, two or four scatter graphs, or a
// histogram or ogive) in a scrolling view, printed as one page under the report header.
// The page is drawn once per change of the document into a picture at the screen's
// pixel ratio; painting and scrolling copy from it, so a message of the drawing (a
// scaling failure) comes once per change and scrolling redraws only what comes into view.
class CGrafView : public QAbstractScrollArea, public DocumentView {
    Q_OBJECT
public:
    explicit CGrafView(DocumentWindows& document);

    ViewKind Kind() const override { return ViewKind::Graph; }
    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    // The graph settings changed: lay the page out again and redraw it.
    void OnUpdate() override;

    // The page's layout on this screen.
    const GraphPageLayout& Layout() const { return layout_; }
    // The drawn page as it shows (device pixels at the screen's pixel ratio); draws it
    // first when the document changed since.
    const QPixmap& Page();
    // How often the page has been drawn: once per change, never per paint or scroll.
    int PageDraws() const { return pageDraws_; }

    void OnFilePrint();
    void OnFilePrintPreview();
    // Prints the page with its header line on printer; false when the printer would not
    // start.
    bool PrintPage(QPrinter& printer);
    // Copy Graph: the page on the clipboard as a picture and as SVG.
    void OnCopyGraph();
    // Save Graph As: PNG, SVG or PDF by the name's extension, as lumox-cli writes them.
    void OnSaveGraphAs();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void UpdateScrollBars();
    void DrawPage();
    // The height of the window's screen, which the charts' font rule reads.
    int ScreenHeight() const;

    DocumentWindows& document_;
    GraphPageLayout layout_;
    QPixmap page_;
    int screenHeight_ = 0;
    bool stale_ = true;
    int pageDraws_ = 0;
};

}  // namespace lumox

#endif

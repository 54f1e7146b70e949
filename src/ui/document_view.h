#ifndef LUMOX_UI_DOCUMENT_VIEW_H
#define LUMOX_UI_DOCUMENT_VIEW_H

#include <QString>
#include <functional>

#include "ui/command_router.h"

class QWidget;

namespace lumox {

class DocumentWindows;

// The three kinds of window a document has.
enum class ViewKind { Results, Graph, BuildEquation };

// A window of the document, shown in its own child frame; it is first on the command
// route while its frame is active.
class DocumentView : public CommandTarget {
public:
    virtual ViewKind Kind() const = 0;
    virtual QWidget* Widget() = 0;
    // Runs once the view sits in its frame: the view writes the frame's caption.
    virtual void OnInitialUpdate() = 0;
    // The document changed in a way the view shows: redraw.
    virtual void OnUpdate() {}
};

// How a kind of window is made for a document: its caption after the document's title
// and the factory of its view. The graph and Build Equation kinds register theirs when
// those windows exist; until then their show commands stay disabled.
struct ViewTemplate {
    ViewKind kind;
    QString captionSuffix;
    std::function<DocumentView*(DocumentWindows&)> createView;
};

}  // namespace lumox

#endif

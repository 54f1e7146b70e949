#ifndef LUMOX_UI_HELP_WINDOW_H
#define LUMOX_UI_HELP_WINDOW_H

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace lumox {

// Lumox Help: our HTML pages, shown at the topic of a context number.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the topic of context: 0 the contents, help::kOverview the overview, a
    // command's or window's context its topic; an unknown context shows the contents.
    void ShowContext(int context);
    QUrl CurrentPage() const;

    // The page (and anchor) of a context number.
    static QUrl PageForContext(int context);
    // Contexts that are not a command's or a window's.
    static constexpr int kContents = 0;
    static constexpr int kUsingHelp = 1;

private:
    QTextBrowser* browser_;
};

}  // namespace lumox

#endif

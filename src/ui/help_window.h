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

// Gives a window or a dialog its help topic: F1 in it, or a click on it in context help,
// shows the topic of context.
void SetHelpContext(QWidget* widget, int context);
// The help context of widget or of its nearest parent that has one, else fallback.
int HelpContextOf(const QWidget* widget, int fallback);
// Shows the topic of widget's window, as F1 there would: for a dialog's Help button.
void RequestHelp(QWidget* widget);

}  // namespace lumox

#endif

#include "ui/help_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/command_ids.h"
#include "ui/command_table.h"

namespace lumox {
namespace {

QUrl HelpPage(const QString& page, const QString& anchor = QString()) {
    QUrl url(QStringLiteral("qrc:/help/") + page);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    return url;
}

// The page of each window's and dialog's topic.
constexpr struct {
    int context;
    const char* page;
} kWindowPages[] = {
    {HelpWindow::kUsingHelp, "using.html"},
    {help::kDocumentWindow, "results.html"},
    {help::kGraphWindow, "graph.html"},
    {help::kBuildEquationWindow, "build_equation.html"},
    {help::kEditDataDialog, "edit_data.html"},
    {help::kDescriptiveStatisticsDialog, "descriptive.html"},
    {help::kHistogramDialog, "histogram.html"},
    {help::kSelectReportsDialog, "select_reports.html"},
    {help::kSimpleRegressionDialog, "simple_regression.html"},
    {help::kPointEstimateDialog, "point_estimate.html"},
    {help::kGraphSelectionDialog, "graph_selection.html"},
    {help::kGraphOptionsDialog, "graph_options.html"},
};

// The dynamic property that carries a widget's help context.
constexpr char kContextProperty[] = "lumoxHelpContext";

}  // namespace

QUrl HelpWindow::PageForContext(int context) {
    for (const auto& [topic, page] : kWindowPages) {
        if (context == topic) return HelpPage(QString::fromLatin1(page));
    }
    // A command's context: the topic its row of the command table names.
    const int id = context - help::kCommandBase;
    if (const Command* command = CommandOf(id)) {
        switch (command->topic) {
            case HelpTopic::OwnEntry:
                return HelpPage(QStringLiteral("commands.html"), QStringLiteral("cmd%1").arg(id));
            case HelpTopic::RecentFiles:
                return HelpPage(QStringLiteral("commands.html"), QStringLiteral("recent"));
            case HelpTopic::Overview:
                return HelpPage(QStringLiteral("overview.html"));
            case HelpTopic::Contents:
                break;
        }
    }
    return HelpPage(QStringLiteral("index.html"));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Lumox Help"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/lumox.svg")));
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    browser_->setAccessibleName(QStringLiteral("Help topic"));
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowContext(kContents); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    resize(560, 600);
}

void HelpWindow::ShowContext(int context) { browser_->setSource(PageForContext(context)); }

QUrl HelpWindow::CurrentPage() const { return browser_->source(); }

void SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(kContextProperty, context);
}

int HelpContextOf(const QWidget* widget, int fallback) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const QVariant context = w->property(kContextProperty);
        if (context.isValid()) return context.toInt();
    }
    return fallback;
}

void RequestHelp(QWidget* widget) {
    // The main frame answers F1 anywhere in the program.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

}  // namespace lumox

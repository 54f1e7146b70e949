#include "ui/help_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/command_ids.h"

namespace lumox {
namespace {

QUrl HelpPage(const QString& page, const QString& anchor = QString()) {
    QUrl url(QStringLiteral("qrc:/help/") + page);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    return url;
}

// Commands with a topic of their own in the command reference.
constexpr int kDescribedCommands[] = {
    cmd::kNewData,
    cmd::kOpenData,
    cmd::kClose,
    cmd::kSaveResults,
    cmd::kSaveResultsAs,
    cmd::kPrint,
    cmd::kPrintPreview,
    cmd::kPrintSetup,
    cmd::kExit,
    cmd::kClearAll,
    cmd::kInputData,
    cmd::kGraphOptions,
    cmd::kCut,
    cmd::kCopy,
    cmd::kPaste,
    cmd::kUndo,
    cmd::kToolbar,
    cmd::kStatusBar,
    cmd::kRecordInputData,
    cmd::kDescriptiveStatistics,
    cmd::kRegressionWorkbench,
    cmd::kSimpleRegression,
    cmd::kPointEstimate,
    cmd::kRegressionReports,
    cmd::kScatterOne,
    cmd::kScatterTwo,
    cmd::kScatterFour,
    cmd::kHistogram,
    cmd::kCascade,
    cmd::kTile,
    cmd::kArrangeIcons,
    cmd::kAbout,
    cmd::kHelpTopics,
    cmd::kUsingHelp,
    cmd::kContextHelp,
    cmd::kHelp,
};

// The page of each window's and dialog's topic.
constexpr struct {
    int context;
    const char* page;
} kWindowPages[] = {
    {help::kOverview, "overview.html"},
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
    if (context >= cmd::kRecentFile1 + help::kCommandBase &&
        context < cmd::kRecentFile1 + cmd::kRecentFileCount + help::kCommandBase) {
        return HelpPage(QStringLiteral("commands.html"), QStringLiteral("recent"));
    }
    for (const int id : kDescribedCommands) {
        if (context == help::kCommandBase + id) {
            return HelpPage(QStringLiteral("commands.html"), QStringLiteral("cmd%1").arg(id));
        }
    }
    return HelpPage(QStringLiteral("index.html"));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Lumox Help"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/lumox.svg")));
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
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

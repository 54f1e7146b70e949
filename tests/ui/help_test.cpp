// The help pages: every window's and dialog's topic, links that lead somewhere, and F1
// in the windows and dialogs that carry a topic.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>

#include "ui/command_ids.h"
#include "ui/help_window.h"
#include "ui/lumox_view.h"
#include "ui/main_frame.h"
#include "ui_fixture.h"

namespace lumox::test {
namespace {

QString PageText(const QString& page) {
    QFile file(":/help/" + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(HelpPages, EveryWindowAndDialogHasItsTopic) {
    const std::pair<int, const char*> topics[] = {
        {HelpWindow::kContents, "index.html"},
        {HelpWindow::kUsingHelp, "using.html"},
        {help::kOverview, "overview.html"},
        {help::kMainWindow, "index.html"},
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
    QSet<int> contexts;
    for (const auto& [context, page] : topics) {
        EXPECT_FALSE(contexts.contains(context)) << "context used twice: " << context;
        contexts.insert(context);
        const QUrl url = HelpWindow::PageForContext(context);
        EXPECT_EQ(url.fileName(), page) << context;
        EXPECT_FALSE(PageText(url.fileName()).isEmpty()) << page;
    }
}

// Each page's title names the window or dialog as its caption reads.
TEST(HelpPages, TitlesAreTheCaptions) {
    const std::pair<const char*, const char*> titles[] = {
        {"edit_data.html", "Edit Data"},
        {"descriptive.html", "Descriptive Statistics"},
        {"histogram.html", "Histogram Variable Selection"},
        {"select_reports.html", "Select Reports to Record"},
        {"simple_regression.html", "Simple Linear Regression (X, Y)"},
        {"point_estimate.html", "Point Estimate"},
        {"graph_selection.html", "Graph Variable Selection"},
        {"graph_options.html", "Scatter Graph and Histogram Options"},
    };
    for (const auto& [page, title] : titles) {
        EXPECT_TRUE(PageText(page).contains(QStringLiteral("<title>%1</title>").arg(title)))
            << page;
    }
}

// Every link of every page names a page that exists and, after '#', an anchor in it; and
// every page can be reached from the contents.
TEST(HelpPages, LinksLeadToPagesAndAnchorsThatExist) {
    const QStringList pages = QDir(":/help").entryList({"*.html"});
    ASSERT_GE(pages.size(), 15);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList queue{QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        for (const auto& match : link.globalMatch(PageText(page))) {
            const QString target = match.captured(1).isEmpty() ? page : match.captured(1);
            const QString text = PageText(target);
            ASSERT_FALSE(text.isEmpty())
                << page.toStdString() << " links to " << target.toStdString();
            const QString anchor = match.captured(2);
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(text.contains("name=\"" + anchor + "\""))
                    << page.toStdString() << " links to " << target.toStdString() << "#"
                    << anchor.toStdString();
            }
            if (!reached.contains(target)) {
                reached.insert(target);
                queue.append(target);
            }
        }
    }
    for (const QString& page : pages) EXPECT_TRUE(reached.contains(page)) << page.toStdString();
}

TEST_F(ShellTest, HelpOnTheActiveWindowUsesItsOwnTopic) {
    ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
    Run(cmd::kHelp);
    EXPECT_EQ(app->Help()->CurrentPage().fileName(), "results.html");
    SetHelpContext(Results(), help::kGraphWindow);
    Run(cmd::kHelp);
    EXPECT_EQ(app->Help()->CurrentPage().fileName(), "graph.html");
}

// A modal dialog blocks every other window, so its help window becomes its own.
TEST_F(ShellTest, F1AndHelpInADialogShowItsTopicInAWindowThatCanBeUsed) {
    guard.reset();  // this test opens a modal dialog on purpose
    struct Case {
        int context;  // -1: the dialog has no topic
        bool byButton;
        const char* page;
    };
    const Case cases[] = {
        {help::kDescriptiveStatisticsDialog, false, "descriptive.html"},
        {help::kSelectReportsDialog, true, "select_reports.html"},
        {-1, false, nullptr},
    };
    for (const Case& c : cases) {
        QDialog dialog(&Frame());
        auto* button = new QPushButton(QStringLiteral("Help"), &dialog);
        if (c.context >= 0) SetHelpContext(&dialog, c.context);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        if (app->Help() != nullptr) app->Help()->close();
        if (c.byButton) {
            RequestHelp(button);
        } else {
            QTest::keyClick(button, Qt::Key_F1);
        }
        if (c.page == nullptr) {
            EXPECT_TRUE(app->Help() == nullptr || !app->Help()->isVisible());
        } else {
            ASSERT_NE(app->Help(), nullptr);
            EXPECT_TRUE(app->Help()->isVisible());
            EXPECT_EQ(app->Help()->CurrentPage().fileName(), c.page);
            EXPECT_EQ(app->Help()->parentWidget(), &dialog);
            EXPECT_TRUE(app->Help()->isWindow());
        }
        dialog.close();
    }
    // Without a dialog the help window belongs to the main window again.
    Run(cmd::kHelpTopics);
    ASSERT_NE(app->Help(), nullptr);
    EXPECT_EQ(app->Help()->parentWidget(), static_cast<QWidget*>(&Frame()));
    EXPECT_EQ(app->Help()->CurrentPage().fileName(), "index.html");
}

}  // namespace
}  // namespace lumox::test

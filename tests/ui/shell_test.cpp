// The main window as a person meets it: menus, enable rules, opening and closing the
// one document, the question about changed Results, recent files, help.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>
#include <fstream>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "ui/about_dlg.h"
#include "ui/command_ids.h"
#include "ui/command_table.h"
#include "ui/document_windows.h"
#include "ui/help_window.h"
#include "ui/lumox_view.h"
#include "ui/main_frame.h"
#include "ui/mdig_child_wnd.h"
#include "ui_fixture.h"

namespace lumox::test {
namespace {

// A menu as its entries read: "-" for a separator, "Title{...}" for a submenu.
QStringList Entries(QMenu* menu) {
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible()) continue;
        if (action->isSeparator()) {
            entries.append(QStringLiteral("-"));
        } else if (action->menu() != nullptr) {
            entries.append(action->text() + "{" + Entries(action->menu()).join("|") + "}");
        } else {
            entries.append(action->text());
        }
    }
    return entries;
}

std::map<QString, QStringList> MenuBar(CMainFrame& frame) {
    std::map<QString, QStringList> menus;
    QStringList order;
    for (QAction* top : frame.menuBar()->actions()) {
        order.append(top->text());
        menus[top->text()] = Entries(top->menu());
    }
    menus[QStringLiteral("*order")] = order;
    return menus;
}

const QStringList kHelpMenu = {"&Help Topics", "&Overview", "&Using Help", "-", "&About Lumox..."};
const QStringList kViewMenu = {"&Toolbar", "&Status Bar"};

TEST_F(ShellTest, MenuTwoWithoutADocumentWindow) {
    const auto menus = MenuBar(Frame());
    EXPECT_EQ(Frame().MenuResource(), 2);
    EXPECT_EQ(menus.at("*order"), QStringList({"&File", "&Edit", "&View", "&Help"}));
    EXPECT_EQ(menus.at("&File"),
              QStringList({"&New Data\tCtrl+N", "&Open Data...\tCtrl+O", "-", "P&rint Setup...",
                           "-", "Recent File", "-", "E&xit"}));
    EXPECT_EQ(menus.at("&Edit"), QStringList({"Clear &All", "-", "Input &Data", "-", "Cu&t\tCtrl+X",
                                              "&Copy\tCtrl+C", "&Paste\tCtrl+V", "-"}));
    EXPECT_EQ(menus.at("&View"), kViewMenu);
    EXPECT_EQ(menus.at("&Help"), kHelpMenu);
    EXPECT_EQ(Frame().windowTitle(), "Lumox - Equation Fitting Tools");
}

TEST_F(ShellTest, MenuThreeWithADocumentWindow) {
    ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
    const auto menus = MenuBar(Frame());
    EXPECT_EQ(Frame().MenuResource(), 3);
    EXPECT_EQ(menus.at("*order"), QStringList({"&File", "&Edit", "&View", "&Statistics", "&Graphs",
                                               "&Window", "&Help"}));
    EXPECT_EQ(menus.at("&File"),
              QStringList({"&New Data\tCtrl+N", "&Open Data...\tCtrl+O", "&Close",
                           "&Save Results\tCtrl+S", "Save Results &As...", "-", "&Print...\tCtrl+P",
                           "Print Pre&view", "P&rint Setup...", "-",
                           "&1 " + QString::fromStdString(dir.File("xy.dat")), "-", "E&xit"}));
    EXPECT_EQ(menus.at("&Edit"),
              QStringList({"&Undo\tCtrl+Z", "-", "Clear &All", "-", "Input &Data", "&Graph Options",
                           "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V", "-"}));
    EXPECT_EQ(menus.at("&View"), kViewMenu);
    EXPECT_EQ(
        menus.at("&Statistics"),
        QStringList({"&Record Input Data", "&Descriptive Statistics", "Regression &Workbench",
                     "&Simple (X,Y) Regression", "&Point Estimate", "Regression Reports..."}));
    EXPECT_EQ(menus.at("&Graphs"), QStringList({"Scatter{&One|&Two|&Four}", "&Histogram"}));
    EXPECT_EQ(menus.at("&Window"), QStringList({"&Cascade", "&Tile", "&Arrange Icons"}));
    EXPECT_EQ(menus.at("&Help"), kHelpMenu);
}

TEST_F(ShellTest, EveryEntryCarriesItsCommandIdAndPrompt) {
    // Among them the commands most easily taken for one another.
    const std::pair<int, const char*> prompts[] = {
        {cmd::kNewData, "Create a new data file"},
        {cmd::kRecordInputData, "Copy input data to Results window"},
        {cmd::kSaveResultsAs, "Save the Results window to a file under a new name"},
        {cmd::kCut, "Move the selection to the Clipboard"},
        {cmd::kCopy, "Copy the selection to the Clipboard"},
        {cmd::kScatterTwo, "Two scatter graphs on the page"},
        {cmd::kPreviousPane, "Go to the previous window"},
        {cmd::kContextHelp, "Click a command or a window to see its Help"},
        {cmd::kHelp, "Show Help for the active window"},
    };
    for (const auto& [id, text] : prompts) {
        ASSERT_NE(Action(id), nullptr) << id;
        EXPECT_EQ(Action(id)->data().toInt(), id);
        EXPECT_EQ(Action(id)->statusTip(), text);
    }
    auto* idle = Frame().statusBar()->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(idle->text(), "For Help, press F1");
    for (const char* name : {"CAP", "NUM", "SCRL"}) {
        EXPECT_NE(Frame().statusBar()->findChild<QLabel*>(name), nullptr) << name;
    }
    QStringList buttons;
    for (QAction* action : Frame().ToolBar()->actions()) {
        buttons.append(action->isSeparator() ? QStringLiteral("|")
                                             : QString::number(action->data().toInt()));
    }
    EXPECT_EQ(buttons.join(" "), "57600 57601 57603 | 57635 57634 57637 | 57607 57664 57669");
}

// Which commands are enabled before opening, with the document open, and after Close.
TEST_F(ShellTest, FileCommandEnableRulesFollowTheDocument) {
    struct Row {
        int id;
        bool before, open, after;
    };
    const Row rows[] = {
        {cmd::kOpenData, true, false, true},
        {cmd::kNewData, true, false, true},
        {cmd::kClose, false, true, false},
        {cmd::kSaveResults, false, false, false},
        {cmd::kSaveResultsAs, false, false, false},
        {cmd::kPrint, false, true, false},
        {cmd::kPrintPreview, false, true, false},
        {cmd::kPrintSetup, true, true, true},
        {cmd::kRecordInputData, false, true, false},
        {cmd::kExit, true, true, true},
        {cmd::kRecentFile1, false, false, true},
        {cmd::kAbout, true, true, true},
        {cmd::kRegressionWorkbench, false, true, false},
        {cmd::kInputData, false, true, false},
        {cmd::kDescriptiveStatistics, false, true, false},
        {cmd::kHistogram, false, true, false},
        {cmd::kScatterOne, false, true, false},
        {cmd::kScatterFour, false, true, false},
        {cmd::kGraphOptions, false, true, false},
    };
    for (const Row& row : rows) EXPECT_EQ(Enabled(row.id), row.before) << "before " << row.id;
    ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
    for (const Row& row : rows) EXPECT_EQ(Enabled(row.id), row.open) << "open " << row.id;
    Run(cmd::kClose);
    ASSERT_EQ(app->Document(), nullptr);
    for (const Row& row : rows) EXPECT_EQ(Enabled(row.id), row.after) << "after " << row.id;
}

TEST_F(ShellTest, OpenDataIsGreyedInMenuToolbarAndAcceleratorWhileADocumentIsOpen) {
    const QString first = SmallData();
    dialogs.openNames = {first};
    QTest::keyClick(&Frame(), Qt::Key_O, Qt::ControlModifier);
    ProcessEvents();
    ASSERT_EQ(dialogs.openAsked, 1);
    ASSERT_NE(app->Document(), nullptr);

    QTest::keyClick(&Frame(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(Results(), Qt::Key_O, Qt::ControlModifier);
    Run(cmd::kOpenData);
    EXPECT_EQ(dialogs.openAsked, 1);
    QWidget* button = Frame().ToolBar()->widgetForAction(Action(cmd::kOpenData));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(Frame().ToolBar()->widgetForAction(Action(cmd::kNewData))->isEnabled());
}

TEST_F(ShellTest, OneDocumentAtATimeWithItsResultsWindowEmptyAndMaximised) {
    CLumoxDoc* doc = app->OpenDataFile(SmallData());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->Rows(), 3u);
    EXPECT_FALSE(app->CanOpen());
    EXPECT_EQ(app->OpenDataFile(DataFile("other.dat", "A B\r\n1 2\r\n3 4\r\n")), nullptr);
    EXPECT_EQ(&app->Document()->Doc(), doc);

    QMdiSubWindow* child = Frame().MdiArea().currentSubWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(Frame().MdiArea().subWindowList().size(), 1);
    EXPECT_TRUE(child->isMaximized());
    EXPECT_EQ(child->windowTitle(), "xy.dat - Results");
    EXPECT_EQ(Frame().windowTitle(), "Lumox - Equation Fitting Tools - [xy.dat - Results]");
    ASSERT_NE(Results(), nullptr);
    EXPECT_TRUE(Results()->toPlainText().isEmpty());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Results()->font().family(), "Courier New");
    EXPECT_EQ(Results()->font().pointSize(), 10);

    child->showNormal();
    ProcessEvents();
    EXPECT_EQ(Frame().windowTitle(), "Lumox - Equation Fitting Tools - xy.dat");
}

TEST_F(ShellTest, CascadeKeepsWindowsLargeAndTheWindowMenuRestoresAMinimisedOne) {
    ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
    Run(cmd::kRegressionWorkbench);
    QMdiArea& area = Frame().MdiArea();
    ASSERT_EQ(area.subWindowList().size(), 2);
    Run(cmd::kCascade);
    ProcessEvents();
    const QSize room = area.viewport()->size();
    QList<QPoint> corners;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::StackingOrder)) {
        EXPECT_FALSE(window->isMaximized());
        EXPECT_GE(window->width(), room.width() * 2 / 3);
        EXPECT_GE(window->height(), room.height() * 2 / 3);
        corners.append(window->pos());
    }
    EXPECT_EQ(corners.value(0), QPoint(0, 0));
    EXPECT_GT(corners.value(1).x(), 0);

    QMdiSubWindow* results = area.subWindowList().front();
    results->showMinimized();
    ProcessEvents();
    QMenu* window = nullptr;
    for (QAction* action : Frame().menuBar()->actions()) {
        if (action->text() == "&Window") window = action->menu();
    }
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    QAction* entry = nullptr;
    for (QAction* action : window->actions()) {
        if (action->text().endsWith("xy.dat - Results")) entry = action;
    }
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    ProcessEvents();
    EXPECT_FALSE(results->isMinimized());
    EXPECT_EQ(area.activeSubWindow(), results);
}

TEST_F(ShellTest, TheMainWindowComesBackAsLargeAsItWasLeft) {
    Frame().resize(700, 480);
    ProcessEvents();
    Run(cmd::kExit);
    ProcessEvents();
    app.reset();
    ProcessEvents();
    // The next start, on the same profile.
    app = std::make_unique<CLumoxApp>(*settings, dialogs);
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(Frame().size(), QSize(700, 480));
}

TEST_F(ShellTest, AFileThatCannotBeReadOpensNothing) {
    dialogs.openNames = {DataFile("short.dat", "X Y\r\n1 2\r\n")};
    Run(cmd::kOpenData);
    EXPECT_EQ(app->Document(), nullptr);
    EXPECT_TRUE(app->CanOpen());
    EXPECT_TRUE(Frame().MdiArea().subWindowList().isEmpty());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0],
              (Message{"Not enough data for calculation or graphing!", Icon::Stop}));
    EXPECT_TRUE(app->RecentFiles().Files().isEmpty());

    dialogs.openNames = {std::nullopt};  // cancelled
    Run(cmd::kOpenData);
    EXPECT_EQ(app->Document(), nullptr);
}

// The question before the document closes, through Close, the frame's close box and Exit.
TEST_F(ShellTest, TheQuestionAboutChangedResultsAndItsThreeAnswers) {
    struct Case {
        const char* how;
        Answer answer;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {"close", Answer::Cancel, false, false}, {"close", Answer::No, true, false},
        {"close", Answer::Yes, true, true},      {"box", Answer::Cancel, false, false},
        {"box", Answer::Yes, true, true},        {"exit", Answer::Cancel, false, false},
        {"exit", Answer::No, true, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " " + std::to_string(static_cast<int>(c.answer)));
        if (!Frame().isVisible()) Frame().show();
        ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
        Run(cmd::kRecordInputData);
        ASSERT_TRUE(app->Document()->Doc().IsModified());
        const QString saved =
            QString::fromStdString(dir.File("saved" + std::to_string(++n) + ".txt"));
        prompt.messages.clear();
        prompt.answers = {c.answer};
        if (c.saved) dialogs.saveNames = {saved};
        if (std::string(c.how) == "close") {
            Run(cmd::kClose);
        } else if (std::string(c.how) == "box") {
            Frame().MdiArea().currentSubWindow()->close();
            ProcessEvents();
        } else {
            Run(cmd::kExit);
        }
        EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Save Results to a file?"});
        EXPECT_EQ(app->Document() == nullptr, c.closes);
        EXPECT_EQ(app->CanOpen(), c.closes);
        EXPECT_EQ(QFile::exists(saved), c.saved);
        if (c.saved) {
            EXPECT_TRUE(ReadFile(saved.toStdString()).find("INPUT DATA\r\n") != std::string::npos);
        }
        if (app->Document() != nullptr) {
            // Kept open: leave it unmodified so that it closes without a question.
            app->Document()->Doc().SetModifiedFlag(false);
            Run(cmd::kClose);
        }
        EXPECT_TRUE(app->CanOpen());
        EXPECT_TRUE(Frame().MdiArea().subWindowList().isEmpty());
    }
}

TEST_F(ShellTest, AnUnchangedDocumentClosesWithoutAQuestion) {
    ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
    Run(cmd::kClose);
    EXPECT_EQ(app->Document(), nullptr);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(Frame().MenuResource(), 2);
}

TEST_F(ShellTest, SavedResultsNeverEnterTheRecentFileList) {
    const QString data = SmallData();
    ASSERT_NE(app->OpenDataFile(data), nullptr);
    Run(cmd::kRecordInputData);
    EXPECT_TRUE(Enabled(cmd::kSaveResults));
    EXPECT_TRUE(Enabled(cmd::kSaveResultsAs));
    const QString results = QString::fromStdString(dir.File("results.txt"));
    dialogs.saveNames = {results};
    Run(cmd::kSaveResults);
    EXPECT_EQ(dialogs.saveSuggestions, QStringList{"RESULTS.TXT"});
    EXPECT_EQ(ReadFile(results.toStdString()),
              "\r\n\r\nINPUT DATA\r\n\r\nX  Y  \r\n1  2\r\n3  4\r\n5  6\r\n");
    EXPECT_FALSE(Enabled(cmd::kSaveResults));
    EXPECT_TRUE(Enabled(cmd::kSaveResultsAs));
    EXPECT_EQ(app->RecentFiles().Files(), QStringList{data});
    EXPECT_EQ(QSettings(settings->fileName(), QSettings::IniFormat).value("Recent File List/File1"),
              data);
    EXPECT_FALSE(
        QSettings(settings->fileName(), QSettings::IniFormat).contains("Recent File List/File2"));
}

TEST_F(ShellTest, RecentFilesReopenAndAMissingOneLeavesTheList) {
    const QString a = DataFile("a.dat", "X Y\r\n1 2\r\n3 4\r\n");
    const QString b = DataFile("b.dat", "X Y\r\n1 2\r\n3 4\r\n");
    for (const QString& path : {a, b}) {
        ASSERT_NE(app->OpenDataFile(path), nullptr);
        Run(cmd::kClose);
    }
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({b, a}));
    EXPECT_EQ(Action(cmd::kRecentFile1 + 1)->text(), "&2 " + a);
    Run(cmd::kRecentFile1 + 1);
    ASSERT_NE(app->Document(), nullptr);
    EXPECT_EQ(app->Document()->Title(), "a.dat");
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({a, b}));
    Run(cmd::kClose);

    QFile::remove(b);
    Run(cmd::kRecentFile1 + 1);
    EXPECT_EQ(app->Document(), nullptr);
    EXPECT_EQ(app->RecentFiles().Files(), QStringList{a});
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].icon, Icon::Stop);
}

TEST_F(ShellTest, ADataFileDroppedOnTheMainWindowOpens) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(SmallData())});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Frame(), &drop);
    ASSERT_NE(app->Document(), nullptr);
    EXPECT_EQ(app->Document()->Title(), "xy.dat");

    // With a document open a drop is refused.
    QDragEnterEvent again(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    again.ignore();
    QCoreApplication::sendEvent(&Frame(), &again);
    EXPECT_FALSE(again.isAccepted());
    // Nor does the Results window take the file as text.
    QDragEnterEvent onResults(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    onResults.ignore();
    QCoreApplication::sendEvent(Results()->viewport(), &onResults);
    EXPECT_FALSE(onResults.isAccepted());
    EXPECT_TRUE(Results()->toPlainText().isEmpty());
}

TEST_F(ShellTest, AFileNameThatIsNotUtf8OpensByDropAndFromTheRecentList) {
    const std::string path = dir.Write("caf\xE9 1.dat", "X Y\r\n1 2\r\n3 4\r\n");
    QMimeData data;
    QByteArray uri = "file://" + QByteArray::fromStdString(path).toPercentEncoding("/") + "\r\n";
    data.setData(QStringLiteral("text/uri-list"), uri);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Frame(), &drop);
    ASSERT_NE(app->Document(), nullptr);
    EXPECT_EQ(app->Document()->Doc().DataPath(), path);
    Run(cmd::kClose);

    // The list keeps the name's bytes across a restart and opens the file again.
    RecentFileList reread(*settings, cmd::kRecentFileCount);
    EXPECT_EQ(reread.Path(0), path);
    Run(cmd::kRecentFile1);
    ASSERT_NE(app->Document(), nullptr);
    EXPECT_EQ(app->Document()->Doc().DataPath(), path);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ShellTest, AFifoWaitsForItsOtherEndWithoutFreezingTheWindows) {
    guard.reset();  // the waiting dialog is modal on purpose
    const std::string fifo = dir.File("pipe.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const QString name = QString::fromStdString(fifo);
    auto CancelAfter = [](int ms, QString& seen) {
        QTimer::singleShot(ms, [&seen] {
            if (auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
                seen = dialog->labelText();
                dialog->cancel();
            }
        });
    };
    // Nothing writes to it: the person is told, and stops waiting; nothing opens or is said.
    QString seen;
    CancelAfter(800, seen);
    EXPECT_EQ(app->OpenDataPath(fifo), nullptr);
    EXPECT_EQ(seen, "Waiting for a program to write to " + name + "...");
    EXPECT_TRUE(prompt.messages.empty());

    // A program that writes a moment later: the data set opens.
    std::thread writer([&] {
        ::usleep(200000);
        std::ofstream(fifo, std::ios::binary) << "X Y\r\n1 2\r\n3 4\r\n";
    });
    CLumoxDoc* doc = app->OpenDataPath(fifo);
    writer.join();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->Rows(), 2u);

    // Saving the Results to it while nothing reads: the person stops waiting, and is told.
    seen.clear();
    CancelAfter(800, seen);
    EXPECT_FALSE(doc->WriteResults(fifo));
    EXPECT_EQ(seen, "Waiting for a program to read from " + name + "...");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "Could not save Results to file!\n" + fifo + ": no program reads from the pipe");
}

TEST_F(ShellTest, HelpOpensAtTheTopicOfAContextNumber) {
    EXPECT_EQ(help::kOverview, 98329);
    Run(cmd::kHelpOverview);
    ASSERT_NE(app->Help(), nullptr);
    EXPECT_EQ(app->Help()->CurrentPage().fileName(), "overview.html");
    const std::pair<int, const char*> runs[] = {{cmd::kHelpTopics, "index.html"},
                                                {cmd::kUsingHelp, "using.html"},
                                                {cmd::kHelp, "index.html"}};
    for (const auto& [id, page] : runs) {
        Run(id);
        EXPECT_EQ(app->Help()->CurrentPage().fileName(), page) << id;
    }
    ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
    Run(cmd::kHelp);
    EXPECT_EQ(app->Help()->CurrentPage().fileName(), "results.html");

    // Context help: the next command chosen shows its topic instead of running.
    Run(cmd::kContextHelp);
    EXPECT_TRUE(Frame().InContextHelp());
    EXPECT_TRUE(Enabled(cmd::kSaveResults));  // any entry can be picked for its topic
    Run(cmd::kSaveResults);
    EXPECT_FALSE(Frame().InContextHelp());
    EXPECT_EQ(app->Help()->CurrentPage().fileName(), "commands.html");
    EXPECT_EQ(app->Help()->CurrentPage().fragment(), "cmd57603");
    EXPECT_TRUE(dialogs.saveSuggestions.isEmpty());
    EXPECT_FALSE(Enabled(cmd::kSaveResults));
}

// Every command's topic, and each of a few other contexts, is a page that exists and an
// anchor in it.
TEST_F(ShellTest, TheHelpPagesOfEveryContextExist) {
    std::set<int> contexts = {0, 1, help::kMainWindow, help::kDocumentWindow, 12345};
    for (const Command& command : Commands()) {
        EXPECT_TRUE(contexts.insert(help::kCommandBase + command.id).second)
            << "two rows of " << command.id;
    }
    for (const int context : contexts) {
        const QUrl page = HelpWindow::PageForContext(context);
        EXPECT_TRUE(QFile::exists(":" + page.path())) << context;
        if (page.hasFragment()) {
            QFile file(":" + page.path());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(file.readAll().contains(("name=\"" + page.fragment() + "\"").toUtf8()))
                << context;
        }
    }
}

// Each key of the accelerator table belongs to one command, whichever menu is shown.
TEST_F(ShellTest, TheAcceleratorTable) {
    const std::pair<QKeySequence, int> keys[] = {
        {Qt::CTRL | Qt::Key_N, cmd::kNewData},
        {Qt::CTRL | Qt::Key_O, cmd::kOpenData},
        {Qt::CTRL | Qt::Key_S, cmd::kSaveResults},
        {Qt::CTRL | Qt::Key_P, cmd::kPrint},
        {Qt::CTRL | Qt::Key_Z, cmd::kUndo},
        {Qt::ALT | Qt::Key_Backspace, cmd::kUndo},
        {Qt::CTRL | Qt::Key_X, cmd::kCut},
        {Qt::SHIFT | Qt::Key_Delete, cmd::kCut},
        {Qt::CTRL | Qt::Key_C, cmd::kCopy},
        {Qt::CTRL | Qt::Key_Insert, cmd::kCopy},
        {Qt::CTRL | Qt::Key_V, cmd::kPaste},
        {Qt::SHIFT | Qt::Key_Insert, cmd::kPaste},
        {Qt::Key_F6, cmd::kNextPane},
        {Qt::SHIFT | Qt::Key_F6, cmd::kPreviousPane},
        {Qt::SHIFT | Qt::Key_F1, cmd::kContextHelp},
        {Qt::Key_F1, cmd::kHelp},
    };
    const QList<QAction*> actions = Frame().actions();
    for (const auto& [key, id] : keys) {
        QList<int> owners;
        for (QAction* action : actions) {
            if (action->shortcuts().contains(key)) owners.append(action->data().toInt());
        }
        EXPECT_EQ(owners, QList<int>{id}) << key.toString().toStdString();
    }
    // The shortcut a menu text shows is its command's first key.
    for (QAction* action : actions) {
        const qsizetype tab = action->text().indexOf('\t');
        if (tab < 0) continue;
        ASSERT_FALSE(action->shortcuts().isEmpty()) << action->text().toStdString();
        EXPECT_EQ(action->text().mid(tab + 1).toStdString(),
                  action->shortcuts().front().toString().toStdString())
            << action->data().toInt();
    }

    // Alt+Backspace is no key of the text control itself: it undoes through the command.
    ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
    Results()->setFocus();
    QTest::keyClicks(Results(), "typed");
    QTest::keyClick(Results(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(Results()->toPlainText().isEmpty());
    app->Document()->Doc().SetModifiedFlag(false);
}

TEST_F(ShellTest, ToolbarAndStatusBarToggleWithTheirChecks) {
    EXPECT_TRUE(Action(cmd::kToolbar)->isChecked());
    Run(cmd::kToolbar);
    EXPECT_TRUE(Frame().ToolBar()->isHidden());
    EXPECT_FALSE(Action(cmd::kToolbar)->isChecked());
    Run(cmd::kStatusBar);
    EXPECT_TRUE(Frame().statusBar()->isHidden());
    EXPECT_FALSE(Action(cmd::kStatusBar)->isChecked());
    Run(cmd::kToolbar);
    EXPECT_FALSE(Frame().ToolBar()->isHidden());
}

TEST_F(ShellTest, TheAboutBox) {
    Run(cmd::kAbout);
    EXPECT_EQ(dialogs.abouts, 1);
    CAboutDlg about(&Frame());
    EXPECT_EQ(about.windowTitle(), "About Lumox");
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) texts.append(label->text());
    EXPECT_TRUE(texts.contains("Lumox, v3.0, Equation Fitting Tools"));
    const auto buttons = about.findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text().remove('&'), "OK");
}

}  // namespace
}  // namespace lumox::test

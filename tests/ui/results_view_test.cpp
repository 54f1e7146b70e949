// The Results window: its text as the document sees it, editing, Clear All, the full
// window, recording and printing.
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <algorithm>

#include "reports/input_data.h"
#include "ui/command_ids.h"
#include "ui/document_windows.h"
#include "ui/lumox_view.h"
#include "ui/main_frame.h"
#include "ui/results_printing.h"
#include "ui_fixture.h"

namespace lumox::test {
namespace {

class ResultsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
        view = Results();
        ASSERT_NE(view, nullptr);
        view->setFocus();
    }
    CLumoxDoc& Doc() { return app->Document()->Doc(); }
    CLumoxView* view = nullptr;
};

TEST_F(ResultsTest, TextCrossesWithCrLfAndShowsWithLineBreaks) {
    struct Case {
        std::string in;
        QString shown;
        std::string out;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", "a\nb\n", "a\r\nb\r\n"},
        {"a\nb", "a\nb", "a\r\nb"},
        {"a\rb\r\r\nc", "a\nb\n\nc", "a\r\nb\r\n\r\nc"},
        {"", "", ""},
        {"caf\xc3\xa9", QString::fromUtf8("caf\xc3\xa9"), "caf\xc3\xa9"},
        {"caf\xe9", QString::fromUtf8("caf\xc3\xa9"), "caf\xe9"},  // not UTF-8: Latin-1, kept
        // A no-break space and a line separator are the text's own: they come back as the
        // bytes they came in, UTF-8 or Latin-1.
        {"a\xc2\xa0" "b\xe2\x80\xa8" "c", {}, "a\xc2\xa0" "b\xe2\x80\xa8" "c"},
        {"a\xa0" "b\xe9", {}, "a\xa0" "b\xe9"},
    };
    for (const Case& c : cases) {
        view->SetText(c.in);
        if (!c.shown.isNull()) {
            EXPECT_EQ(view->toPlainText(), c.shown) << c.in;
        }
        EXPECT_EQ(view->GetText(), c.out) << c.in;
    }
    EXPECT_EQ(view->Capacity(), 52000u);
}

TEST_F(ResultsTest, RecordInputDataAppendsTheListing) {
    QTest::keyClicks(view, "note");
    Run(cmd::kRecordInputData);
    EXPECT_EQ(view->GetText(), "note\r\n\r\nINPUT DATA\r\n\r\nX  Y  \r\n1  2\r\n3  4\r\n5  6\r\n");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(prompt.messages.empty());
}

// Names in Latin-1 or UTF-8 bytes show as their characters and come back, through two
// recordings, typing and Save Results As, as the very bytes recorded. Latin-1 bytes
// after UTF-8 text turn the whole text Latin-1 without changing a byte of it.
TEST_F(ShellTest, ResultsKeepTheirBytesWhateverTheNamesEncoding) {
    struct Case {
        const char* name;
        std::string before;  // the Results text before the recordings
        std::string header;
        QString shownName;
    };
    const Case cases[] = {
        {"Latin-1", "", "Poids\xe9 Y", QString::fromUtf8("Poids\xc3\xa9")},
        {"UTF-8", "", "Poids\xc3\xa9 Y", QString::fromUtf8("Poids\xc3\xa9")},
        {"Latin-1 after UTF-8", "\xc3\x91\r\n", "Poids\xe9 Y", QString::fromUtf8("Poids\xc3\xa9")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString data = DataFile("names.dat", c.header + "\r\n1 2\r\n3 4\r\n");
        ASSERT_NE(app->OpenDataFile(data), nullptr);
        CLumoxView* view = Results();
        ASSERT_NE(view, nullptr);
        view->SetText(c.before);
        Run(cmd::kRecordInputData);
        Run(cmd::kRecordInputData);
        view->setFocus();
        view->moveCursor(QTextCursor::End);
        QTest::keyClicks(view, "x");

        std::string listing;
        WriteInputData(app->Document()->Doc().Data(), listing);
        const std::string expected = c.before + listing + listing + "x";
        EXPECT_EQ(view->GetText(), expected);
        EXPECT_TRUE(view->toPlainText().contains(c.shownName));

        const QString saved = DataFile("saved.txt", "");
        dialogs.saveNames = {saved};
        Run(cmd::kSaveResultsAs);
        EXPECT_EQ(ReadFile(saved.toStdString()), expected);
        app->Document()->Doc().SetModifiedFlag(false);
        Run(cmd::kClose);
    }
}

// The window records through the same recording as lumox-cli: the Results text of Record
// Input Data is the very text the command line writes (its expected output).
TEST_F(ShellTest, RecordedTextIsTheCommandLinesByteForByte) {
    ASSERT_NE(app->OpenDataFile(LUMOX_SOURCE_DIR "/examples/tab21.dat"), nullptr);
    Run(cmd::kRecordInputData);
    ASSERT_NE(Results(), nullptr);
    EXPECT_EQ(Results()->GetText(), ReadFile(LUMOX_SOURCE_DIR "/tests/cli/expected/tab21-input.txt"));
}

TEST_F(ResultsTest, ClearAllNeedsACharacterOrASecondLine) {
    EXPECT_FALSE(Enabled(cmd::kClearAll));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_TRUE(Enabled(cmd::kClearAll));  // two empty lines
    Run(cmd::kClearAll);
    EXPECT_FALSE(Enabled(cmd::kClearAll));
    QTest::keyClicks(view, "x");
    EXPECT_TRUE(Enabled(cmd::kClearAll));
}

TEST_F(ResultsTest, TypingMarksTheDocumentModifiedAndClearAllUnmarksIt) {
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(Enabled(cmd::kSaveResults));
    QTest::keyClicks(view, "typed");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(Enabled(cmd::kSaveResults));
    EXPECT_TRUE(Enabled(cmd::kSaveResultsAs));  // found enabled: ever modified
    Run(cmd::kClearAll);
    EXPECT_TRUE(view->toPlainText().isEmpty());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(Enabled(cmd::kSaveResults));
    EXPECT_FALSE(Enabled(cmd::kSaveResultsAs));
    Run(cmd::kClose);  // no question: nothing to save
    EXPECT_EQ(app->Document(), nullptr);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ResultsTest, ARecordedReportIsShownFromItsTitle) {
    std::string text;
    for (int i = 1; i <= 300; ++i) text += "line " + std::to_string(i) + "\r\n";
    view->SetText(text);
    view->verticalScrollBar()->setValue(0);
    Run(cmd::kRecordInputData);
    ProcessEvents();
    // Its title on the window's top line, as far as the end of the text lets it rise.
    const QTextCursor caret = view->textCursor();
    EXPECT_EQ(caret.block().text(), "INPUT DATA");
    QScrollBar* bar = view->verticalScrollBar();
    EXPECT_GT(bar->value(), 0);
    EXPECT_EQ(bar->value(), std::min(caret.blockNumber(), bar->maximum()));
}

TEST_F(ResultsTest, ClearAllIsUndoneByUndo) {
    Run(cmd::kRecordInputData);
    const std::string recorded = view->GetText();
    ASSERT_FALSE(recorded.empty());
    Run(cmd::kClearAll);
    EXPECT_TRUE(view->GetText().empty());
    EXPECT_FALSE(Doc().IsModified());
    ASSERT_TRUE(Enabled(cmd::kUndo));
    Run(cmd::kUndo);
    EXPECT_EQ(view->GetText(), recorded);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(Enabled(cmd::kSaveResults));
    // Ctrl+Z in the window does the same.
    Run(cmd::kClearAll);
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(view->GetText(), recorded);
}

TEST_F(ResultsTest, EditingCommandsFollowTheSelectionAndClipboard) {
    QTest::keyClicks(view, "abc def");
    EXPECT_FALSE(Enabled(cmd::kCut));
    EXPECT_FALSE(Enabled(cmd::kCopy));
    EXPECT_TRUE(Enabled(cmd::kUndo));
    view->selectAll();
    EXPECT_TRUE(Enabled(cmd::kCut));
    Run(cmd::kCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), "abc def");
    EXPECT_TRUE(Enabled(cmd::kPaste));
    Run(cmd::kCut);
    EXPECT_TRUE(view->toPlainText().isEmpty());
    Run(cmd::kPaste);
    Run(cmd::kPaste);
    EXPECT_EQ(view->toPlainText(), "abc defabc def");
    Run(cmd::kUndo);
    EXPECT_EQ(view->toPlainText(), "abc def");
    QApplication::clipboard()->clear();
    EXPECT_FALSE(Enabled(cmd::kPaste));
}

TEST_F(ResultsTest, AFullWindowRefusesMoreText) {
    std::string full;
    while (full.size() + 80 < static_cast<size_t>(kResultsEditCapacity - 2))
        full += std::string(79, 'x') + "\n";
    full.append(kResultsEditCapacity - 2 - full.size(), 'x');
    view->SetText(full);
    QTest::keyClicks(view, "ab");
    EXPECT_TRUE(prompt.messages.empty());
    QTest::keyClicks(view, "c");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], (Message{"Results window is full!", Icon::Stop}));
    EXPECT_EQ(view->document()->characterCount() - 1, kResultsEditCapacity);

    // A paste that would not fit inserts nothing; one replacing a selection fits.
    QApplication::clipboard()->setText("12");
    view->moveCursor(QTextCursor::End);
    Run(cmd::kPaste);
    EXPECT_EQ(prompt.messages.size(), 2u);
    view->moveCursor(QTextCursor::Start);
    view->moveCursor(QTextCursor::Right, QTextCursor::KeepAnchor);
    view->moveCursor(QTextCursor::Right, QTextCursor::KeepAnchor);
    Run(cmd::kPaste);
    EXPECT_EQ(prompt.messages.size(), 2u);
    EXPECT_TRUE(view->toPlainText().startsWith("12xx"));
}

TEST_F(ResultsTest, ARecordingThatWouldPassTheLimitAppendsNothing) {
    const std::string text(51990, 'r');
    view->SetText(text);
    prompt.answers = {Answer::No};
    Run(cmd::kRecordInputData);
    EXPECT_EQ(view->GetText(), text);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{
                                  "Report too large for results!\r\nWant to save it to a file?"});
}

TEST(ResultsPageLayout, MarginsHeaderRuleAndPageNumberInPrinterPixels) {
    // 600 dots per inch, a line of 100 and characters of 60 dots, Letter paper (6600).
    const ResultsPageLayout layout = LayoutResultsPage(600, 600, 6600, 100, 60);
    EXPECT_EQ(layout.text.left(), 375);         // 5/8 inch
    EXPECT_EQ(layout.text.right() + 1, 4575);   // 7 inches further
    EXPECT_EQ(layout.text.top(), 450);          // 3/4 inch
    EXPECT_EQ(layout.text.bottom() + 1, 6000);  // 10 inches
    EXPECT_EQ(layout.header, QPoint(375, 100));
    EXPECT_EQ(layout.ruleY, 250);  // h/2 + 2h
    EXPECT_EQ(layout.pageNumber, QPoint(2475, 6200));
    EXPECT_EQ(layout.headerWidth, 70);   // 4200 / 60
    EXPECT_EQ(layout.linesPerPage, 55);  // 5550 / 100

    // Landscape Letter (8.5 inches high): the text stops an inch above the foot.
    const ResultsPageLayout landscape = LayoutResultsPage(600, 600, 5100, 100, 60);
    EXPECT_EQ(landscape.text.bottom() + 1, 4500);
    EXPECT_EQ(landscape.linesPerPage, 40);
}

TEST(ResultsPageLayout, LongLinesBreakAtBlanksAndTabsExpand) {
    struct Case {
        QString text;
        int width;
        QStringList lines;
    };
    const Case cases[] = {
        {"abc\ndef\n", 10, {"abc", "def"}},
        {"", 10, {""}},
        {"\n\n", 10, {"", ""}},
        {"aaa bbb ccc", 8, {"aaa bbb ", "ccc"}},
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"a\tb", 20, {"a       b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BreakPrintedLines(c.text, c.width), c.lines) << c.text.toStdString();
}

// The pages of a PDF: Qt writes one "/Type /Page" object per page, uncompressed.
int PdfPages(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                            pdf.count("/Type /Page>") + pdf.count("/Type /Page "));
}

TEST_F(ResultsTest, PrintsToAPdfWithHeaderRuleAndPageNumbers) {
    std::string text;
    for (int i = 1; i <= 130; ++i) text += "line " + std::to_string(i) + "\r\n";
    view->SetText(text);
    dialogs.pdfPath = QString::fromStdString(dir.File("results.pdf"));
    Run(cmd::kPrint);
    EXPECT_EQ(dialogs.printAsked, 1);
    QFile file(dialogs.pdfPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    // Letter or A4 at 10 points: about 60 lines a page, so 130 lines take 3 pages.
    EXPECT_EQ(PdfPages(pdf), 3);

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed: text not checked";
    QProcess process;
    process.start(pdftotext, {"-layout", dialogs.pdfPath, "-"});
    ASSERT_TRUE(process.waitForFinished(10000));
    const QString printed = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_EQ(printed.count("Lumox - Data File: xy.dat"), 3);
    EXPECT_TRUE(printed.contains("line 1\n"));
    EXPECT_TRUE(printed.contains("line 130"));
    const QStringList pages = printed.split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 3);
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(pages[page].trimmed().split('\n').last().trimmed(), QString::number(page + 1))
            << page;
    }
}

TEST_F(ResultsTest, PrintPreviewPaintsThePages) {
    view->SetText("one\r\n");
    Run(cmd::kPrintPreview);
    EXPECT_EQ(dialogs.previews, 1);
}

}  // namespace
}  // namespace lumox::test

#include "document/document.h"

#include <gtest/gtest.h>

#include "platform/abort.h"
#include "support/fake_host.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::ScriptedPrompt;
using test::TempDir;

using test::FakeHost;

TEST(Document, FileKindComesFromTheExtensionInAnyCase) {
    CLumoxDoc doc;
    for (const char* path : {"a.dbf", "b.DBF", "dir.x/c.DbF"}) {
        doc.SetFileKind(path);
        EXPECT_EQ(doc.m_bDbase, 1) << path;
    }
    for (const char* path : {"a.dbx", "b.dat", "dbf", "c.dbf.txt"}) {
        doc.SetFileKind(path);
        EXPECT_EQ(doc.m_bDbase, 0) << path;
    }
}

TEST(Document, OpensATextFileIntoTheDataSet) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    const std::string path = dir.Write("xy.dat", "X,Y\r\n1,2\r\n3,4\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.m_nRows, 2u);
    EXPECT_EQ(doc.m_nCols, 2u);
    EXPECT_EQ(doc.GetColName(1), "Y");
    EXPECT_EQ(doc.GetData().At(1, 0), 3.0);
    EXPECT_EQ(doc.m_strDataPath, path);
    EXPECT_EQ(doc.GetTitle(), "xy.dat");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(Document, AnEmptyFileOpensAsAnEmptyDataSet) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.Write("empty.dat", "")));
    EXPECT_EQ(doc.m_nRows, 0u);
    EXPECT_EQ(doc.m_nCols, 0u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(Document, AFaultyOrMissingFileLeavesAnEmptyDataSet) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.Write("good.dat", "X Y\r\n1 2\r\n3 4\r\n")));
    EXPECT_FALSE(doc.OnOpenDocument(dir.Write("bad.dat", "X Y\r\n1 2\r\n")));
    EXPECT_EQ(doc.m_nRows, 0u);
    EXPECT_TRUE(doc.GetData().IsEmpty());
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("missing.dat")));
    EXPECT_FALSE(doc.OnOpenDocument(dir.Path()));
    ASSERT_EQ(prompt.messages.size(), 3u);
    EXPECT_EQ(prompt.messages[0].text, "Not enough data for calculation or graphing!");
    EXPECT_EQ(prompt.messages[1].text, "Data File: cannot open " + dir.File("missing.dat") + "!");
    EXPECT_EQ(prompt.messages[2].icon, Icon::Stop);
}

TEST(Document, DeleteContentsRestoresEveryDefault) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.Write("xy.dat", "X Y\r\n1 2\r\n3 4\r\n")));
    doc.m_strResultsPath = "other.txt";
    doc.m_bResultsEverModified = 1;
    doc.m_nYVariable = 1;
    doc.m_nSimpleModel = 3;
    doc.m_strGraphTitle = "T";
    doc.m_graphTemplate.xIntervals = 9;
    doc.m_histogram.classes = 8;
    doc.m_bSavingData = 1;
    doc.DeleteContents();
    EXPECT_EQ(doc.m_nRows, 0u);
    EXPECT_EQ(doc.m_nCols, 0u);
    EXPECT_TRUE(doc.GetData().IsEmpty());
    EXPECT_TRUE(doc.m_astrColNames.empty());
    EXPECT_TRUE(doc.m_strHeaderLine.empty());
    EXPECT_TRUE(doc.m_strDataPath.empty());
    EXPECT_EQ(doc.m_strResultsPath, "RESULTS.TXT");
    EXPECT_EQ(doc.m_bSavingData, 0);
    EXPECT_EQ(doc.m_bResultsEverModified, 0);
    EXPECT_EQ(doc.m_nYVariable, -2);
    EXPECT_EQ(doc.m_nSimpleModel, -1);
    EXPECT_TRUE(doc.m_strGraphTitle.empty());
    const ChartData& t = doc.m_graphTemplate;
    EXPECT_EQ(t.markerStyle, 1);
    EXPECT_EQ(t.pointSize, 1);
    EXPECT_EQ(t.lineStyle, 0);
    EXPECT_EQ(t.xIntervals, 5);
    EXPECT_EQ(t.yIntervals, 4);
    EXPECT_EQ(t.grid, 1);
    EXPECT_EQ(t.colour, Rgb{});
    EXPECT_TRUE(t.title.empty());
    EXPECT_EQ(doc.m_histogram.classes, 0);
}

TEST(Document, EditedLinesAreWrittenAtomicallyAndReadBack) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    const std::string path = dir.Write("data.dat", "old contents");
    std::vector<std::string> lines = {"A B", "1 2", "3 4"};
    doc.m_pEditedLines = &lines;
    doc.m_nRows = 3;
    doc.m_bSavingData = 1;
    ASSERT_TRUE(doc.WriteEditedLines(path));
    EXPECT_EQ(test::ReadFile(path), "A B\r\n1 2\r\n3 4\r\n");

    // A folder that does not exist: the message, and nothing is left behind.
    EXPECT_FALSE(doc.WriteEditedLines(dir.File("no/such/folder.dat")));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].icon, Icon::Stop);

    doc.m_pEditedLines = nullptr;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetData().At(1, 1), 4.0);
}

TEST(Document, ResultsAreSavedRawAndNeedAResultsWindow) {
    TempDir dir;
    ScriptedPrompt prompt;
    FakeHost host;
    CLumoxDoc doc;
    doc.SetHost(&host);
    host.results.text = "\r\nREPORT\r\n";
    ASSERT_TRUE(doc.WriteResults(dir.File("RESULTS.TXT")));
    EXPECT_EQ(test::ReadFile(dir.File("RESULTS.TXT")), "\r\nREPORT\r\n");
    EXPECT_EQ(&doc.GetResultsView(), &host.results);

    host.hasResults = false;
    EXPECT_FALSE(doc.WriteResults(dir.File("again.txt")));
    EXPECT_THROW(doc.GetResultsView(), UserAbort);
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{"Could not save Results to file!",
                                                         "Unable to open Results window!"}));
}

}  // namespace
}  // namespace lumox

#include "document/lumox_doc.h"

#include <gtest/gtest.h>

#include <functional>

#include "data/pasted_table.h"
#include "document/numeric_names.h"
#include "document/simple_regression.h"
#include "platform/abort.h"
#include "support/fake_host.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::Message;
using test::ScriptedPrompt;
using test::TempDir;

using test::FakeHost;

TEST(Document, FileKindComesFromTheExtensionInAnyCase) {
    TempDir dir;
    CLumoxDoc doc;
    const std::vector<std::string> lines = {"A B", "1 2", "3 4"};
    for (const char* name : {"a.dbf", "b.DBF", "c.DbF"}) {
        ASSERT_TRUE(doc.WriteDataLines(dir.File(name), lines, lines.size())) << name;
        EXPECT_TRUE(doc.IsDbase()) << name;
        EXPECT_EQ(test::ReadFile(dir.File(name))[0], 3) << name;  // a dBase III table
    }
    for (const char* name : {"a.dbx", "b.dat", "dbf", "c.dbf.txt"}) {
        ASSERT_TRUE(doc.WriteDataLines(dir.File(name), lines, lines.size())) << name;
        EXPECT_FALSE(doc.IsDbase()) << name;
        EXPECT_EQ(test::ReadFile(dir.File(name)), "A B\r\n1 2\r\n3 4\r\n") << name;
    }
}

TEST(Document, OpensATextFileIntoTheDataSet) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    const std::string path = dir.Write("xy.dat", "X,Y\r\n1,2\r\n3,4\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.Rows(), 2u);
    EXPECT_EQ(doc.Cols(), 2u);
    EXPECT_EQ(doc.GetColName(1), "Y");
    EXPECT_EQ(doc.GetData().At(1, 0), 3.0);
    EXPECT_EQ(doc.DataPath(), path);
    EXPECT_EQ(doc.GetTitle(), "xy.dat");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(Document, AnEmptyFileOpensAsAnEmptyDataSet) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.Write("empty.dat", "")));
    EXPECT_EQ(doc.Rows(), 0u);
    EXPECT_EQ(doc.Cols(), 0u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(Document, AFaultyOrMissingFileLeavesAnEmptyDataSet) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.Write("good.dat", "X Y\r\n1 2\r\n3 4\r\n")));
    EXPECT_FALSE(doc.OnOpenDocument(dir.Write("bad.dat", "X Y\r\n1 2\r\n")));
    EXPECT_EQ(doc.Rows(), 0u);
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
    ASSERT_TRUE(doc.OnOpenDocument(dir.Write("xy.dat", "X Y\r\n1 2\r\n4 3\r\n5 7\r\n")));
    doc.SetModifiedFlag(true);
    SimpleRegression simple(doc);
    simple.SetX(0);
    simple.SetY(1);
    simple.m_nSelectedModel = 3;
    ASSERT_EQ(simple.Calculate(), 0);
    GraphOptions options = doc.GetGraphOptions();
    options.title = "T";
    options.xIntervalIndex = 7;
    ASSERT_TRUE(doc.ApplyGraphOptions(options));
    HistogramSettings histogram;
    histogram.classes = 8;
    doc.SetupHistogram(histogram);
    doc.DeleteContents();
    EXPECT_EQ(doc.Rows(), 0u);
    EXPECT_EQ(doc.Cols(), 0u);
    EXPECT_TRUE(doc.GetData().IsEmpty());
    EXPECT_TRUE(doc.ColNames().empty());
    EXPECT_TRUE(doc.HeaderLine().empty());
    EXPECT_TRUE(doc.DataPath().empty());
    EXPECT_EQ(doc.ResultsPath(), "RESULTS.TXT");
    EXPECT_FALSE(doc.CanSaveResultsAs());
    EXPECT_FALSE(doc.HasFit());
    EXPECT_EQ(doc.YVariable(), -2);
    EXPECT_EQ(doc.SimpleModel(), -1);
    EXPECT_TRUE(doc.GetGraphOptions().title.empty());
    // A slot made now shows the default template.
    doc.SetupGraphSlot(0, -1, -1, 0, 0);
    const ChartData& t = doc.Graph(0);
    EXPECT_EQ(t.markerStyle, 1);
    EXPECT_EQ(t.pointSize, 1);
    EXPECT_EQ(t.lineStyle, 0);
    EXPECT_EQ(t.xIntervals, 5);
    EXPECT_EQ(t.yIntervals, 4);
    EXPECT_EQ(t.grid, 1);
    EXPECT_EQ(t.colour, Rgb{});
    EXPECT_EQ(t.title, "Data");
    EXPECT_EQ(doc.Histogram().classes, 0);
}

TEST(Document, DataLinesAreWrittenAtomicallyAndReadBack) {
    TempDir dir;
    ScriptedPrompt prompt;
    CLumoxDoc doc;
    const std::string path = dir.Write("data.dat", "old contents");
    const std::vector<std::string> lines = {"A B", "1 2", "3 4", "not written"};
    ASSERT_TRUE(doc.WriteDataLines(path, lines, 3));
    EXPECT_EQ(test::ReadFile(path), "A B\r\n1 2\r\n3 4\r\n");

    // A folder that does not exist: the message, and nothing is left behind.
    EXPECT_FALSE(doc.WriteDataLines(dir.File("no/such/folder.dat"), lines, 3));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].icon, Icon::Stop);

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

TEST(Document, ViewsAreToldWhenDataFitOrGraphSettingsChange) {
    TempDir dir;
    ScriptedPrompt prompt;
    FakeHost host;
    CLumoxDoc doc;
    doc.SetHost(&host);
    const std::string path = dir.Write("xy.dat", "X Y\r\n1 2\r\n4 3\r\n5 7\r\n");
    SimpleRegression simple(doc);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"open", [&] { ASSERT_TRUE(doc.OnOpenDocument(path)); }},
        {"fit",
         [&] {
             simple.SetX(0);
             simple.SetY(1);
             simple.m_nSelectedModel = 0;
             ASSERT_EQ(simple.Calculate(), 0);
         }},
        // The search leaves no fit: a window must not keep drawing the last one.
        {"best-model search", [&] { simple.FindBestModels(); }},
        {"graph options", [&] { ASSERT_TRUE(doc.ApplyGraphOptions(doc.GetGraphOptions())); }},
        {"new data", [&] { doc.OnNewDocument(); }},
    };
    for (const auto& [name, change] : changes) {
        const int before = host.viewUpdates;
        change();
        EXPECT_GT(host.viewUpdates, before) << name;
    }
}

// The question about numeric names follows what the reading said before it, and the
// second reading says nothing twice.
TEST(Document, NumericNamesQuestionInTheOrderOfTheReading) {
    std::string text = "1990 2000\n";
    while (text.size() <= kLargeFileBytes) text += "1 2\n";
    const Message large{"Data File: Lumox may not handle this large file on some machines!",
                        Icon::Exclamation};
    const Message question{
        "Data File: column names in the first row are all numeric! Is this correct?",
        Icon::Question};
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        ScriptedPrompt prompt;
        prompt.answers = {answer};
        std::vector<std::string> lines;
        int columns = 0;
        const ReadStatus status = ReadAskingNumericNames([&](NumericNames names, Diagnostics& said) {
            return ReadPastedTable(text, lines, columns, names, said);
        });
        EXPECT_EQ(status, answer == Answer::Yes ? ReadStatus::Read : ReadStatus::Refused);
        EXPECT_EQ(prompt.messages, (std::vector<Message>{large, question}));
        EXPECT_EQ(columns, answer == Answer::Yes ? 2 : 0);
    }
}

}  // namespace
}  // namespace lumox

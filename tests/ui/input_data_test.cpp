// New Data and Input Data: the Edit Data dialog on the document's lines, then the save
// (over the file after asking, or Save As, text or dBase by the extension) and the data
// read back from the file.
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "ui/command_ids.h"
#include "ui/document_windows.h"
#include "ui/edit_data_dialog.h"
#include "ui/grid_ctrl.h"
#include "ui/lumox_view.h"
#include "ui/main_frame.h"
#include "ui/mdig_child_wnd.h"
#include "ui/recent_file_list.h"
#include "cli_run.h"
#include "ui_fixture.h"

namespace lumox::test {
namespace {

using Table = std::vector<std::vector<std::string>>;
using EditScript = std::function<void(CEditDataDialog&)>;

const std::string kOverwrite =
    "Revised data can be saved to a\nnew file or to the current file.\n\nSave data to the "
    "current file?";

// The example data set that lumox-cli's expected listing was made from.
const Table kTab21 = {{"Hours", "Score"}, {"1", "56.7"},   {"2", "62.1"},   {"2.5", "62.8"},
                      {"3", "63.1"},      {"4", "66.1"},   {"4.5", "73.2"}, {"5", "75"},
                      {"6", "80.2"},      {"6.5", "81.7"}, {"7", "88.2"},   {"8", "83"},
                      {"9", "87.3"}};

// Keys to whatever has the focus, as a person types them.
void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}
void Type(const std::string& text) {
    for (const char c : text) QTest::keyClick(QApplication::focusWidget(), c);
}

// Types a whole table into the grid of a new data set: names first, row by row.
void TypeTable(CEditDataDialog& dialog, const Table& table) {
    for (size_t c = 1; c < table[0].size(); ++c) dialog.Grid().OnCommand(grid_cmd::kAddColumn);
    Key(Qt::Key_Up);
    for (size_t r = 0; r < table.size(); ++r) {
        for (size_t c = 0; c < table[r].size(); ++c) {
            Type(table[r][c]);
            // Enter at the end of a row moves down, appending a row after the last one.
            const bool lastCell = c + 1 == table[r].size();
            Key(lastCell && r + 1 < table.size() ? Qt::Key_Return : Qt::Key_Tab);
        }
        Key(Qt::Key_Home);
    }
}

class InputDataTest : public ShellTest {
protected:
    // Answers the Edit Data dialog, shown rather than run modally: the script works in
    // it, then OK (unless the script closed it) ends it.
    void EditWith(EditScript script) {
        dialogs.dialogScripts.push_back([this, script](QDialog& shown) {
            auto& dialog = static_cast<CEditDataDialog&>(shown);
            const CGridData& data = dialog.GridData();
            given.assign(data.Lines().begin(), data.Lines().begin() + data.GetRowCount());
            givenCounts = {data.GetRowCount(), data.GetColumnCount()};
            dialog.activateWindow();
            // The window system may report the window active before the widgets know it.
            EXPECT_TRUE(QTest::qWaitFor([&dialog] { return dialog.isActiveWindow(); }));
            dialog.Grid().setFocus();
            script(dialog);
            if (dialog.isVisible()) dialog.OkButton().click();
            return dialog.result();
        });
    }
    static EditScript Typing(const Table& table) {
        return [table](CEditDataDialog& dialog) { TypeTable(dialog, table); };
    }
    // Changes one cell of an open data set.
    static EditScript Changing(int row, int column, const std::string& text) {
        return [=](CEditDataDialog& dialog) {
            dialog.Grid().GoToCell(row, column);
            Type(text);
            Key(Qt::Key_Tab);
        };
    }
    static EditScript Cancelling() {
        return [](CEditDataDialog& dialog) { dialog.reject(); };
    }

    CLumoxDoc& Doc() const { return app->Document()->Doc(); }
    // A book of four sheets written by another program's library (make_sheets.py); empty
    // when the library is missing.
    QString Book() const {
        const std::string command = std::string(LUMOX_SYSTEM_PYTHON) + " " LUMOX_CLI_TESTS
                                    "/make_sheets.py " + dir.Path() + " > /dev/null";
        if (std::system(command.c_str()) != 0) return {};
        const QString path = QString::fromStdString(dir.File("openpyxl.xlsx"));
        return QFile::exists(path) ? path : QString();
    }
    std::string RecordedListing() {
        Run(cmd::kRecordInputData);
        return Results() ? Results()->GetText() : std::string();
    }
    QStringList Captions() const {
        QStringList captions;
        for (CMDIGChildWnd* frame : app->Document()->Frames())
            captions.append(frame->windowTitle());
        return captions;
    }

    std::vector<std::string> given;
    std::pair<int, int> givenCounts;
};

TEST_F(InputDataTest, NewDataIsTypedSavedAsTextAndReadBack) {
    EditWith(Typing({{"Hours", "Score"}, {"1", "52.5"}, {"2.5", "61"}, {"4", "-3e1"}}));
    const std::string path = dir.File("typed.dat");
    dialogs.saveNames = {QString::fromStdString(path)};
    Run(cmd::kNewData);
    ProcessEvents();
    ASSERT_NE(app->Document(), nullptr);
    EXPECT_TRUE(dialogs.dialogScripts.empty());
    EXPECT_EQ(given, (std::vector<std::string>{"", ""}));  // two empty rows of one column
    EXPECT_EQ(givenCounts, std::make_pair(2, 1));
    EXPECT_EQ(ReadFile(path), "Hours\tScore\r\n1\t52.5\r\n2.5\t61\r\n4\t-3e1\r\n");
    EXPECT_EQ(Doc().Rows(), 3u);
    EXPECT_EQ(Doc().Cols(), 2u);
    EXPECT_EQ(Doc().GetData().At(2, 1), -30.0);
    EXPECT_EQ(Doc().DataPath(), path);
    EXPECT_EQ(Captions(), QStringList{"typed.dat - Results"});
    // Unlike an opened file's, the Results window of new data is not maximised.
    ASSERT_NE(Frame().MdiArea().currentSubWindow(), nullptr);
    EXPECT_FALSE(Frame().MdiArea().currentSubWindow()->isMaximized());
    EXPECT_EQ(app->RecentFiles().Files().value(0), QString::fromStdString(path));
    EXPECT_EQ(dialogs.saveSuggestions, QStringList{""});
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_FALSE(Enabled(cmd::kNewData));
}

TEST_F(InputDataTest, ANewDataSetNeverConfirmedOrNeverSavedCloses) {
    struct Case {
        const char* name;
        EditScript script;
        std::deque<std::optional<QString>> saveNames;
    };
    const Case cases[] = {
        {"cancelled", Cancelling(), {}},
        {"save declined", Typing({{"x"}, {"1"}, {"2"}}), {std::nullopt}},
    };
    for (const Case& c : cases) {
        EditWith(c.script);
        dialogs.saveNames = c.saveNames;
        Run(cmd::kNewData);
        ProcessEvents();
        EXPECT_EQ(app->Document(), nullptr) << c.name;
        EXPECT_TRUE(Enabled(cmd::kNewData)) << c.name;
        EXPECT_TRUE(dialogs.saveNames.empty()) << c.name;
        EXPECT_TRUE(app->RecentFiles().Files().isEmpty()) << c.name;
    }
}

TEST_F(InputDataTest, RevisedDataOverwriteTheFileAfterAsking) {
    const QString path = SmallData();
    ASSERT_NE(app->OpenDataFile(path), nullptr);
    EditWith(Changing(2, 2, "40"));
    prompt.answers = {Answer::Yes};
    Run(cmd::kInputData);
    EXPECT_EQ(given, (std::vector<std::string>{"X Y", "1 2", "3 4", "5 6"}));
    EXPECT_EQ(givenCounts, std::make_pair(4, 2));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kOverwrite});
    EXPECT_EQ(ReadFile(path.toStdString()), "X Y\r\n1 2\r\n3 40\r\n5 6\r\n");
    EXPECT_EQ(Doc().GetData().At(1, 1), 40.0);
    EXPECT_EQ(Doc().DataPath(), path.toStdString());
    EXPECT_TRUE(dialogs.saveSuggestions.isEmpty());
}

TEST_F(InputDataTest, NoSavesUnderANewNameAsDbaseByItsExtension) {
    const QString path = SmallData();
    ASSERT_NE(app->OpenDataFile(path), nullptr);
    EditWith(Changing(3, 1, "7.25"));
    prompt.answers = {Answer::No};
    const std::string table = dir.File("new.DBF");
    dialogs.saveNames = {QString::fromStdString(table)};
    Run(cmd::kInputData);
    EXPECT_EQ(ReadFile(path.toStdString()), "X Y\r\n1 2\r\n3 4\r\n5 6\r\n");
    const std::string bytes = ReadFile(table);
    ASSERT_GT(bytes.size(), 32u);
    EXPECT_EQ(bytes[0], '\x03');
    EXPECT_EQ(Doc().IsDbase(), 1);
    EXPECT_EQ(Doc().Rows(), 3u);
    EXPECT_EQ(Doc().GetData().At(2, 0), 7.25);
    EXPECT_EQ(Doc().DataPath(), table);
    EXPECT_EQ(dialogs.saveSuggestions, QStringList{path});
    EXPECT_EQ(Captions(), QStringList{"new.DBF - Results"});
    EXPECT_EQ(app->RecentFiles().Files().value(0), QString::fromStdString(table));

    // The table is edited as text lines and saved over itself as a table again.
    EditWith(Changing(1, 2, "9"));
    prompt.answers = {Answer::Yes};
    Run(cmd::kInputData);
    EXPECT_EQ(given, (std::vector<std::string>{"X\tY", "1\t2", "3\t4", "7.25\t6"}));
    EXPECT_EQ(Doc().GetData().At(0, 1), 9.0);
    EXPECT_EQ(ReadFile(table)[0], '\x03');
}

TEST_F(InputDataTest, ASheetIsChosenAndItsEditsAreSavedAsCsvNeverAsASpreadsheet) {
    const QString book = Book();
    if (book.isEmpty()) GTEST_SKIP() << "python3-openpyxl is missing";
    const QStringList sheets = {"Doses", "Gaps", "Text", "Wide"};
    dialogs.sheetNames = {std::nullopt, QStringLiteral("Gaps")};
    EXPECT_EQ(app->OpenDataFile(book), nullptr);  // cancelled: not opened, nothing said
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_NE(app->OpenDataFile(book), nullptr);
    EXPECT_EQ(dialogs.sheetsOffered, std::vector<QStringList>({sheets, sheets}));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"3 rows with missing values left out: 3, 5, 7"});
    EXPECT_EQ(Doc().ColNames(), std::vector<std::string>({"x", "y"}));

    // No question about the current file; a spreadsheet's name is refused, and the
    // same sheet is read again without asking.
    prompt.messages.clear();
    const std::string csv = dir.File("openpyxl.csv");
    EditWith(Changing(1, 1, "100"));
    dialogs.saveNames = {book};
    Run(cmd::kInputData);
    EXPECT_EQ(prompt.Texts(),
              std::vector<std::string>({"Could not save data to " + book.toStdString() +
                                            ": data are saved as text, .csv or .dbf files, "
                                            "never as a spreadsheet!",
                                        "3 rows with missing values left out: 3, 5, 7"}));
    EXPECT_EQ(Doc().GetData().At(0, 0), 1.0);
    EXPECT_EQ(Doc().Rows(), 3u);
    EditWith(Changing(1, 1, "100"));
    dialogs.saveNames = {QString::fromStdString(csv)};
    Run(cmd::kInputData);
    EXPECT_EQ(ReadFile(csv), "x,y\r\n100,2\r\n3,4\r\n6,8\r\n");
    EXPECT_EQ(Doc().DataPath(), csv);
    EXPECT_EQ(dialogs.saveSuggestions, QStringList({QString::fromStdString(csv), QString::fromStdString(csv)}));
    EXPECT_EQ(dialogs.sheetsOffered.size(), 2u);
}

TEST_F(InputDataTest, DecliningBothSavesRereadsTheOldFile) {
    const QString path = SmallData();
    ASSERT_NE(app->OpenDataFile(path), nullptr);
    EditWith(Changing(1, 1, "100"));
    prompt.answers = {Answer::No};
    dialogs.saveNames = {std::nullopt};
    Run(cmd::kInputData);
    ProcessEvents();
    ASSERT_NE(app->Document(), nullptr);
    EXPECT_EQ(Doc().DataPath(), path.toStdString());
    EXPECT_EQ(Doc().GetData().At(0, 0), 1.0);  // the edits are gone
    EXPECT_EQ(ReadFile(path.toStdString()), "X Y\r\n1 2\r\n3 4\r\n5 6\r\n");
}

TEST_F(InputDataTest, CancelOrNoChangeLeavesAnOpenDataSetAlone) {
    const QString path = SmallData();
    ASSERT_NE(app->OpenDataFile(path), nullptr);
    for (const EditScript& script : {Cancelling(), EditScript([](CEditDataDialog&) {})}) {
        EditWith(script);
        Run(cmd::kInputData);
        ProcessEvents();
        ASSERT_NE(app->Document(), nullptr);
        EXPECT_EQ(Doc().Rows(), 3u);
    }
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(dialogs.saveSuggestions.isEmpty());
}

TEST_F(InputDataTest, AFileThatCannotBeWrittenOverIsSavedUnderANewName) {
    const QString path = SmallData();
    ASSERT_NE(app->OpenDataFile(path), nullptr);
    std::filesystem::permissions(path.toStdString(), std::filesystem::perms::owner_read);
    EditWith(Changing(1, 1, "8"));
    prompt.answers = {Answer::Yes};
    const std::string copy = dir.File("copy.txt");
    dialogs.saveNames = {QString::fromStdString(copy)};
    Run(cmd::kInputData);
    EXPECT_EQ(ReadFile(copy), "X Y\r\n8 2\r\n3 4\r\n5 6\r\n");
    EXPECT_EQ(Doc().DataPath(), copy);
    EXPECT_EQ(Doc().GetData().At(0, 0), 8.0);
}

TEST_F(InputDataTest, AChangedResultsTextStaysChangedAcrossTheReread) {
    ASSERT_NE(app->OpenDataFile(SmallData()), nullptr);
    Run(cmd::kRecordInputData);
    ASSERT_TRUE(Doc().IsModified());
    EditWith(Changing(1, 1, "8"));
    prompt.answers = {Answer::Yes};
    Run(cmd::kInputData);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(Enabled(cmd::kSaveResults));
    EXPECT_NE(Results()->GetText().find("INPUT DATA"), std::string::npos);
}

// A data set typed in the grid and saved as text or as a dBase table reads back as the
// same data: its INPUT DATA listing is lumox-cli's for the example file, byte for byte.
TEST_F(InputDataTest, TypedDataRoundTripsThroughTextAndDbase) {
    const std::string expected = ReadFile(LUMOX_SOURCE_DIR "/tests/cli/expected/tab21-input.txt");
    ASSERT_FALSE(expected.empty());
    for (const char* name : {"tab21.dat", "tab21.dbf"}) {
        EditWith(Typing(kTab21));
        const std::string path = dir.File(name);
        dialogs.saveNames = {QString::fromStdString(path)};
        Run(cmd::kNewData);
        ProcessEvents();
        ASSERT_NE(app->Document(), nullptr) << name;
        EXPECT_EQ(RecordedListing(), expected) << name;
        EXPECT_EQ(Doc().Rows(), 12u) << name;
        prompt.answers = {lumox::Answer::No};  // the question about saving the Results
        Run(cmd::kClose);
        ProcessEvents();
        ASSERT_EQ(app->Document(), nullptr) << name;
        // Opened again from the recent-file list, it is the same data set.
        ASSERT_NE(app->OpenDataFile(QString::fromStdString(path)), nullptr) << name;
        EXPECT_EQ(RecordedListing(), expected) << name;
        prompt.answers = {lumox::Answer::No};
        Run(cmd::kClose);
        ProcessEvents();
    }
    ASSERT_NE(app->OpenDataFile(LUMOX_SOURCE_DIR "/examples/tab21.dat"), nullptr);
    EXPECT_EQ(RecordedListing(), expected);
}

// Long integers and values of many digits: the window's listing is lumox-cli's, byte for
// byte, and shows an integer of up to fifteen digits whole.
TEST_F(InputDataTest, LongNumbersAreListedAsLumoxCliListsThem) {
    const QString path = DataFile("long.dat",
                                  "Big Small Last\r\n"
                                  "1234567890 1.2345678912 3\r\n"
                                  "123456789012345 0.12345678901234567 1.23456789012\r\n"
                                  "-98765432109 2.5 4\r\n");
    ASSERT_NE(app->OpenDataFile(path), nullptr);
    const std::string listing = RecordedListing();
    const CliResult cli = RunCli({path.toStdString(), "--input-data"});
    ASSERT_EQ(cli.status, 0) << cli.err;
    EXPECT_EQ(listing, cli.out);
    EXPECT_NE(listing.find("\r\n123456789012345 "), std::string::npos) << listing;
    EXPECT_NE(listing.find("\r\n-98765432109 "), std::string::npos) << listing;
}

}  // namespace
}  // namespace lumox::test

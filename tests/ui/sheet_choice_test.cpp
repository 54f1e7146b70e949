// Opening a spreadsheet of several sheets asks which one to read.
#include <QFile>
#include <cstdlib>

#include "document/lumox_doc.h"
#include "ui_fixture.h"

namespace lumox::test {
namespace {

class SheetChoice : public ShellTest {
protected:
    // A book of four sheets written by another program's library; empty when it is missing.
    QString Book() const {
        const std::string command = std::string(LUMOX_SYSTEM_PYTHON) + " " LUMOX_CLI_TESTS
                                    "/make_sheets.py " + dir.Path() + " > /dev/null";
        if (std::system(command.c_str()) != 0) return {};
        const QString path = QString::fromStdString(dir.File("openpyxl.xlsx"));
        return QFile::exists(path) ? path : QString();
    }
};

TEST_F(SheetChoice, TheSheetChosenIsReadAndCancelLeavesTheFileUnopened) {
    const QString book = Book();
    if (book.isEmpty()) GTEST_SKIP() << "python3-openpyxl is missing";
    const QStringList sheets = {"Doses", "Gaps", "Text", "Wide"};

    dialogs.sheetNames = {std::nullopt};
    EXPECT_EQ(app->OpenDataFile(book), nullptr);
    EXPECT_TRUE(prompt.messages.empty());

    dialogs.sheetNames = {QStringLiteral("Gaps")};
    CLumoxDoc* doc = app->OpenDataFile(book);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(dialogs.sheetsOffered, std::vector<QStringList>({sheets, sheets}));
    EXPECT_EQ(prompt.messages,
              std::vector<Message>({{"3 rows with missing values left out: 3, 5, 7",
                                     Icon::Information}}));
    EXPECT_EQ(doc->Rows(), 3u);
    EXPECT_EQ(doc->ColNames(), std::vector<std::string>({"x", "y"}));
}

}  // namespace
}  // namespace lumox::test

// The Edit Data dialog and its grid, driven through real key and mouse events.
#include "ui/edit_data_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "graph_test_application.h"
#include "support/scripted_prompt.h"
#include "ui/grid_ctrl.h"

namespace lumox::test {
namespace {

const std::string kNotEnoughData = "Not enough data for calculation or graphing!";
const std::string kEmptyCell = "Please enter data in empty cell!";

// Puts text on the clipboard for the lifetime of the object; the old contents come back.
class ClipboardText {
public:
    explicit ClipboardText(const std::optional<QString>& text) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (const QMimeData* data = clipboard->mimeData(); data && data->hasText())
            saved_ = data->text();
        if (text) {
            clipboard->setText(*text);
        } else {
            clipboard->clear();
        }
    }
    ~ClipboardText() {
        if (saved_) QGuiApplication::clipboard()->setText(*saved_);
    }

private:
    std::optional<QString> saved_;
};

// What LibreOffice Calc and Gnumeric put on the clipboard for a copied range: cells
// joined by TAB, every row ended by lineEnd, the last one included.
QString SpreadsheetCopy(const std::vector<std::vector<std::string>>& rows, const char* lineEnd) {
    std::string text;
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) text += (i ? "\t" : "") + row[i];
        text += lineEnd;
    }
    return QString::fromStdString(text);
}

// One entry of the grid's context menu as a person sees it.
struct Entry {
    QString text;
    bool enabled;
    friend bool operator==(const Entry&, const Entry&) = default;
};

class EditDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void TearDown() override {
        dialog.reset();
        EXPECT_TRUE(prompt.answers.empty()) << "answers left unused";
    }

    // Opens the dialog on lines (lineCount and columnCount 0 for a new data set).
    void Open(std::vector<std::string> given, int lineCount, int columnCount) {
        lines = std::move(given);
        dialog = std::make_unique<CEditDataDialog>(lines, lineCount, columnCount);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return dialog->isActiveWindow(); }));
        Grid().setFocus();
    }
    void OpenSmall() { Open({"x\ty", "1\t2", "3\t4"}, 3, 2); }

    CGridCtrl& Grid() const { return dialog->Grid(); }
    const GridLayout& State() const { return Grid().State(); }
    std::pair<int, int> Current() const { return {State().CurrentRow(), State().CurrentColumn()}; }
    QWidget* Focus() const { return QApplication::focusWidget(); }

    // Keys as a person types them, each to whatever has the focus at that moment.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focus(), static_cast<Qt::Key>(key), modifiers);
    }
    void Type(const std::string& keys) {
        for (const char c : keys) QTest::keyClick(Focus(), c);
    }
    // A point of the grid's viewport: the middle of a cell, or of a column's header.
    QPoint CellPoint(int row, int column) const {
        const GridRect rect = State().CellRect(row, column);
        return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    void Click(const QPoint& point) {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, point);
    }

    ScriptedPrompt prompt;
    std::vector<std::string> lines;
    std::unique_ptr<CEditDataDialog> dialog;
};

TEST_F(EditDataTest, ANewDataSetIsTypedCellByCell) {
    Open({}, 0, 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Current(), std::make_pair(1, 1));

    Key(Qt::Key_Up);
    Type("Hours");
    Key(Qt::Key_Tab);  // Tab in the last column stays there
    EXPECT_EQ(Current(), std::make_pair(0, 1));
    Grid().OnCommand(grid_cmd::kAddColumn);
    Key(Qt::Key_Right);
    Type("Score");
    Key(Qt::Key_Return);
    EXPECT_EQ(Current(), std::make_pair(1, 2));
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    Type("1.5");
    Key(Qt::Key_Tab);
    Type("52");
    Key(Qt::Key_Return);  // the last cell: a new row comes first
    EXPECT_EQ(Current(), std::make_pair(2, 2));
    Key(Qt::Key_Left);
    Type("-2e3");
    Key(Qt::Key_Tab);
    Type("61.25");
    Key(Qt::Key_Return);

    EXPECT_EQ(lines, (std::vector<std::string>{"Hours\tScore", "1.5\t52", "-2e3\t61.25", "\t"}));
    EXPECT_EQ(State().Rows(), 4);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(prompt.beeps, 0);
}

TEST_F(EditDataTest, RefusedKeystrokesAreTakenBack) {
    struct Case {
        int row;
        std::string keys;
        std::string cell;
        int beeps;
        std::vector<Message> messages;
    };
    const Case cases[] = {
        {1, "0e5", "05", 1, {}},
        {1, "1.1234567", "1.123456", 1, {}},
        {1, "-5", "-5", 0, {}},
        {1, "12a3", "123", 1, {}},
        {1, "1e99", "1e9", 1, {{"Maximum value is: 1e+20", Icon::Exclamation}}},
        {1, "-1e21", "-1e2", 1, {{"Minimum value is: -1e+20", Icon::Exclamation}}},
        {1,
         "12345678901234",
         "123456789012",
         2,
         {{"Too many characters...", Icon::Exclamation},
          {"Too many characters...", Icon::Exclamation}}},
        // Names are not numbers, but a blank or comma would split one into two cells.
        {0, "Body weight", "Bodyweight", 1, {}},
        {0, "a,b", "ab", 1, {}},
        {0, "1990", "1990", 0, {}},
    };
    for (const Case& c : cases) {
        OpenSmall();
        prompt.messages.clear();
        prompt.beeps = 0;
        Grid().GoToCell(c.row, 2);
        Type(c.keys);
        EXPECT_TRUE(Grid().IsEditing()) << c.keys;
        Key(Qt::Key_Return);
        EXPECT_EQ(dialog->GridData().GetCell(c.row, 2), c.cell) << c.keys;
        EXPECT_EQ(prompt.beeps, c.beeps) << c.keys;
        EXPECT_EQ(prompt.messages, c.messages) << c.keys;
        EXPECT_EQ(dialog->GridData().GetCell(c.row, 1), c.row == 0 ? "x" : "1") << c.keys;
    }
}

TEST_F(EditDataTest, EditorKeysCommitMoveAndCancel) {
    OpenSmall();
    // Escape takes back the whole edit.
    Type("99");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Grid().IsEditing());
    EXPECT_EQ(lines[1], "1\t2");

    // F2 edits the text in place; Left at its start moves on and edits the cell there.
    Grid().GoToCell(1, 2);
    Key(Qt::Key_F2);
    ASSERT_TRUE(Grid().IsEditing());
    EXPECT_EQ(Grid().Editor().selectedText(), "2");
    Key(Qt::Key_Home);
    Type("7");
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);  // now at the start, nothing selected
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    EXPECT_TRUE(Grid().IsEditing());
    EXPECT_EQ(lines[1], "1\t72");

    // Right at the end moves on, Down edits the row below, Up into the names edits nothing.
    Key(Qt::Key_End);
    Key(Qt::Key_Right);
    EXPECT_EQ(Current(), std::make_pair(1, 2));
    Key(Qt::Key_Down);
    EXPECT_EQ(Current(), std::make_pair(2, 2));
    EXPECT_TRUE(Grid().IsEditing());
    Type("40");
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(Current(), std::make_pair(0, 2));
    EXPECT_FALSE(Grid().IsEditing());
    EXPECT_EQ(lines, (std::vector<std::string>{"x\ty", "1\t72", "3\t40"}));

    // Shift+Enter commits and moves up.
    Grid().GoToCell(2, 1);
    Type("8");
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    EXPECT_EQ(lines[2], "8\t40");
}

TEST_F(EditDataTest, TheEditorWidensForLongTextUpToTheGridsEdge) {
    OpenSmall();
    Grid().GoToCell(0, 1);
    Key(Qt::Key_F2);
    const int start = Grid().Editor().width();
    Type("Temperature");
    const int widened = Grid().Editor().width();
    EXPECT_GT(widened, start);
    EXPECT_EQ((widened - start) % State().CharWidth(), 0);
    Type("AndPressureAndMoreOfIt");  // past 20 characters it stops growing
    EXPECT_LE(Grid().Editor().x() + Grid().Editor().width(), State().ResizeMaxX());
    Key(Qt::Key_Return);
    EXPECT_EQ(lines[0], "TemperatureAndPressureAndMoreOfIt\ty");
}

// With both scroll bars shown the grid lays out the viewport it really has: a view one scroll
// bar short left the last row cut mid-glyph above a blank strip.
TEST_F(EditDataTest, TheLayoutFillsTheViewportBesideItsScrollBars) {
    std::vector<std::string> given = {"a\tb\tc\td\te\tf\tg\th\ti\tj"};
    for (int row = 1; row <= 40; ++row) given.push_back("1\t2\t3\t4\t5\t6\t7\t8\t9\t10");
    Open(given, 41, 10);
    ASSERT_TRUE(State().HasVerticalScroll());
    ASSERT_TRUE(State().HasHorizontalScroll());
    EXPECT_EQ(State().ViewHeight(), Grid().viewport()->height());
    EXPECT_EQ(State().ViewWidth(), Grid().viewport()->width());
}

TEST_F(EditDataTest, DeleteEmptiesACellOrRemovesTheSelectedRow) {
    Open({"x\ty", "1\t2", "3\t4", "5\t6"}, 4, 2);
    Grid().GoToCell(2, 1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(lines, (std::vector<std::string>{"x\ty", "1\t2", "\t4", "5\t6"}));

    Click(QPoint(5, CellPoint(2, 1).y()));  // the row number
    EXPECT_EQ(State().SelectedRow(), 2);
    prompt.answers = {Answer::No};
    Key(Qt::Key_Delete);
    EXPECT_EQ(State().Rows(), 4);
    EXPECT_EQ(State().SelectedRow(), 2);  // No keeps the row and its selection

    prompt.answers = {Answer::Yes};
    Key(Qt::Key_Delete);
    EXPECT_EQ(lines, (std::vector<std::string>{"x\ty", "1\t2", "5\t6"}));
    EXPECT_EQ(State().SelectedRow(), 0);
    EXPECT_EQ(prompt.messages,
              (std::vector<Message>{{"Do you want to remove all data in Row 2?", Icon::Question},
                                    {"Do you want to remove all data in Row 2?", Icon::Question},
                                    {"All Rows have been renumbered.", Icon::Information}}));

    // Down to one observation: the last one can no longer be selected.
    Click(QPoint(5, CellPoint(2, 1).y()));
    prompt.answers = {Answer::Yes};
    Key(Qt::Key_Delete);
    EXPECT_EQ(lines, (std::vector<std::string>{"x\ty", "1\t2"}));
    Click(QPoint(5, CellPoint(1, 1).y()));
    EXPECT_EQ(State().SelectedRow(), 0);
}

TEST_F(EditDataTest, TheContextMenuFollowsTheSelection) {
    OpenSmall();
    auto entries = [this] {
        std::unique_ptr<QMenu> menu(Grid().CreateContextMenu());
        std::vector<Entry> result;
        for (QAction* action : menu->actions())
            result.push_back({action->text(), action->isEnabled()});
        return result;
    };
    EXPECT_EQ(entries(), (std::vector<Entry>{{"Add New &Column", true},
                                             {"Remove &Selected Column", false},
                                             {"Add New &Row", true},
                                             {"&Remove Selected Row", false}}));
    Click(CellPoint(0, 2));
    EXPECT_EQ(State().SelectedColumn(), 2);
    EXPECT_EQ(entries(), (std::vector<Entry>{{"Add New &Column", true},
                                             {"Remove &Selected Column", true},
                                             {"Add New &Row", true},
                                             {"&Remove Selected Row", false}}));
    Click(QPoint(5, CellPoint(1, 1).y()));
    EXPECT_EQ(State().SelectedColumn(), 0);
    EXPECT_EQ(entries()[3], (Entry{"&Remove Selected Row", true}));

    // Options shows the same menu; picking Add New Row adds a row.
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == "Add New &Row") action->trigger();
        }
        menu->close();
    });
    dialog->OptionsButton().click();
    EXPECT_EQ(lines, (std::vector<std::string>{"x\ty", "1\t2", "3\t4", "\t"}));
}

TEST_F(EditDataTest, RemovingTheSelectedColumnAsksByItsName) {
    OpenSmall();
    Click(CellPoint(0, 1));
    prompt.answers = {Answer::Yes};
    Grid().OnCommand(grid_cmd::kRemoveColumn);
    EXPECT_EQ(lines, (std::vector<std::string>{"y", "2", "4"}));
    EXPECT_EQ(State().Columns(), 1);
    EXPECT_EQ(State().SelectedColumn(), 0);
    EXPECT_EQ(prompt.Texts(),
              std::vector<std::string>{"Do you want to remove all data in Column 'x'?"});
    Click(CellPoint(0, 1));
    std::unique_ptr<QMenu> menu(Grid().CreateContextMenu());
    EXPECT_FALSE(menu->actions()[1]->isEnabled());  // the only column stays
}

TEST_F(EditDataTest, OkRefusesIncompleteDataAndShowsTheCell) {
    Open({}, 0, 0);
    dialog->OkButton().click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(prompt.messages, (std::vector<Message>{{kNotEnoughData, Icon::None}}));
    EXPECT_EQ(Current(), std::make_pair(1, 1));

    prompt.messages.clear();
    Open({"x\ty", "1\t2", "3\t", "5\t6"}, 4, 2);
    Grid().GoToCell(0, 1);
    dialog->OkButton().click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(prompt.messages, (std::vector<Message>{{kEmptyCell, Icon::None}}));
    EXPECT_EQ(Current(), std::make_pair(2, 2));
    EXPECT_EQ(Focus(), &Grid());

    Type("4");
    dialog->OkButton().click();  // the running edit is committed first
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->LineCount(), 4);
    EXPECT_EQ(dialog->ColumnCount(), 2);
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(lines[2], "3\t4");
}

TEST_F(EditDataTest, EnterAndEscapeNeverCloseTheDialog) {
    OpenSmall();
    Key(Qt::Key_Return);
    EXPECT_EQ(Current(), std::make_pair(2, 1));
    Key(Qt::Key_Escape);
    dialog->OkButton().setFocus();
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(prompt.messages.empty());
    // Ctrl+Tab leaves the grid for the buttons.
    Grid().setFocus();
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_NE(Focus(), &Grid());
}

TEST_F(EditDataTest, PasteTakesASpreadsheetRange) {
    const std::vector<std::vector<std::string>> range = {{"Dose", "Response", "Weight"},
                                                         {"1", "12.5", "60"},
                                                         {"2", "14.25", "71"},
                                                         {"4", "19", "65"}};
    for (const char* lineEnd : {"\n", "\r\n"}) {
        ClipboardText clipboard(SpreadsheetCopy(range, lineEnd));
        Open({}, 0, 0);
        ASSERT_TRUE(dialog->PasteButton().isEnabled());
        dialog->PasteButton().click();
        EXPECT_EQ(lines, (std::vector<std::string>{"Dose\tResponse\tWeight", "1\t12.5\t60",
                                                   "2\t14.25\t71", "4\t19\t65"}));
        EXPECT_EQ(State().Rows(), 4);
        EXPECT_EQ(State().Columns(), 3);
        dialog->OkButton().click();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(dialog->LineCount(), 4);
        EXPECT_EQ(dialog->ColumnCount(), 3);
        EXPECT_TRUE(dialog->Changed());
        EXPECT_TRUE(prompt.messages.empty());
    }
}

TEST_F(EditDataTest, PasteChecksLeaveTheGridAsItWas) {
    struct Case {
        std::optional<QString> clipboard;
        std::vector<Answer> answers;
        std::string message;
    };
    const Case cases[] = {
        {std::nullopt, {}, "Error in accessing Clipboard..."},
        {"x y\r\n1 2\r\n", {}, "Clipboard data appears incorrect..."},
        {"x y\r\n1 q\r\n3 4\r\n", {}, "Clipboard data appears incorrect..."},
        {"1 2\r\n3 4\r\n5 6\r\n",
         {Answer::No},
         "Data File: column names in the first row are all numeric! Is this correct?"},
    };
    for (const Case& c : cases) {
        ClipboardText clipboard(QStringLiteral("x\n1\n2\n"));
        Open({}, 0, 0);
        ClipboardText replaced(c.clipboard);
        prompt.messages.clear();
        prompt.answers.assign(c.answers.begin(), c.answers.end());
        dialog->OnPaste();
        EXPECT_EQ(prompt.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(lines, (std::vector<std::string>{"", ""}));
        EXPECT_FALSE(dialog->GridData().IsModified());
    }
}

TEST_F(EditDataTest, PasteIsOfferedOnlyForANewDataSetWithTextOnTheClipboard) {
    {
        ClipboardText clipboard(QStringLiteral("x\n1\n2\n"));
        OpenSmall();
        EXPECT_FALSE(dialog->PasteButton().isEnabled());
        Open({}, 0, 0);
        EXPECT_TRUE(dialog->PasteButton().isEnabled());
    }
    ClipboardText empty(std::nullopt);
    Open({}, 0, 0);
    EXPECT_FALSE(dialog->PasteButton().isEnabled());
}

TEST_F(EditDataTest, UndoTakesBackEditsPasteAndRows) {
    ClipboardText clipboard(QStringLiteral("a\tb\n1\t2\n3\t4\n"));
    Open({}, 0, 0);
    Type("5");
    Key(Qt::Key_Return);
    dialog->PasteButton().click();
    Grid().OnCommand(grid_cmd::kAddRow);
    EXPECT_EQ(State().Rows(), 4);

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lines, (std::vector<std::string>{"a\tb", "1\t2", "3\t4"}));
    EXPECT_EQ(State().Rows(), 3);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lines, (std::vector<std::string>{"", "5", ""}));
    EXPECT_EQ(State().Columns(), 1);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lines, (std::vector<std::string>{"", ""}));
    Key(Qt::Key_Z, Qt::ControlModifier);  // nothing left to undo
    EXPECT_EQ(State().Rows(), 2);
}

TEST_F(EditDataTest, CtrlCCopiesTheCurrentCell) {
    ClipboardText clipboard(QStringLiteral("old"));
    OpenSmall();
    Grid().GoToCell(2, 2);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "4");
}

TEST_F(EditDataTest, ColumnsAreResizedByDraggingTheirDivider) {
    OpenSmall();
    const GridRect header = State().CellRect(0, 1);
    const int y = header.top + 5;
    QWidget* viewport = Grid().viewport();
    struct Case {
        int toX;
        int width;
    };
    const Case cases[] = {
        {header.right + 30, header.Width() + 30},
        {header.left + 3, 2 * State().CharWidth()},  // never narrower than two characters
    };
    for (const Case& c : cases) {
        const int right = State().CellRect(0, 1).right;
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(right - 2, y));
        QTest::mouseMove(viewport, QPoint(c.toX, y));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(c.toX, y));
        EXPECT_EQ(State().ColumnWidth(1), c.width) << c.toX;
    }
}

TEST_F(EditDataTest, KeysAndScrollBarsScrollInWholeRows) {
    std::vector<std::string> many = {"n"};
    for (int i = 1; i <= 200; ++i) many.push_back(std::to_string(i));
    Open(many, 201, 1);
    QScrollBar* bar = Grid().verticalScrollBar();
    ASSERT_TRUE(State().HasVerticalScroll());
    Key(Qt::Key_PageDown);
    EXPECT_EQ(State().FirstRow(), State().VerticalPage());
    EXPECT_EQ(bar->value(), State().FirstRow());
    EXPECT_EQ(State().CurrentRow(), State().FirstRow() + 1);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(State().CurrentRow(), 200);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->setValue(3);
    EXPECT_EQ(State().FirstRow(), 3);
    EXPECT_EQ(Grid().State().HitTest(CellPoint(4, 1).x(), CellPoint(4, 1).y()).row, 4);
}

TEST_F(EditDataTest, PaintingShowsCellsSelectionAndFocusFrame) {
    OpenSmall();
    Click(QPoint(5, CellPoint(2, 1).y()));
    const QImage image = Grid().viewport()->grab().toImage();
    auto at = [&image](int x, int y) { return image.pixelColor(x, y).rgb() & 0xFFFFFF; };
    const GridRect unselected = State().CellRect(1, 2);
    EXPECT_EQ(at(unselected.left + 3, unselected.top + 2), 0xFFFBF0u);   // the cell colour
    EXPECT_EQ(at(unselected.right - 2, unselected.top + 5), 0xC0C0C0u);  // its grid line
    const GridRect selected = State().CellRect(2, 2);
    EXPECT_EQ(at(selected.left + 3, selected.top + 2), 0x00040Fu);  // inverted
    const GridRect current = State().FrameRect(1, 1);
    EXPECT_EQ(at(current.left, current.top + 5), 0x000000u);  // the focus frame
}

}  // namespace
}  // namespace lumox::test

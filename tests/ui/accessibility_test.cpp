// What a screen reader finds: the data grid as a table of the data, a name on every
// control a person works, and the graph page and the equation picture in words.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "dialog_test_support.h"
#include "ui/equation_picture.h"
#include "ui/grid_ctrl.h"

namespace lumox::test {
namespace {

QString Name(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

TEST(GridAccessibility, TheGridIsATableOfTheDataThatTellsItsChanges) {
    EnsureApplication();
    ScriptedPrompt prompt;
    std::vector<std::string> lines = {"Hours\tScore", "1.5\t52", "3\t61"};
    CEditDataDialog dialog(lines, 3, 2);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isActiveWindow(); }));
    CGridCtrl& grid = dialog.Grid();
    grid.setFocus();

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_NE(iface, nullptr);
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    EXPECT_EQ(iface->text(QAccessible::Name), "Data");
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->columnDescription(1), "Score");
    // The names row heads the columns; the observations are the table's cells.
    EXPECT_EQ(iface->childCount(), 6);
    const char* texts[2][2] = {{"1.5", "52"}, {"3", "61"}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            QAccessibleInterface* cell = table->cellAt(row, column);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->role(), QAccessible::Cell);
            EXPECT_EQ(cell->text(QAccessible::Name), texts[row][column]);
            EXPECT_EQ(cell->parent(), iface);
            EXPECT_EQ(iface->child(iface->indexOfChild(cell)), cell);
            const QList<QAccessibleInterface*> headers =
                cell->tableCellInterface()->columnHeaderCells();
            ASSERT_EQ(headers.size(), 1);
            EXPECT_EQ(headers[0]->role(), QAccessible::ColumnHeader);
            EXPECT_EQ(headers[0]->text(QAccessible::Name), column == 0 ? "Hours" : "Score");
        }
    }
    EXPECT_EQ(table->cellAt(2, 0), nullptr);

    // The current cell is the table's focus.
    QAccessibleInterface* second = table->cellAt(1, 0);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(iface->focusChild(), second);
    EXPECT_TRUE(second->state().focused);

    // The editor says which cell it edits; the new text is read from the same cell.
    QTest::keyClick(&grid, '7');
    ASSERT_TRUE(grid.IsEditing());
    EXPECT_EQ(grid.Editor().accessibleName(), "Row 2, Hours");
    EXPECT_EQ(iface->focusChild()->object(), &grid.Editor());
    QTest::keyClick(&grid.Editor(), Qt::Key_Return);
    EXPECT_EQ(second->text(QAccessible::Name), "7");

    // A new row changes the table's shape; a row chosen for removal is its selection.
    grid.OnCommand(grid_cmd::kAddRow);
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->cellAt(2, 1)->text(QAccessible::Name), "");
    const GridRect number = grid.State().CellRect(2, 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(grid.State().ColumnWidth(0) / 2, (number.top + number.bottom) / 2));
    EXPECT_EQ(table->selectedRows(), QList<int>{1});
    EXPECT_EQ(table->selectedCellCount(), 2);
    EXPECT_TRUE(table->cellAt(1, 1)->state().selected);
    EXPECT_FALSE(table->cellAt(0, 1)->state().selected);
}

using AccessibleNames = DialogTest;

TEST_F(AccessibleNames, EveryControlOfTheDialogsAndWindowsHasAName) {
    CLumoxDoc& doc = OpenFittedExample("tab21.dat");
    std::vector<std::string> lines = {"A B", "1 2"};
    const std::vector<std::unique_ptr<QWidget>> all = EveryDialog(doc, lines);
    std::vector<QWidget*> windows;
    for (const auto& dialog : all) windows.push_back(dialog.get());
    for (const ViewKind kind : {ViewKind::Results, ViewKind::Graph, ViewKind::BuildEquation}) {
        DocumentView* view = app->Document()->ShowView(kind);
        ASSERT_NE(view, nullptr);
        windows.push_back(view->Widget()->parentWidget());
        // The view is named after its window.
        EXPECT_EQ(Name(view->Widget()), view->Widget()->parentWidget()->windowTitle());
    }
    int checked = 0;
    for (QWidget* window : windows) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool worked =
                qobject_cast<QLineEdit*>(control) || qobject_cast<QCheckBox*>(control) ||
                qobject_cast<QRadioButton*>(control) || qobject_cast<QComboBox*>(control) ||
                qobject_cast<QAbstractScrollArea*>(control) ||
                qobject_cast<EquationPicture*>(control);
            if (!worked) continue;
            ++checked;
            EXPECT_FALSE(Name(control).isEmpty())
                << window->windowTitle().toStdString() << ": " << control->metaObject()->className()
                << " " << control->objectName().toStdString();
        }
    }
    EXPECT_GT(checked, 60);
}

// Every label and button of every dialog gets the room its text asks for with the
// font at one and a half times its size.
TEST_F(AccessibleNames, EveryTextOfTheDialogsFitsWithTheFontOneAndAHalfTimesAsLarge) {
    CLumoxDoc& doc = OpenFittedExample("tab21.dat");
    struct FontScale {
        QFont normal = QApplication::font();
        FontScale() {
            QFont large = normal;
            large.setPointSizeF(normal.pointSizeF() * 1.5);
            QApplication::setFont(large);
        }
        ~FontScale() { QApplication::setFont(normal); }
    } scale;
    std::vector<std::string> lines = {"A B", "1 2"};
    for (const auto& dialog : EveryDialog(doc, lines)) {
        dialog->show();
        ProcessEvents();
        for (QWidget* text : dialog->findChildren<QWidget*>()) {
            if (!text->isVisible() ||
                (!qobject_cast<QLabel*>(text) && !qobject_cast<QAbstractButton*>(text))) {
                continue;
            }
            const QSize needed = text->minimumSizeHint();
            EXPECT_TRUE(text->width() >= needed.width() && text->height() >= needed.height())
                << dialog->windowTitle().toStdString() << ": " << text->metaObject()->className()
                << " " << text->property("text").toString().toStdString() << " is " << text->width()
                << " x " << text->height() << ", needs " << needed.width() << " x "
                << needed.height();
        }
        dialog->hide();
    }
}

TEST_F(AccessibleNames, AScreenReadersToggleTakesTheHighlightedVariableAsAClickDoes) {
    CLumoxDoc& doc = OpenExample("tab21.dat");
    auto toggle = [](QAbstractButton* box) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(iface->actionInterface(), nullptr);
        iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    DescriptiveStatisticsDialog statistics(doc);
    statistics.variables->setCurrentRow(1);
    toggle(statistics.take);
    EXPECT_TRUE(statistics.take->isChecked());
    EXPECT_EQ(statistics.name->text(), "Score");
    EXPECT_EQ(statistics.values[0]->text(), "12");
    toggle(statistics.take);
    EXPECT_FALSE(statistics.take->isChecked());
    EXPECT_EQ(statistics.name->text(), "");

    CGraphSelectDlg select(doc, 1);
    select.Variables()->setCurrentRow(0);
    toggle(select.Controls(0).xBox);
    EXPECT_TRUE(select.Controls(0).xBox->isChecked());
    EXPECT_EQ(select.Controls(0).xEdit->text(), "Hours");
    toggle(select.Controls(0).xBox);
    EXPECT_FALSE(select.Controls(0).xBox->isChecked());
    EXPECT_EQ(select.Controls(0).xEdit->text(), "");
}

TEST_F(AccessibleNames, TheGraphPageAndTheEquationPictureAreDescribedInWords) {
    CLumoxDoc& doc = OpenFittedExample("tab21.dat");
    auto description = [&] {
        app->Document()->ShowGraphWindow();
        DocumentView* view = app->Document()->FindView(ViewKind::Graph);
        return view ? view->Widget()->accessibleDescription().toStdString() : std::string();
    };
    doc.SetupScatterPage(2, {{0, 1, 1, 1, 0, 1}, {1, 0, 0, 0}});
    EXPECT_EQ(description(),
              "Graph 1, scatter graph \"Data\": Score against Hours, 12 points, with the trend "
              "line, with the fitted curve of Score = b0 + b1 Hours, with the prediction band at "
              "95%. Graph 2, scatter graph "
              "\"Data\": Hours against Score, 12 points.");
    doc.SetupHistogram({true, 1, 6, HistogramKind::Relative});
    EXPECT_EQ(description(),
              "Histogram \"Histogram\" of Score: relative frequencies (%) of 12 observations in 6 "
              "classes, with the normal curve.");
    doc.SetupHistogram({true, 0, 4, HistogramKind::Cumulative});
    EXPECT_EQ(description(),
              "Ogive \"Ogive\" of Hours: cumulative frequencies of 12 observations in 4 classes.");

    EquationPicture picture;
    const std::string equation = picture.accessibleDescription().toStdString();
    EXPECT_EQ(equation.substr(0, 42), "y hat = beta hat 0 + beta hat 1 x 1 + beta");
    EXPECT_TRUE(equation.ends_with("beta hat 9 x 9")) << equation;
}

}  // namespace
}  // namespace lumox::test

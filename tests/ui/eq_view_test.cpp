#include "ui/eq_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "cli_run.h"
#include "platform/format.h"
#include "support/data_sets.h"
#include "ui/command_ids.h"
#include "ui/document_windows.h"
#include "ui/equation_picture.h"
#include "ui/lumox_view.h"
#include "ui/record_reports_dialog.h"
#include "ui_fixture.h"

namespace lumox::test {
namespace {

class EqViewTest : public ShellTest {
protected:
    // Opens the data and the Build Equation window through Regression Workbench.
    CEqView* Open(int rows) {
        if (app->OpenDataFile(DataFile("abc.dat", ThreeVariables(rows))) == nullptr) return nullptr;
        Run(cmd::kRegressionWorkbench);
        return View();
    }
    CEqView* View() const {
        DocumentWindows* document = app->Document();
        return document ? dynamic_cast<CEqView*>(document->FindView(ViewKind::BuildEquation))
                        : nullptr;
    }
    static QStringList Items(const QComboBox* box) {
        QStringList items;
        for (int k = 0; k < box->count(); ++k) items << box->itemText(k);
        return items;
    }
    static QStringList Fields(const CEqView* view, bool transforms = false) {
        QStringList fields;
        for (int entry = 0; entry < BuildEquationState::kEntries; ++entry) {
            fields
                << (transforms ? view->TransformField(entry) : view->VariableField(entry))->text();
        }
        return fields;
    }
    static void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        ProcessEvents();
    }
    // Clicks the entry's radio button and picks the list items with these texts.
    static void Set(CEqView* view, int entry, const QString& variable,
                    const QString& transform = QString()) {
        Click(view->EntryButton(entry));
        const int k = view->VariableList()->findText(variable);
        ASSERT_GE(k, 0) << variable.toStdString();
        view->VariableList()->setCurrentIndex(k);
        if (transform.isEmpty()) return;
        const int t = view->TransformList()->findText(transform);
        ASSERT_GE(t, 0) << transform.toStdString();
        view->TransformList()->setCurrentIndex(t);
    }
    // Opens tab411.dat and chooses Yield = 1 + Temp + log(Pressure) + Flow + Temp*Flow entry
    // by entry in the Build Equation window; null when the window did not open.
    CEqView* ChooseTab411Equation() {
        if (app->OpenDataFile(QStringLiteral(LUMOX_SOURCE_DIR "/examples/tab411.dat")) == nullptr)
            return nullptr;
        Run(cmd::kRegressionWorkbench);
        CEqView* view = View();
        if (view == nullptr) return nullptr;
        Set(view, 0, "Yield");
        Set(view, 1, "1");
        Set(view, 2, "Temp");
        Set(view, 3, "Pressure", "log(x)");
        Set(view, 4, "Flow");
        Set(view, 5, "X1X3");
        return view;
    }
    static QPushButton* Button(const CEqView* view, const QString& text) {
        for (QPushButton* button : view->findChildren<QPushButton*>()) {
            if (QString(button->text()).remove(QLatin1Char('&')) == text) return button;
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }
};

const QStringList kNoFields(BuildEquationState::kEntries, QString());

TEST_F(EqViewTest, OpensCaptionedWithYSelectedAndRecordOff) {
    CEqView* view = Open(20);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget()->windowTitle(), QStringLiteral("abc.dat - Build Equation"));
    EXPECT_TRUE(view->EntryButton(0)->isChecked());
    EXPECT_EQ(Items(view->VariableList()), QStringList({"(None)", "A", "B", "C"}));
    EXPECT_EQ(view->VariableList()->currentIndex(), -1);
    EXPECT_FALSE(view->RecordButton()->isEnabled());
    EXPECT_EQ(view->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_NE(view->VariableField(0)->palette().color(QPalette::Base), QColor(192, 192, 192));
    // The show command finds the same window again.
    EXPECT_TRUE(app->Router().Execute(cmd::kShowBuildEquationWindow));
    EXPECT_EQ(View(), view);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(EqViewTest, ListsServeTheSelectedEntry) {
    CEqView* view = Open(20);
    ASSERT_NE(view, nullptr);
    Set(view, 0, "C", "log(y)");
    EXPECT_EQ(Items(view->TransformList()), QStringList({"(None)", "sqrt(y)", "log(y)", "1/y"}));
    // x3 lies behind the first empty entry: both lists empty.
    Click(view->EntryButton(4));
    EXPECT_EQ(view->VariableList()->count(), 0);
    EXPECT_EQ(view->TransformList()->count(), 0);
    // x0 offers the constant and takes it at once; it has no transforms.
    Click(view->EntryButton(1));
    EXPECT_EQ(Items(view->VariableList()), QStringList({"(None)", "1"}));
    EXPECT_EQ(view->VariableList()->currentText(), QStringLiteral("1"));
    EXPECT_EQ(view->TransformList()->count(), 0);
    Set(view, 2, "A", "x^2");
    EXPECT_EQ(Items(view->TransformList()),
              QStringList({"(None)", "sqrt(x)", "log(x)", "1/x", "1/x^2", "e^-x", "x^2", "x^3",
                           "x^4", "x^5", "x^6"}));
    Set(view, 3, "B");
    Click(view->EntryButton(4));
    EXPECT_EQ(Items(view->VariableList()), QStringList({"(None)", "A", "B"}));
    Set(view, 2, "A");
    Click(view->EntryButton(4));
    EXPECT_EQ(Items(view->VariableList()), QStringList({"(None)", "A", "B", "X1X2"}));
    EXPECT_EQ(Fields(view), QStringList({"C", "1", "A", "B", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Fields(view, true), QStringList({"log(y)", "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(EqViewTest, FourObservationsDisableX3ToX9) {
    CEqView* view = Open(4);
    ASSERT_NE(view, nullptr);
    for (int entry = 0; entry < BuildEquationState::kEntries; ++entry) {
        EXPECT_EQ(view->EntryButton(entry)->isEnabled(), entry < 4) << entry;
    }
}

TEST_F(EqViewTest, CalculateShowsTheFitAndAFailureTakesRecordAway) {
    CEqView* view = Open(20);
    ASSERT_NE(view, nullptr);
    Click(Button(view, "Default Data"));
    EXPECT_EQ(Fields(view), QStringList({"C", "1", "A", "B", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(view->EntryButton(0)->isChecked());
    Click(Button(view, "Calculate"));
    CLumoxDoc& doc = app->Document()->Doc();
    ASSERT_TRUE(doc.HasFit());
    EXPECT_EQ(view->StandardErrorField()->text().toStdString(),
              Format("%g", doc.Fit().m_standardError));
    EXPECT_EQ(view->RSquareField()->text().toStdString(), Format("%g", doc.Fit().m_rSquare));
    EXPECT_TRUE(view->RecordButton()->isEnabled());
    EXPECT_TRUE(Enabled(cmd::kRegressionWorkbench));

    const QString standardError = view->StandardErrorField()->text();
    Set(view, 4, "A");
    Click(Button(view, "Calculate"));
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{"Equation has duplicate columns!"}));
    EXPECT_FALSE(view->RecordButton()->isEnabled());
    EXPECT_EQ(view->StandardErrorField()->text(), standardError);
}

TEST_F(EqViewTest, AGapEmptiesTheEntriesBehindIt) {
    CEqView* view = Open(20);
    ASSERT_NE(view, nullptr);
    Set(view, 0, "C");
    Set(view, 1, "1");
    Set(view, 2, "A");
    Set(view, 3, "B", "sqrt(x)");
    Click(Button(view, "Calculate"));
    ASSERT_FALSE(view->StandardErrorField()->text().isEmpty());
    Set(view, 2, "(None)");
    // By the time the message shows, the entries and the summary are empty.
    QStringList shown;
    QString summary = QStringLiteral("not shown");
    prompt.onShow = [&](const Message&) {
        shown = Fields(view);
        summary = view->StandardErrorField()->text();
    };
    Click(Button(view, "Calculate"));
    EXPECT_EQ(shown, QStringList({"C", "1", "", "", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(summary.isEmpty());
    EXPECT_EQ(prompt.messages,
              (std::vector<Message>{
                  {"The equation needs y, x0 and at least one more term!", Icon::Stop}}));
    EXPECT_EQ(Fields(view), QStringList({"C", "1", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Fields(view, true), kNoFields);
    EXPECT_TRUE(view->StandardErrorField()->text().isEmpty());
    EXPECT_TRUE(view->RSquareField()->text().isEmpty());
    EXPECT_FALSE(view->RecordButton()->isEnabled());
}

TEST_F(EqViewTest, NarrowFieldsShowTheStartOfLongNamesAndTabPassesThemBy) {
    ASSERT_NE(app->OpenDataFile(QStringLiteral(LUMOX_SOURCE_DIR "/examples/longley.dat")), nullptr);
    Run(cmd::kRegressionWorkbench);
    CEqView* view = View();
    ASSERT_NE(view, nullptr);
    Click(Button(view, "Default Data"));
    for (int entry = 0; entry < BuildEquationState::kEntries; ++entry) {
        for (const QLineEdit* field : {view->VariableField(entry), view->TransformField(entry)}) {
            EXPECT_EQ(field->cursorPosition(), 0) << entry;
            EXPECT_FALSE(field->focusPolicy() & Qt::TabFocus) << entry;
        }
    }
    EXPECT_EQ(view->VariableField(3)->text(), "GNPDeflator");
    EXPECT_TRUE(view->StandardErrorField()->focusPolicy() & Qt::TabFocus);
}

TEST_F(EqViewTest, ClearEquationEmptiesEveryField) {
    CEqView* view = Open(20);
    ASSERT_NE(view, nullptr);
    Click(Button(view, "Default Data"));
    Click(Button(view, "Calculate"));
    Set(view, 3, "B", "1/x^2");
    Click(Button(view, "Clear Equation"));
    EXPECT_EQ(Fields(view), kNoFields);
    EXPECT_EQ(Fields(view, true), kNoFields);
    EXPECT_TRUE(view->StandardErrorField()->text().isEmpty());
    EXPECT_FALSE(view->RecordButton()->isEnabled());
    EXPECT_TRUE(view->EntryButton(0)->isChecked());
    EXPECT_EQ(Items(view->VariableList()), QStringList({"(None)", "A", "B", "C"}));
}

TEST_F(EqViewTest, ClosingDiscardsTheFitAndReopeningStartsEmpty) {
    CEqView* view = Open(20);
    ASSERT_NE(view, nullptr);
    Click(Button(view, "Default Data"));
    Click(Button(view, "Calculate"));
    ASSERT_TRUE(app->Document()->Doc().HasFit());
    Click(Button(view, "Close"));
    EXPECT_EQ(View(), nullptr);
    EXPECT_FALSE(app->Document()->Doc().HasFit());
    Run(cmd::kRegressionWorkbench);
    view = View();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Fields(view), kNoFields);
    EXPECT_EQ(view->State().Equation().m_aTerms, EquationModel().m_aTerms);
    EXPECT_FALSE(view->RecordButton()->isEnabled());
    // Closing the document with the window open closes it too.
    Run(cmd::kClose);
    EXPECT_EQ(app->Document(), nullptr);
}

// The entries left for a data file are kept in the profile and come back, with y selected,
// the first time its window opens after the file is opened again (reopening the window
// within one opening starts empty, as above); a file whose variables changed since starts
// empty without a word.
TEST_F(EqViewTest, EntriesLeftForAFileComeBackWhenItIsOpenedAgain) {
    CEqView* view = Open(20);
    ASSERT_NE(view, nullptr);
    Click(Button(view, "Default Data"));
    const QStringList chosen = Fields(view);
    ASSERT_EQ(view->EquationTextField()->text(), "C = 1 + A + B");
    Run(cmd::kClose);
    settings->sync();
    const QSettings nextRun(settings->fileName(), QSettings::IniFormat);
    EXPECT_EQ(nextRun.value("Build Equation/Files/1/Equation").toString(), "C = 1 + A + B");

    view = Open(20);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Fields(view), chosen);
    EXPECT_TRUE(view->EntryButton(0)->isChecked());
    Run(cmd::kClose);

    ASSERT_NE(app->OpenDataFile(DataFile("abc.dat", "A B Z\r\n1 2 3\r\n4 5 7\r\n7 1 9\r\n")), nullptr);
    Run(cmd::kRegressionWorkbench);
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(Fields(View()), kNoFields);
    EXPECT_TRUE(prompt.messages.empty());
}

// Record appends exactly what lumox-cli records for the same equation, reports and level;
// a cancelled choice records nothing.
TEST_F(EqViewTest, RecordAppendsWhatTheCommandLineRecords) {
    CEqView* view = ChooseTab411Equation();
    ASSERT_NE(view, nullptr);
    Click(Button(view, "Calculate"));
    ASSERT_TRUE(view->RecordButton()->isEnabled());

    // The dialog's boxes start checked for equation, anova and correlation, then as the
    // last Record left them; each case clicks the ones to change.
    struct Case {
        std::string reports;
        std::vector<QCheckBox * RecordReportsDialog::*> clicks;
        const char* level;
        ReportKinds recorded;
    };
    const Case cases[] = {
        {"equation,anova,correlation,residuals,intervals",
         {&RecordReportsDialog::residuals, &RecordReportsDialog::intervals},
         "90",
         {ReportKind::Equation, ReportKind::Anova, ReportKind::Correlation, ReportKind::Residuals,
          ReportKind::Intervals}},
        {"equation,intervals",
         {&RecordReportsDialog::anova, &RecordReportsDialog::correlation,
          &RecordReportsDialog::residuals},
         "99",
         {ReportKind::Equation, ReportKind::Intervals}},
    };
    std::string expected;
    for (const Case& c : cases) {
        dialogs.dialogScripts.push_back([&c](QDialog& shown) {
            auto& dialog = dynamic_cast<RecordReportsDialog&>(shown);
            EXPECT_FALSE(dialog.correlation->isHidden());
            for (QCheckBox* RecordReportsDialog::*box : c.clicks) (dialog.*box)->click();
            dialog.levelEdit->setText(QString::fromLatin1(c.level));
            dialog.recordButton->click();
            return dialog.result();
        });
        Click(view->RecordButton());
        EXPECT_TRUE(dialogs.dialogScripts.empty());
        const CliResult cli =
            RunCli({"tab411.dat", "--reports", c.reports, "--level", c.level, "--fit",
                    "Yield = 1 + Temp + log(Pressure) + Flow + Temp*Flow"});
        ASSERT_EQ(cli.status, 0) << cli.err;
        expected += cli.out;
        EXPECT_EQ(Results()->GetText(), expected) << c.reports;
        EXPECT_EQ(app->Document()->Doc().RecordedReports(), c.recorded);
    }
    dialogs.dialogScripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
    Click(view->RecordButton());
    EXPECT_EQ(Results()->GetText(), expected);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_NE(expected.find("REGRESSION EQUATION"), std::string::npos);
}

// The equation typed as lumox-cli takes it fills the entries as choosing them one by one
// does, and choosing them writes the same text back; a refused text says what lumox-cli says.
TEST_F(EqViewTest, ATypedEquationFillsTheEntriesAsChoosingThemDoes) {
    CEqView* view = ChooseTab411Equation();
    ASSERT_NE(view, nullptr);
    const QString text = QStringLiteral("Yield = 1 + Temp + log(Pressure) + Flow + Temp*Flow");
    EXPECT_EQ(view->EquationTextField()->text(), text);
    const QStringList variables = Fields(view);
    const QStringList transforms = Fields(view, true);

    Click(Button(view, "Clear Equation"));
    EXPECT_EQ(view->EquationTextField()->text(), "");
    view->EquationTextField()->setText(text);
    QTest::keyClick(view->EquationTextField(), Qt::Key_Return);
    EXPECT_EQ(Fields(view), variables);
    EXPECT_EQ(Fields(view, true), transforms);
    EXPECT_EQ(view->EquationTextField()->text(), text);
    Click(Button(view, "Calculate"));
    EXPECT_TRUE(view->RecordButton()->isEnabled());

    const std::string refused = "Yield = 1 + Temp + Wind";
    view->EquationTextField()->setText(QString::fromStdString(refused));
    QTest::keyClick(view->EquationTextField(), Qt::Key_Return);
    EXPECT_EQ(Fields(view), variables);  // the equation stays as it was
    const CliResult cli = RunCli({"tab411.dat", "--fit", refused});
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ("lumox: " + prompt.messages[0].text + "\n", cli.err);
    EXPECT_EQ(prompt.messages[0].icon, Icon::Stop);
}

// The picture has ink over every entry column, none at the box's ends, and grows with the
// window. The entry fields are a little narrower than their spacing and the outer ones
// reach the box's ends, as in the window.
TEST(EquationPictureTest, TermsStandOverTheirColumnsAtEverySize) {
    EnsureApplication();
    struct Case {
        int width, height;
    };
    int previousInk = 0;
    for (const Case c : {Case{600, 30}, Case{710, 40}, Case{1200, 60}}) {
        QImage image(c.width, c.height, QImage::Format_RGB32);
        image.fill(Qt::white);
        std::vector<double> centres;
        const double field = (c.width - 10 * 6.0) / 11.0;
        const double column = c.width / 11.0;
        for (int k = 0; k < 11; ++k) centres.push_back(k * (field + 6.0) + field / 2.0);
        {
            QPainter painter(&image);
            PaintGeneralEquation(painter, QRectF(0, 0, c.width, c.height), centres);
        }
        int inkRows = 0;
        for (int k = 0; k < 11; ++k) {
            int ink = 0;
            int top = c.height, bottom = -1;
            for (int y = 0; y < c.height; ++y) {
                for (int x = static_cast<int>(column * k); x < static_cast<int>(column * (k + 1));
                     ++x) {
                    if (qGray(image.pixel(x, y)) < 128) {
                        ++ink;
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
                }
            }
            EXPECT_GT(ink, 0) << "column " << k << " at " << c.width;
            inkRows = std::max(inkRows, bottom - top + 1);
        }
        for (int y = 0; y < c.height; ++y) {
            for (const int x : {0, 1, 2, c.width - 3, c.width - 2, c.width - 1}) {
                EXPECT_GE(qGray(image.pixel(x, y)), 128) << x << "," << y << " at " << c.width;
            }
        }
        EXPECT_GT(inkRows, previousInk) << c.width;
        previousInk = inkRows;
    }
}

}  // namespace
}  // namespace lumox::test

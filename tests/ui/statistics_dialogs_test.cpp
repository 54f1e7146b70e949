// Descriptive Statistics, Histogram Variable Selection and Select Reports to Record,
// driven through their widgets.
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include "dialog_test_support.h"
#include "support/data_sets.h"
#include "ui/command_ids.h"
#include "ui/descriptive_statistics_dialog.h"
#include "ui/histogram_dialog.h"
#include "ui/record_reports_dialog.h"

namespace lumox::test {
namespace {

using StatisticsDialogs = DialogTest;

std::vector<std::string> Texts(const std::array<QLineEdit*, 7>& edits) {
    std::vector<std::string> texts;
    for (const QLineEdit* edit : edits) texts.push_back(edit->text().toStdString());
    return texts;
}

TEST_F(StatisticsDialogs, DescriptiveStatisticsShowTheCheckedVariable) {
    CLumoxDoc* doc = app->OpenDataFile(DataFile("xy.dat", "X Y\r\n1 2\r\n3 4\r\n5 9\r\n"));
    ASSERT_NE(doc, nullptr);
    DescriptiveStatisticsDialog dialog(*doc);
    EXPECT_EQ(dialog.windowTitle(), "Descriptive Statistics");
    ASSERT_EQ(dialog.variables->count(), 2);
    EXPECT_EQ(dialog.variables->item(1)->text(), "Y");
    EXPECT_FALSE(dialog.recordButton->isEnabled());

    // A click with nothing highlighted changes nothing, even after the list had the focus
    // (which makes its first row current without highlighting it).
    dialog.show();
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(dialog.variables, &focus);
    ASSERT_EQ(dialog.variables->currentRow(), 0);
    dialog.take->click();
    EXPECT_FALSE(dialog.take->isChecked());
    EXPECT_EQ(dialog.name->text(), "");

    struct Row {
        int column;
        const char* name;
        std::vector<std::string> values;  // count, min, mean, median, max, variance, sd
    };
    const Row rows[] = {
        {0, "X", {"3", "1", "3", "3", "5", "4", "2"}},
        {1, "Y", {"3", "2", "5", "4", "9", "13", "3.60555128"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TakeVariable(dialog.variables, row.column, dialog.take);
        EXPECT_TRUE(dialog.take->isChecked());
        EXPECT_EQ(dialog.name->text(), row.name);
        EXPECT_EQ(Texts(dialog.values), row.values);
        EXPECT_TRUE(dialog.recordButton->isEnabled());
        // Unchecking empties every field; Record stays as it was.
        dialog.take->click();
        EXPECT_FALSE(dialog.take->isChecked());
        EXPECT_EQ(dialog.name->text(), "");
        EXPECT_EQ(Texts(dialog.values), std::vector<std::string>(7));
        EXPECT_TRUE(dialog.recordButton->isEnabled());
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(StatisticsDialogs, DescriptiveRecordAppendsTheHighlightedVariableAsTheCliDoes) {
    OpenExample("tab21.dat");
    ASSERT_TRUE(Enabled(cmd::kDescriptiveStatistics));
    Script<DescriptiveStatisticsDialog>([](DescriptiveStatisticsDialog& dialog) {
        TakeVariable(dialog.variables, 0, dialog.take);
        dialog.recordButton->click();
        // Checked Hours, then highlighted Score: Record reports the highlighted one.
        dialog.variables->setCurrentRow(1);
        dialog.recordButton->click();
        EXPECT_TRUE(dialog.isVisible()) << "Record keeps the dialog open";
        dialog.accept();
    });
    Run(cmd::kDescriptiveStatistics);
    EXPECT_TRUE(dialogs.dialogScripts.empty());
    EXPECT_EQ(ResultsText(), Cli({"tab21.dat", "--describe", "Hours", "--describe", "Score"}));
}

TEST_F(StatisticsDialogs, HistogramOffersClassesByObservationCount) {
    struct Row {
        uint32_t rows;
        const char* classes;
    };
    const Row rows[] = {{2, "2"},   {3, "2"},     {10, "4"},    {15, "4"},     {16, "6"},
                        {100, "8"}, {1000, "10"}, {4095, "12"}, {32767, "15"}, {32768, "20"}};
    for (const Row& row : rows) {
        DataSet data;
        FillDataSet(data, {"A"}, std::vector<std::vector<double>>(row.rows, {1.0}));
        HistogramDialog dialog(data);
        EXPECT_EQ(dialog.classes->currentText(), row.classes) << row.rows << " observations";
        // The nine counts and nothing else: no empty entry that would mean zero classes.
        QStringList items;
        for (int k = 0; k < dialog.classes->count(); ++k) items << dialog.classes->itemText(k);
        EXPECT_EQ(items.join(' '), "2 4 6 8 10 12 15 20 24");
        EXPECT_TRUE(dialog.frequency->isChecked());
    }
}

TEST_F(StatisticsDialogs, HistogramOgiveDisablesTheNormalCurveAndKeepsItsCheck) {
    DataSet data;
    FillDataSet(data, {"A"}, std::vector<std::vector<double>>(10, {1.0}));
    HistogramDialog dialog(data);
    dialog.normalCurve->click();
    ASSERT_TRUE(dialog.normalCurve->isChecked());
    struct Step {
        QRadioButton* button;
        bool normalEnabled;
    };
    const Step steps[] = {{dialog.cumulative, false},
                          {dialog.frequency, true},
                          {dialog.cumulative, false},
                          {dialog.relative, true}};
    for (const Step& step : steps) {
        step.button->click();
        EXPECT_EQ(dialog.normalCurve->isEnabled(), step.normalEnabled)
            << step.button->text().toStdString();
        EXPECT_TRUE(dialog.normalCurve->isChecked());
    }
}

TEST_F(StatisticsDialogs, HistogramPlotWithoutAVariableIsRefused) {
    OpenExample("tab441.dat");
    Script<HistogramDialog>([this](HistogramDialog& dialog) {
        dialog.plotButton->click();
        EXPECT_EQ(prompt.messages,
                  (std::vector<Message>{{"Graph: Data to plot incomplete!", Icon::Stop}}));
        EXPECT_TRUE(dialog.isVisible());
        // Taking and releasing a variable leaves none chosen.
        TakeVariable(dialog.variables, 0, dialog.takeX);
        dialog.takeX->click();
        dialog.plotButton->click();
        EXPECT_EQ(prompt.messages.size(), 2U);
        dialog.reject();
    });
    Run(cmd::kHistogram);
    EXPECT_EQ(app->Document()->Doc().Histogram().classes, 0) << "Cancel stores nothing";
}

TEST_F(StatisticsDialogs, HistogramPlotStoresTheSettingsOnTheDocument) {
    struct Row {
        const char* kind;
        int classesIndex;
        HistogramSettings expected;
        const char* title;
        GraphKind graph;
    };
    // addNormalCurve, column, classes, kind
    using enum HistogramKind;
    const Row rows[] = {
        {"frequency", 4, {true, 1, 10, Frequency}, "Histogram", GraphKind::Histogram},
        {"relative", 8, {true, 1, 24, Relative}, "Histogram", GraphKind::Histogram},
        // the ogive has no normal curve
        {"cumulative", 0, {false, 1, 2, Cumulative}, "Ogive", GraphKind::Ogive},
    };
    CLumoxDoc& doc = OpenExample("tab441.dat");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        Script<HistogramDialog>([&row](HistogramDialog& dialog) {
            TakeVariable(dialog.variables, 1, dialog.takeX);
            EXPECT_EQ(dialog.name->text(), "Weight");
            dialog.normalCurve->click();
            dialog.findChild<QRadioButton*>(row.kind)->click();
            dialog.classes->setCurrentIndex(row.classesIndex);
            dialog.plotButton->click();
        });
        Run(cmd::kHistogram);
        const HistogramSettings& kept = doc.Histogram();
        EXPECT_EQ(kept.addNormalCurve, row.expected.addNormalCurve);
        EXPECT_EQ(kept.column, row.expected.column);
        EXPECT_EQ(kept.classes, row.expected.classes);
        EXPECT_EQ(kept.kind, row.expected.kind);
        EXPECT_EQ(doc.GraphsPerPage(), 1);
        EXPECT_EQ(doc.Graph(0).title, row.title);
        EXPECT_EQ(doc.GetGraphPage().kind, row.graph);
    }
    EXPECT_TRUE(prompt.messages.empty());
}

// Select Reports to Record

TEST_F(StatisticsDialogs, SelectReportsOpensWithTheChoicesLastRecorded) {
    QSettings profile(QString::fromStdString(dir.File("profile.ini")), QSettings::IniFormat);
    {
        RecordReportsDialog dialog(false, nullptr, &profile);
        EXPECT_EQ(dialog.levelEdit->text(), "95.00");  // nothing kept yet: the defaults
        dialog.anova->click();
        dialog.residuals->click();
        dialog.levelEdit->setText("90");
        dialog.recordButton->click();
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
    }
    RecordReportsDialog again(false, nullptr, &profile);
    EXPECT_TRUE(again.equation->isChecked());
    EXPECT_FALSE(again.anova->isChecked());
    EXPECT_TRUE(again.residuals->isChecked());
    EXPECT_FALSE(again.intervals->isChecked());
    EXPECT_EQ(again.levelEdit->text(), "90.00");
    // A cancelled dialog keeps nothing.
    again.residuals->click();
    again.reject();
    RecordReportsDialog third(false, nullptr, &profile);
    EXPECT_TRUE(third.residuals->isChecked());
}

TEST_F(StatisticsDialogs, SelectReportsDefaultsAndFlags) {
    for (const bool simpleFit : {false, true}) {
        SCOPED_TRACE(simpleFit ? "simple fit" : "multiple fit");
        RecordReportsDialog dialog(simpleFit);
        EXPECT_EQ(dialog.windowTitle(), "Select Reports to Record");
        EXPECT_EQ(dialog.levelEdit->text(), "95.00");
        EXPECT_EQ(dialog.correlation->isHidden(), simpleFit);
        // The hidden box stays checked by default, and still records nothing.
        EXPECT_TRUE(dialog.correlation->isChecked());
        dialog.intervals->click();
        dialog.recordButton->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        ReportKinds expected = {ReportKind::Equation, ReportKind::Anova};
        if (!simpleFit) expected.push_back(ReportKind::Correlation);
        expected.push_back(ReportKind::Intervals);
        EXPECT_EQ(dialog.Reports(), expected);
        EXPECT_DOUBLE_EQ(dialog.Level(), 95.0);
    }
}

TEST_F(StatisticsDialogs, SelectReportsLevelIsCheckedWhileTyped) {
    struct Row {
        const char* typed;
        const char* text;
        int beeps;
        std::vector<Message> messages;
    };
    const Row rows[] = {
        {"95.5", "95.5", 0, {}},
        {"95.555", "95.55", 1, {}},
        {"-", "", 1, {}},
        {"9a", "9", 1, {}},
        {"100", "10", 1, {{"Maximum value is:99.99", Icon::None}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        prompt.messages.clear();
        prompt.beeps = 0;
        RecordReportsDialog dialog(false);
        dialog.levelEdit->selectAll();
        QTest::keyClick(dialog.levelEdit, Qt::Key_Backspace);
        QTest::keyClicks(dialog.levelEdit, QString::fromLatin1(row.typed));
        EXPECT_EQ(dialog.levelEdit->text(), row.text);
        EXPECT_EQ(prompt.beeps, row.beeps);
        EXPECT_EQ(prompt.messages, row.messages);
    }
}

TEST_F(StatisticsDialogs, SelectReportsRefusesALevelOutOfRangeOnRecord) {
    struct Row {
        const char* level;
        Message message;
    };
    const Row rows[] = {
        {"4", {"Minimum value is:50.00", Icon::None}},
        {"", {"Please enter data...", Icon::Exclamation}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.level);
        prompt.messages.clear();
        RecordReportsDialog dialog(false);
        dialog.levelEdit->setText(QString::fromLatin1(row.level));
        dialog.recordButton->click();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(prompt.messages, std::vector<Message>{row.message});
        // Corrected, Record goes through.
        dialog.levelEdit->setText(QStringLiteral("90"));
        dialog.recordButton->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_DOUBLE_EQ(dialog.Level(), 90.0);
    }
}

}  // namespace
}  // namespace lumox::test

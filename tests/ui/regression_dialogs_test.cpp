// Simple Linear Regression (X, Y) and Point Estimate, driven through their widgets.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "dialog_test_support.h"
#include "document/simple_regression.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "ui/command_ids.h"
#include "ui/point_estimate_dialog.h"
#include "ui/record_reports_dialog.h"
#include "ui/simple_regression_dialog.h"

namespace lumox::test {
namespace {

using RegressionDialogs = DialogTest;

// Takes X and Y by their rows and selects model.
void Choose(SimpleRegressionDialog& dialog, int x, int y, int model) {
    TakeVariable(dialog.variables, x, dialog.takeX);
    TakeVariable(dialog.variables, y, dialog.takeY);
    if (model >= 0) dialog.models->setCurrentRow(model);
}

// Types text into a values list, Return between its lines.
void TypeLines(QPlainTextEdit* edit, const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (k > 0) QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, lines[k]);
    }
}

// Fits model m of Score on Hours as the document's fit, as Calculate leaves it.
void FitTab21(CLumoxDoc& doc, int m) {
    SimpleRegression simple(doc);
    simple.SetX(0);
    simple.SetY(1);
    simple.m_nSelectedModel = m;
    ASSERT_EQ(simple.Calculate(), 0);
}

TEST_F(RegressionDialogs, CommandsFollowTheDataAndTheFit) {
    struct Row {
        const char* data;
        bool simple;
    };
    const Row rows[] = {
        {"A\r\n1\r\n2\r\n3\r\n", false},   // one variable
        {"A B\r\n1 2\r\n3 4\r\n", false},  // two observations
        {"A B\r\n1 2\r\n3 4\r\n5 7\r\n", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.data);
        ASSERT_NE(app->OpenDataFile(DataFile("d.dat", row.data)), nullptr);
        EXPECT_EQ(Enabled(cmd::kSimpleRegression), row.simple);
        EXPECT_TRUE(Enabled(cmd::kDescriptiveStatistics));
        EXPECT_TRUE(Enabled(cmd::kHistogram));
        EXPECT_FALSE(Enabled(cmd::kPointEstimate));
        EXPECT_FALSE(Enabled(cmd::kRegressionReports));
        if (row.simple) {
            // A fit made in the dialog enables the commands that read it.
            Script<SimpleRegressionDialog>([](SimpleRegressionDialog& dialog) {
                Choose(dialog, 0, 1, 0);
                dialog.calculateButton->click();
                dialog.reject();
            });
            Run(cmd::kSimpleRegression);
            EXPECT_TRUE(Enabled(cmd::kPointEstimate));
            EXPECT_TRUE(Enabled(cmd::kRegressionReports));
        }
        Run(cmd::kClose);
    }
}

TEST_F(RegressionDialogs, SimpleRecordAppendsWhatTheCliRecords) {
    CLumoxDoc& doc = OpenExample("tab21.dat");
    Script<SimpleRegressionDialog>([](SimpleRegressionDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Simple Linear Regression (X, Y)");
        ASSERT_EQ(dialog.models->count(), 12);
        EXPECT_EQ(dialog.models->item(11)->text(), "y = 1 / (a + be^(-x))");
        EXPECT_FALSE(dialog.recordButton->isEnabled());
        Choose(dialog, 0, 1, 0);
        EXPECT_EQ(dialog.xName->text(), "Hours");
        EXPECT_EQ(dialog.yName->text(), "Score");
        dialog.calculateButton->click();
        const SimpleRegression& state = dialog.State();
        EXPECT_EQ(dialog.standardError->text().toStdString(),
                  Format("%g", state.m_adStandardError[0]));
        EXPECT_EQ(dialog.rSquare->text().toStdString(), Format("%g", state.m_adRSquare[0]));
        EXPECT_GT(state.m_adRSquare[0], 0.9);
        ASSERT_TRUE(dialog.recordButton->isEnabled());
        dialog.recordButton->click();
        dialog.reject();
    });
    Script<RecordReportsDialog>([](RecordReportsDialog& dialog) {
        EXPECT_TRUE(dialog.correlation->isHidden());
        dialog.residuals->click();
        dialog.intervals->click();
        dialog.levelEdit->setText(QStringLiteral("90"));
        dialog.recordButton->click();
    });
    Run(cmd::kSimpleRegression);
    EXPECT_TRUE(dialogs.dialogScripts.empty());
    EXPECT_EQ(doc.SimpleModel(), 0);
    EXPECT_EQ(ResultsText(), Cli({"tab21.dat", "--reports", "equation,anova,residuals,intervals",
                                  "--level", "90", "--simple", "Hours", "Score", "0"}));
    EXPECT_TRUE(prompt.messages.empty());
}

// Compare records at once and leaves the fit and Record as Calculate left them; Fit
// Diagnostics is recorded like the other reports. Both byte for byte what lumox-cli records.
TEST_F(RegressionDialogs, CompareAndFitDiagnosticsRecordWhatTheCliRecords) {
    CLumoxDoc& doc = OpenExample("lxtest.dat");
    Script<SimpleRegressionDialog>([this](SimpleRegressionDialog& dialog) {
        TakeVariable(dialog.variables, 0, dialog.takeX);
        dialog.compareButton->click();
        EXPECT_EQ(prompt.messages,
                  (std::vector<Message>{{LoadString(ids::kSelectXAndY), Icon::Stop}}));
        prompt.messages.clear();
        TakeVariable(dialog.variables, 1, dialog.takeY);
        dialog.models->setCurrentRow(10);
        dialog.calculateButton->click();
        dialog.compareButton->click();
        ASSERT_TRUE(dialog.recordButton->isEnabled());
        dialog.recordButton->click();
        dialog.reject();
    });
    Script<RecordReportsDialog>([](RecordReportsDialog& dialog) {
        EXPECT_FALSE(dialog.diagnostics->isChecked());
        dialog.anova->click();
        dialog.diagnostics->click();
        dialog.recordButton->click();
    });
    Run(cmd::kSimpleRegression);
    EXPECT_TRUE(dialogs.dialogScripts.empty());
    EXPECT_EQ(doc.SimpleModel(), 10);
    EXPECT_EQ(ResultsText(), Cli({"lxtest.dat", "--compare", "Time", "Growth", "--reports",
                                  "equation,diagnostics", "--simple", "Time", "Growth", "10"}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(RegressionDialogs, SimpleRefusesWhatIsMissing) {
    OpenExample("tab21.dat");
    const std::string selectXY = LoadString(ids::kSelectXAndY);
    const std::string selectModel = LoadString(ids::kSelectEquation);
    struct Row {
        const char* what;
        int x, y, model;
        std::string message;
    };
    const Row rows[] = {
        {"no model", 0, 1, -1, selectModel},
        {"no Y", 0, -1, 0, selectXY},
        {"X is Y", 1, 1, 0, selectXY},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        prompt.messages.clear();
        Script<SimpleRegressionDialog>([&row](SimpleRegressionDialog& dialog) {
            TakeVariable(dialog.variables, row.x, dialog.takeX);
            if (row.y >= 0) TakeVariable(dialog.variables, row.y, dialog.takeY);
            if (row.model >= 0) dialog.models->setCurrentRow(row.model);
            dialog.calculateButton->click();
            EXPECT_FALSE(dialog.recordButton->isEnabled());
            dialog.reject();
        });
        Run(cmd::kSimpleRegression);
        EXPECT_EQ(prompt.messages, (std::vector<Message>{{row.message, Icon::Stop}}));
        EXPECT_FALSE(app->Document()->Doc().HasFit());
    }
}

TEST_F(RegressionDialogs, BestModelSearchRunsOnceUntilTheVariablesChange) {
    // A y of 0: every model that transforms y fails, each with its message.
    ASSERT_NE(
        app->OpenDataFile(DataFile("zero.dat", "X Y\r\n1 0\r\n2 3\r\n3 5\r\n4 9\r\n5 11\r\n")),
        nullptr);
    Script<SimpleRegressionDialog>([this](SimpleRegressionDialog& dialog) {
        Choose(dialog, 0, 1, -1);
        dialog.bestRSquareButton->click();
        const size_t searchMessages = prompt.messages.size();
        EXPECT_GE(searchMessages, 8U) << "one message or more for each failing model";
        const int best = dialog.State().m_nBestRSquareModel;
        EXPECT_TRUE(best == 0 || best == 5 || best == 7 || best == 9) << best;
        EXPECT_EQ(dialog.models->currentRow(), best);
        // After a search nothing is calculated: Record waits for Calculate.
        EXPECT_FALSE(dialog.recordButton->isEnabled());
        EXPECT_EQ(dialog.rSquare->text().toStdString(),
                  Format("%g", dialog.State().m_adRSquare[static_cast<size_t>(best)]));

        dialog.bestRSquareButton->click();
        dialog.bestStandardErrorButton->click();
        EXPECT_EQ(prompt.messages.size(), searchMessages) << "the search ran once";

        dialog.calculateButton->click();
        EXPECT_TRUE(dialog.recordButton->isEnabled());
        const int other = best == 0 ? 9 : 0;
        dialog.models->setCurrentRow(other);
        EXPECT_FALSE(dialog.recordButton->isEnabled()) << "not the calculated model";
        dialog.models->setCurrentRow(best);
        EXPECT_TRUE(dialog.recordButton->isEnabled());

        // Changing Y forgets the results: the next Best R^2 searches again.
        dialog.takeY->click();
        EXPECT_FALSE(dialog.recordButton->isEnabled());
        TakeVariable(dialog.variables, 1, dialog.takeY);
        dialog.bestRSquareButton->click();
        EXPECT_EQ(prompt.messages.size(), 2 * searchMessages);
        dialog.reject();
    });
    Run(cmd::kSimpleRegression);
}

TEST_F(RegressionDialogs, PointEstimateRecordAppendsWhatTheCliRecords) {
    struct Row {
        int model;
        const char* values;
        bool originalScale;  // y transformed: the note follows Calculate
    };
    const Row rows[] = {{0, "5.5", false}, {1, "2e-3", true}, {3, "7", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.model);
        CLumoxDoc& doc = OpenExample("tab21.dat");
        FitTab21(doc, row.model);
        prompt.messages.clear();
        ASSERT_TRUE(Enabled(cmd::kPointEstimate));
        bool resultsShownFirst = true;
        Script<PointEstimateDialog>([this, &row, &resultsShownFirst](PointEstimateDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Point Estimate");
            ASSERT_EQ(dialog.names.size(), 1U);
            EXPECT_EQ(dialog.names[0]->text(), "Hours");
            EXPECT_EQ(dialog.means[0]->text().toStdString(), std::string("4.875"));
            EXPECT_EQ(dialog.predictedLabel->text(), "Predicted Score:");
            EXPECT_EQ(dialog.levelEdit->text(), "95.00");
            EXPECT_FALSE(dialog.recordButton->isEnabled());
            TypeLines(dialog.valuesEdit, QString::fromLatin1(row.values));
            EXPECT_EQ(dialog.valuesEdit->toPlainText(), row.values);
            // A note about the results comes once the results show.
            prompt.onShow = [&dialog, &resultsShownFirst](const Message&) {
                resultsShownFirst = resultsShownFirst && !dialog.prediction->text().isEmpty();
            };
            dialog.calculateButton->click();
            prompt.onShow = nullptr;
            EXPECT_EQ(dialog.predicted->text().toStdString(), dialog.Estimate().PredictedText());
            EXPECT_EQ(dialog.confidence->text().toStdString(), dialog.Estimate().ConfidenceText());
            EXPECT_EQ(dialog.prediction->text().toStdString(), dialog.Estimate().PredictionText());
            ASSERT_TRUE(dialog.recordButton->isEnabled());
            dialog.recordButton->click();
            dialog.reject();
        });
        Run(cmd::kPointEstimate);
        const std::vector<Message> expected =
            row.originalScale
                ? std::vector<Message>{{LoadString(ids::kOriginalScaleNote), Icon::Information}}
                : std::vector<Message>{};
        EXPECT_EQ(prompt.messages, expected);
        EXPECT_TRUE(resultsShownFirst);
        // The CLI records the equation report, then the estimate: the part after the
        // equation report is what the dialog's Record appended.
        const std::vector<std::string> fit = {"tab21.dat",
                                              "--reports",
                                              "equation",
                                              "--simple",
                                              "Hours",
                                              "Score",
                                              std::to_string(row.model)};
        std::vector<std::string> estimate = fit;
        estimate.insert(estimate.end(), {"--estimate", row.values});
        const std::string all = Cli(estimate);
        const std::string before = Cli(fit);
        ASSERT_EQ(all.compare(0, before.size(), before), 0);
        EXPECT_EQ(ResultsText(), all.substr(before.size()));
        prompt.answers.push_back(Answer::No);  // "Save Results to a file?"
        Run(cmd::kClose);
        ASSERT_EQ(app->Document(), nullptr);
    }
}

TEST_F(RegressionDialogs, PointEstimateValuesAreCheckedWhileTypedAndOnCalculate) {
    CLumoxDoc& doc = OpenExample("tab21.dat");
    FitTab21(doc, 0);
    struct Row {
        const char* typed;
        const char* text;
        int beeps;
        std::vector<std::string> messages;
    };
    const std::string wrongCount = LoadString(ids::kWrongVariableCount);
    const Row rows[] = {
        {"2e-3", "2e-3", 0, {}},
        {"e", "", 1, {"Please enter data..."}},
        {"0e", "0", 1, {}},  // an exponent needs a non-zero digit first
        {"1x", "1", 1, {}},
        {"1\n2", "1\n2", 0, {wrongCount}},
        {"1\n\n2", "1\n\n2", 0, {"Check for empty line on line 2 !"}},
        {"1 2", "1 2", 0, {"Check for missing or extra number on line 1 !"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        Script<PointEstimateDialog>([this, &row](PointEstimateDialog& dialog) {
            prompt.messages.clear();
            prompt.beeps = 0;
            TypeLines(dialog.valuesEdit, QString::fromLatin1(row.typed));
            EXPECT_EQ(dialog.valuesEdit->toPlainText(), row.text);
            EXPECT_EQ(prompt.beeps, row.beeps);
            dialog.calculateButton->click();
            if (row.messages.empty()) {
                EXPECT_TRUE(dialog.recordButton->isEnabled());
            } else {
                EXPECT_FALSE(dialog.recordButton->isEnabled());
            }
            EXPECT_EQ(prompt.Texts(), row.messages);
            dialog.reject();
        });
        Run(cmd::kPointEstimate);
    }
}

}  // namespace
}  // namespace lumox::test

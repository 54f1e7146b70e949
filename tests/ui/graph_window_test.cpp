#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTest>
#include <algorithm>
#include <functional>
#include <vector>

#include "document/simple_regression.h"
#include "platform/strings.h"
#include "render/graph_export.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "ui/command_ids.h"
#include "ui/document_windows.h"
#include "ui/graf_view.h"
#include "ui/graph_options_dlg.h"
#include "ui/graph_select_dlg.h"
#include "ui/help_window.h"
#include "ui/main_frame.h"
#include "ui/results_printing.h"
#include "recording_printer.h"
#include "ui_fixture.h"

namespace lumox::test {
namespace {

using SelectScript = std::function<void(CGraphSelectDlg&)>;

// The message box of string id, as the scripted prompt records it.
Message Msg(int id, Icon icon) { return {LoadString(id), icon}; }

class GraphWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // Three columns, the third about twice the second.
        std::string rows = "N A B\r\n";
        for (int i = 1; i <= 12; ++i) {
            rows += std::to_string(i) + " " + std::to_string(i * 3 % 7) + " " +
                    std::to_string(2 * (i * 3 % 7) + i % 3) + "\r\n";
        }
        ASSERT_NE(app->OpenDataFile(DataFile("three.dat", rows)), nullptr);
        doc = &app->Document()->Doc();
    }
    // Runs a Scatter command whose dialog is worked by script; true when it plotted.
    bool Scatter(int id, const SelectScript& script) {
        bool plotted = false;
        Script<CGraphSelectDlg>([&](CGraphSelectDlg& select) {
            EXPECT_EQ(select.windowTitle(), "Graph Variable Selection");
            script(select);
            plotted = select.result() == QDialog::Accepted;
        });
        Run(id);
        return plotted;
    }
    // Highlights entry and clicks graph k's X or Y box, as a person does.
    static void Pick(CGraphSelectDlg& dialog, int graph, bool x, int entry) {
        dialog.Variables()->setCurrentRow(entry);
        const auto& c = dialog.Controls(graph);
        (x ? c.xBox : c.yBox)->click();
    }
    CGrafView* View() const {
        return dynamic_cast<CGrafView*>(app->Document()->FindView(ViewKind::Graph));
    }

    CLumoxDoc* doc = nullptr;
};

TEST_F(GraphWindowTest, ScatterFourShowsThePageLumoxCliWrites) {
    ASSERT_TRUE(Scatter(cmd::kScatterFour, [](CGraphSelectDlg& dialog) {
        for (int k = 0; k < 4; ++k) EXPECT_FALSE(dialog.Controls(k).frame->isHidden()) << k;
        EXPECT_EQ(dialog.Variables()->count(), 3);  // no fit: data columns only
        Pick(dialog, 0, true, 1);
        Pick(dialog, 0, false, 2);
        EXPECT_EQ(dialog.Controls(0).xEdit->text(), "A");
        EXPECT_EQ(dialog.Controls(0).yEdit->text(), "B");
        EXPECT_TRUE(dialog.Controls(0).trendLine->isEnabled());
        EXPECT_FALSE(dialog.Controls(0).fittedCurve->isEnabled());
        dialog.Controls(0).trendLine->setChecked(true);
        Pick(dialog, 1, true, 0);
        Pick(dialog, 1, false, 1);
        Pick(dialog, 3, true, 0);
        Pick(dialog, 3, false, 2);  // graph 3 of 4 left empty
        dialog.accept();
    }));
    CGrafView* view = View();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget()->windowTitle(), "three.dat - Graph");
    EXPECT_EQ(Frame().MdiArea().activeSubWindow(), view->parentWidget());
    EXPECT_EQ(doc->GraphsPerPage(), 4);
    EXPECT_EQ(doc->Graph(0).trendLine, 1);
    EXPECT_EQ(doc->Graph(2).pointCount, 0);
    // The same selection through the picture file lumox-cli writes: the same pixels.
    ASSERT_EQ(view->screen()->geometry().height(), kExportScreenHeight)
        << "the tests' screen is set up 768 pixels high";
    ASSERT_EQ(view->devicePixelRatioF(), 1.0);
    const std::string path = dir.File("page.png");
    Diagnostics said;
    ASSERT_TRUE(ExportGraphPage(*doc, path, said));
    EXPECT_TRUE(said.Empty());
    QImage written;
    ASSERT_TRUE(written.load(QString::fromStdString(path)));
    const QImage shown = view->Page().toImage().convertToFormat(written.format());
    EXPECT_EQ(shown.size(), QSize(624, 648));
    EXPECT_TRUE(shown == written);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(GraphWindowTest, ScatterOneIsNarrowAndNeedsAPair) {
    doc->SetupHistogram(HistogramSettings{
        .column = 1, .classes = 4, .kind = HistogramKind::Cumulative});  // the ogive
    EXPECT_FALSE(Scatter(cmd::kScatterOne, [](CGraphSelectDlg& dialog) {
        for (int k = 1; k < 4; ++k) EXPECT_TRUE(dialog.Controls(k).frame->isHidden()) << k;
        EXPECT_FALSE(dialog.Controls(0).frame->isHidden());
        EXPECT_EQ(dialog.width(), static_cast<int>(dialog.DesignWidth() * 0.655));
        Pick(dialog, 0, true, 1);
        dialog.accept();  // only X: stays open
        EXPECT_TRUE(dialog.result() != QDialog::Accepted);
        dialog.reject();
    }));
    EXPECT_EQ(prompt.messages, (std::vector<Message>{Msg(ids::kGraphDataIncomplete, Icon::Stop)}));
    // Cancelled: no graph window, but the page is no longer an ogive.
    EXPECT_EQ(View(), nullptr);
    EXPECT_NE(doc->GetGraphPage().kind, GraphKind::Ogive);
}

TEST_F(GraphWindowTest, UncheckingClearsTheEditAndTheOverlays) {
    ASSERT_TRUE(Scatter(cmd::kScatterTwo, [](CGraphSelectDlg& dialog) {
        EXPECT_FALSE(dialog.Controls(1).frame->isHidden());
        EXPECT_TRUE(dialog.Controls(2).frame->isHidden());
        const auto& c = dialog.Controls(1);
        Pick(dialog, 1, true, 0);
        Pick(dialog, 1, false, 2);
        c.trendLine->setChecked(true);
        Pick(dialog, 1, true, 2);  // unchecks X whatever is highlighted
        EXPECT_FALSE(c.xBox->isChecked());
        EXPECT_EQ(c.xEdit->text(), "");
        EXPECT_FALSE(c.trendLine->isChecked());
        EXPECT_FALSE(c.trendLine->isEnabled());
        Pick(dialog, 1, true, 1);
        EXPECT_EQ(c.xEdit->text(), "A");
        dialog.accept();
    }));
    EXPECT_EQ(doc->GraphsPerPage(), 2);
    EXPECT_EQ(doc->Graph(0).pointCount, 0);
    EXPECT_EQ(doc->Graph(1).xColumn, 1);
    EXPECT_EQ(doc->Graph(1).trendLine, 0);
}

TEST_F(GraphWindowTest, FittedCurveAndProbabilityPlotAfterAFit) {
    // B = a + b A, as the simple regression dialog fits it.
    SimpleRegression simple(*doc);
    simple.SetX(1);
    simple.SetY(2);
    simple.m_nSelectedModel = 0;
    ASSERT_EQ(simple.Calculate(), 0);
    ASSERT_TRUE(Scatter(cmd::kScatterTwo, [](CGraphSelectDlg& dialog) {
        ASSERT_EQ(dialog.Variables()->count(), 7);
        EXPECT_EQ(dialog.Variables()->item(6)->text(), "Normal Z");
        Pick(dialog, 0, true, 1);
        Pick(dialog, 0, false, 2);
        EXPECT_TRUE(dialog.Controls(0).fittedCurve->isEnabled());
        EXPECT_FALSE(dialog.Controls(0).predictionBand->isEnabled());
        dialog.Controls(0).fittedCurve->setChecked(true);
        // The bands open with the curve.
        EXPECT_TRUE(dialog.Controls(0).confidenceBand->isEnabled());
        ASSERT_TRUE(dialog.Controls(0).predictionBand->isEnabled());
        dialog.Controls(0).predictionBand->setChecked(true);
        Pick(dialog, 1, true, 6);
        Pick(dialog, 1, false, 5);
        EXPECT_FALSE(dialog.Controls(1).fittedCurve->isEnabled());
        dialog.accept();
    }));
    EXPECT_EQ(prompt.messages,
              (std::vector<Message>{Msg(ids::kProbabilityPlotHint, Icon::Information)}));
    EXPECT_EQ(doc->Graph(0).fittedCurve, 1);
    EXPECT_EQ(doc->Graph(0).confidenceBand, 0);
    EXPECT_EQ(doc->Graph(0).predictionBand, 1);
    EXPECT_EQ(doc->Graph(1).xLabel, "Normal Z");
    ASSERT_NE(View(), nullptr);
    // The prediction band's lighter blue is drawn in the window.
    const QImage shown = View()->Page().toImage();
    int band = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) band += shown.pixel(x, y) == qRgb(160, 160, 255);
    EXPECT_GT(band, 20);
    // The blue fitted curve is on the page (the markers are filled with blue too).
    auto blue = [](const QImage& page) {
        int count = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) count += page.pixel(x, y) == qRgb(0, 0, 255);
        return count;
    };
    const int withCurve = blue(View()->Page().toImage());
    // A best-model search leaves the document without a fit: the window no longer shows
    // the curve, as the printed page does not; the markers stay.
    simple.FindBestModels();
    ASSERT_FALSE(doc->HasFit());
    const int markers = blue(View()->Page().toImage());
    EXPECT_GT(markers, 0);
    EXPECT_GT(withCurve, markers + 100);
}

TEST_F(GraphWindowTest, HelpButtonExplainsTheDialog) {
    Scatter(cmd::kScatterOne, [](CGraphSelectDlg& dialog) {
        // F1 in the dialog finds its own topic.
        EXPECT_EQ(HelpContextOf(dialog.Controls(0).xBox, 0), help::kGraphSelectionDialog);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        buttons->button(QDialogButtonBox::Help)->click();
        dialog.reject();
    });
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "In the Variables List box, select a variable for the X axis. Click on the X Check "
              "box to set your selection. Next, select a variable for Y in the same way. Click "
              "on the Plot button to see your graph.");
    EXPECT_EQ(prompt.messages[0].icon, Icon::Information);
}

TEST_F(GraphWindowTest, GraphOptionsStoreTheChoicesAndRedraw) {
    Script<CGraphOptionsDlg>([this](CGraphOptionsDlg& options) {
        EXPECT_EQ(options.XIntervals()->currentText(), "5");
        EXPECT_EQ(options.YIntervals()->currentText(), "4");
        EXPECT_EQ(options.PointSize()->currentText(), "Large");
        EXPECT_TRUE(options.Grid()->isChecked());
        options.XIntervals()->setCurrentText("3");
        options.PointSize()->setCurrentText("Small");
        options.Grid()->setChecked(false);
        // A title of 31 characters is refused with a message, the dialog kept open.
        options.Title()->setText(QString(31, QLatin1Char('t')));
        options.accept();
        EXPECT_NE(options.result(), QDialog::Accepted);
        ASSERT_EQ(prompt.messages.size(), 1u);
        EXPECT_EQ(prompt.messages[0].text, "Enter no more than 30 characters.");
        prompt.messages.clear();
        // Its edit shows thirty characters whole.
        const QFontMetrics metrics = options.Title()->fontMetrics();
        EXPECT_GE(options.Title()->width(), metrics.horizontalAdvance(QString(30, 'n')));
        options.Title()->setText(QString(30, QLatin1Char('t')));
        options.accept();
    });
    Run(cmd::kGraphOptions);
    const GraphOptions options = doc->GetGraphOptions();
    EXPECT_EQ(options.xIntervalIndex, 1);  // 3 intervals
    EXPECT_EQ(options.yIntervalIndex, 2);  // 4
    EXPECT_EQ(options.pointSize, 0);
    EXPECT_FALSE(options.grid);
    EXPECT_EQ(options.title, std::string(30, 't'));
    EXPECT_TRUE(prompt.messages.empty());
}

class GraphViewTest : public GraphWindowTest {
protected:
    void SetUp() override {
        GraphWindowTest::SetUp();
        doc->SetupScatterPage(4, {{1, 2, 0, 1}, {0, 1, 0, 0}, {0, 2, 0, 0}, {2, 1, 0, 0}});
        doc->GetHost()->ShowGraphWindow();
        view = View();
        ASSERT_NE(view, nullptr);
        view->parentWidget()->showNormal();
        view->parentWidget()->resize(300, 250);
        ProcessEvents();
        view->Page();
    }
    CGrafView* view = nullptr;
};

TEST_F(GraphViewTest, KeysScrollByLinesPagesAndToTheEnds) {
    QScrollBar* v = view->verticalScrollBar();
    QScrollBar* h = view->horizontalScrollBar();
    const GraphPageLayout& layout = view->Layout();
    ASSERT_EQ(layout.scrollHeight, 648);
    ASSERT_GT(v->maximum(), 0);
    ASSERT_GT(h->maximum(), 0);
    struct Step {
        Qt::Key key;
        int x, y;
    };
    const int line = layout.stepHeight / 10;
    const Step steps[] = {
        {Qt::Key_End, h->maximum(), v->maximum()}, {Qt::Key_Home, 0, 0},
        {Qt::Key_PageDown, 0, layout.stepHeight},  {Qt::Key_Down, 0, layout.stepHeight + line},
        {Qt::Key_Up, 0, layout.stepHeight},        {Qt::Key_PageUp, 0, 0},
        {Qt::Key_Right, layout.stepWidth / 10, 0}, {Qt::Key_Left, 0, 0},
    };
    for (const Step& step : steps) {
        QTest::keyClick(view, step.key);
        EXPECT_EQ(h->value(), step.x) << step.key;
        EXPECT_EQ(v->value(), step.y) << step.key;
    }
}

TEST_F(GraphViewTest, ScrollingAndRepaintingNeverDrawThePageAgain) {
    const int draws = view->PageDraws();
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(view, Qt::Key_PageDown);
        view->viewport()->repaint();
    }
    EXPECT_EQ(view->PageDraws(), draws);
    // A change of the settings draws it once more.
    doc->GetHost()->UpdateAllViews();
    view->viewport()->repaint();
    EXPECT_EQ(view->PageDraws(), draws + 1);
    // What shows is the page at the scrolled place.
    const QImage shown = view->viewport()->grab().toImage();
    const QPoint origin(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    const QImage page = view->Page().toImage();
    const QSize visible = view->viewport()->size();
    int differ = 0;
    for (int y = 0; y < visible.height(); y += 3)
        for (int x = 0; x < visible.width(); x += 3)
            differ += shown.pixel(x, y) != page.pixel(origin + QPoint(x, y)) ? 1 : 0;
    EXPECT_EQ(differ, 0);
}

TEST_F(GraphViewTest, PrintIsOnePageWithItsHeader) {
    dialogs.pdfPath = QString::fromStdString(dir.File("printed.pdf"));
    Run(cmd::kPrint);
    EXPECT_EQ(dialogs.printAsked, 1);
    const std::string pdf = ReadFile(dir.File("printed.pdf"));
    size_t pages = 0;
    for (size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_EQ(pages, 1u);
    // The printer keeps its own full-page setting for the Results window.
    EXPECT_TRUE(app->Printer().fullPage());
    Run(cmd::kPrintPreview);
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(GraphViewTest, PrintedPagesDrawInBlackWithPensAsWideAsOnScreen) {
    // One graph whose red trend line is the last thing drawn. A printer's engine keeps
    // the last pen of a job: the next job's header, its rule and the Results printed
    // after must still be black.
    doc->SetupScatterPage(1, {{1, 2, 0, 1}});
    ASSERT_EQ(doc->Graph(0).trendLine, 1);
    constexpr int kDpi = 1200;
    RecordingPrinter printer(kDpi);
    RecordingPaintEngine& recorded = printer.Recorded();
    std::vector<size_t> jobEnds;
    for (int job = 0; job < 2; ++job) {
        ASSERT_TRUE(view->PrintPage(printer));
        jobEnds.push_back(recorded.strokes.size());
    }
    // A pen of width w on the 96-pixel-per-inch screen is w / 96 inch wide on paper.
    const qreal thin = kDpi / 96.0;
    size_t red = 0;
    qreal widest = 0;
    for (size_t i = 0; i < recorded.strokes.size(); ++i) {
        const auto& stroke = recorded.strokes[i];
        const bool trend = stroke.colour == QColor(Qt::red);
        red += trend ? 1 : 0;
        if (trend) {
            EXPECT_DOUBLE_EQ(stroke.width, thin) << i;
        } else {
            EXPECT_EQ(stroke.colour.name().toStdString(), "#000000") << i;
        }
        EXPECT_GE(stroke.width, thin) << i;
        widest = std::max(widest, stroke.width);
    }
    EXPECT_EQ(red % 2, 0u);  // the same trend line in both jobs
    EXPECT_GT(red, 0u);
    EXPECT_DOUBLE_EQ(widest, 2 * thin);  // the axes
    // The second job begins with the header's rule: black.
    ASSERT_GT(recorded.strokes.size(), jobEnds[0]);
    EXPECT_EQ(recorded.strokes[jobEnds[0]].colour.name().toStdString(), "#000000");

    ASSERT_FALSE(recorded.texts.empty());
    for (const auto& text : recorded.texts)
        EXPECT_EQ(text.colour.name().toStdString(), "#000000") << text.text.toStdString();

    recorded.strokes.clear();
    recorded.texts.clear();
    EXPECT_EQ(PrintResultsText(printer, *doc, QStringLiteral("one\ntwo\n")), 1);
    ASSERT_FALSE(recorded.strokes.empty());
    for (const auto& stroke : recorded.strokes)
        EXPECT_EQ(stroke.colour.name().toStdString(), "#000000");
    ASSERT_FALSE(recorded.texts.empty());
    for (const auto& text : recorded.texts)
        EXPECT_EQ(text.colour.name().toStdString(), "#000000") << text.text.toStdString();
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(GraphViewTest, CopyAndSaveGraphAs) {
    view->OnCopyGraph();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(624, 648));
    QSvgRenderer svg(data->data("image/svg+xml"));
    EXPECT_TRUE(svg.isValid());

    for (const char* name : {"saved.svg", "saved.pdf", "saved.png"}) {
        const QString path = QString::fromStdString(dir.File(name));
        dialogs.saveNames.push_back(path);
        view->OnSaveGraphAs();
        EXPECT_TRUE(QFileInfo::exists(path)) << name;
    }
    EXPECT_EQ(dialogs.saveSuggestions.value(0), "three.png");
    QImage saved;
    ASSERT_TRUE(saved.load(QString::fromStdString(dir.File("saved.png"))));
    EXPECT_EQ(saved.size(), QSize(624, 648));
    // Cancelled: nothing written, nothing said.
    dialogs.saveNames.push_back(std::nullopt);
    view->OnSaveGraphAs();
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace lumox::test

#include "render/graph_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <filesystem>

#include "document/lumox_doc.h"
#include "graph_test_application.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::ReadFile;
using test::ScriptedPrompt;
using test::TempDir;

using test::EnsureApplication;

class GraphExportTest : public ::testing::Test {
protected:
    GraphExportTest() {
        EnsureApplication();
        EXPECT_TRUE(doc.OnOpenDocument(LUMOX_SOURCE_DIR "/examples/tab21.dat"));
        doc.SetupScatterPage(1, {{0, 1, 0, 1}});
    }
    // Draws the page into path; what it says is kept in said.
    bool Export(const std::string& path) { return ExportGraphPage(doc, path, said); }

    Diagnostics said;
    CLumoxDoc doc;
    TempDir dir;
};

int InkPixels(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return ink;
}

TEST_F(GraphExportTest, PngIsThePageAtNinetySixPixelsPerInch) {
    const std::string path = dir.File("page.PNG");
    ASSERT_TRUE(Export(path));
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(path), "PNG"));
    EXPECT_EQ(image.size(), QSize(576, 384));  // 6 x 4 inches
    EXPECT_GT(InkPixels(image), 1000);
    // The trend line is red.
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y)
        for (int x = 0; x < image.width() && !red; ++x) red = image.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(red);

    doc.SetupScatterPage(4, {{0, 1, 0, 1}, {1, 0, 0, 0}});
    ASSERT_TRUE(Export(path));
    ASSERT_TRUE(image.load(QString::fromStdString(path), "PNG"));
    EXPECT_EQ(image.size(), QSize(624, 648));
    EXPECT_TRUE(said.Empty());
}

TEST_F(GraphExportTest, SvgIsAValidDrawingOfThePage) {
    const std::string path = dir.File("page.svg");
    ASSERT_TRUE(Export(path));
    const std::string text = ReadFile(path);
    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("Hours"), std::string::npos);
    QSvgRenderer renderer(QString::fromStdString(path));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 576, 384));
}

TEST_F(GraphExportTest, PdfIsThePrintedPage) {
    const std::string path = dir.File("page.pdf");
    ASSERT_TRUE(Export(path));
    const std::string bytes = ReadFile(path);
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 16), std::string::npos);
    // The printed page carries its header line.
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed: text not checked";
    QProcess process;
    process.start(pdftotext, {QString::fromStdString(path), "-"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_TRUE(process.readAllStandardOutput().contains("Lumox - Data File: tab21.dat"));
}

TEST_F(GraphExportTest, RefusesOtherFormatsAndUnwritablePlaces) {
    EXPECT_FALSE(Export(dir.File("page.bmp")));
    EXPECT_FALSE(Export(dir.File("missing/page.png")));
    ASSERT_EQ(said.Items().size(), 2u);
    EXPECT_EQ(said.Items()[0].text,
              "Graph: " + dir.File("page.bmp") + " is not a .png, .svg or .pdf file!");
    EXPECT_EQ(said.Items()[1].text,
              "Could not save graph to " + dir.File("missing/page.png") + ": No such file or directory!");
    EXPECT_FALSE(std::filesystem::exists(dir.File("page.bmp")));
}

}  // namespace
}  // namespace lumox

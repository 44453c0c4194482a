#include "report/renderers.h"

#include "report/designsheet.h"
#include "report/reportjson.h"
#include "sampleruns.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace velmora {
namespace {

namespace fs = std::filesystem;

constexpr int kStageGridRows = 14;

class RendererTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("velmora-report-") + info->name() + "-" +
                                               std::to_string(std::random_device{}()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path file(const std::string& name) const { return folder_ / name; }
    std::vector<fs::path> folderContents() const {
        return {fs::directory_iterator(folder_), fs::directory_iterator()};
    }

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static int pdfPageCount(const fs::path& path) {
        const QString pdf = QString::fromLatin1(contents(path));
        return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    }

    fs::path folder_;
};

TEST_F(RendererTest, PngIsThePageAtOneOrTwoPixelsPerPagePixel) {
    writeReportPng(file("page.png"), testing::sampleRun(13), kStageGridRows, cLocaleSettings(), 1);
    writeReportPng(file("sharp.png"), testing::sampleRun(23), kStageGridRows, cLocaleSettings(), 2);
    const QImage page(QString::fromStdString(file("page.png").string()));
    const QImage sharp(QString::fromStdString(file("sharp.png").string()));
    EXPECT_EQ(page.size(), QSize(700, 535));
    EXPECT_EQ(sharp.size(), QSize(1400, 1100));
    // The frame's top-left corner is black, the page white around it.
    EXPECT_EQ(page.pixelColor(5, 13), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(4, 12), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(694, 329), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(695, 330), QColor(Qt::white));
}

TEST_F(RendererTest, PdfHasOneLandscapeSheetPerBand) {
    writeReportPdf(file("page.pdf"), testing::sampleRun(13), kStageGridRows, cLocaleSettings(),
                   PaperSize::Letter);
    writeReportPdf(file("long.pdf"), testing::sampleRun(70), kStageGridRows, cLocaleSettings(),
                   PaperSize::A4);
    EXPECT_EQ(contents(file("page.pdf")).substr(0, 5), "%PDF-");
    EXPECT_EQ(pdfPageCount(file("page.pdf")), 1);
    EXPECT_EQ(pdfPageCount(file("long.pdf")), 3);
    // Letter landscape: 792 x 612 points.
    EXPECT_NE(contents(file("page.pdf")).find("/MediaBox [0 0 792.000000 612.000000]"),
              std::string::npos);
}

// The design sheet follows the page: a sheet of its own in a PDF, below the page in an image.
TEST_F(RendererTest, DesignSheetFollowsThePage) {
    const ResultsRun run = testing::sampleRun(13);
    const DesignSheet sheet = designSheetFor(run, cLocaleSettings());
    writeReportPdf(file("both.pdf"), run, kStageGridRows, cLocaleSettings(), PaperSize::Letter,
                   &sheet);
    EXPECT_EQ(pdfPageCount(file("both.pdf")), 2);
    writeReportPng(file("both.png"), run, kStageGridRows, cLocaleSettings(), 1, &sheet);
    const QImage image(QString::fromStdString(file("both.png").string()));
    EXPECT_EQ(image.size(), QSize(700, 1070));
    EXPECT_EQ(image.pixelColor(5, 535 + 13), QColor(Qt::black)); // the sheet's frame
    writeReportSvg(file("both.svg"), run, kStageGridRows, cLocaleSettings(), &sheet);
    QSvgRenderer svg(QString::fromStdString(file("both.svg").string()));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 700, 1070));
}

// Asked for, the design event's hydrographs follow the design sheet: a third PDF sheet, a
// third page below in the images; the draw list stays the canvas's own.
TEST_F(RendererTest, HydrographSheetFollowsTheDesignSheetWhenAskedFor) {
    const ResultsRun run = testing::sampleRun(13);
    DesignSheet sheet = designSheetFor(run, cLocaleSettings());
    const std::string drawList = reportDrawListJson(run, kStageGridRows, cLocaleSettings(), &sheet);
    sheet.hydrographs = true;
    EXPECT_EQ(reportDrawListJson(run, kStageGridRows, cLocaleSettings(), &sheet), drawList);

    writeReportPdf(file("three.pdf"), run, kStageGridRows, cLocaleSettings(), PaperSize::A4,
                   &sheet);
    EXPECT_EQ(pdfPageCount(file("three.pdf")), 3);

    writeReportPng(file("three.png"), run, kStageGridRows, cLocaleSettings(), 1, &sheet);
    const QImage image(QString::fromStdString(file("three.png").string()));
    ASSERT_EQ(image.size(), QSize(700, 1605));
    EXPECT_EQ(image.pixelColor(5, 1070 + 13), QColor(Qt::black)); // the third page's frame
    const SheetArea charts = kHydrographSheetCharts;
    int dark = 0;
    for (int x = charts.left; x < charts.right; ++x)
        for (int y = 1070 + charts.top; y < 1070 + charts.bottom; ++y)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 2000); // lines, axes and their labels

    writeReportSvg(file("three.svg"), run, kStageGridRows, cLocaleSettings(), &sheet);
    QSvgRenderer svg(QString::fromStdString(file("three.svg").string()));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 700, 1605));
    const std::string text = contents(file("three.svg"));
    EXPECT_NE(text.find("Pre-dev. rate (25-year)"), std::string::npos);
    EXPECT_NE(text.find("Stage (ft)"), std::string::npos);
}

TEST_F(RendererTest, SvgIsAValidDrawingOfThePageSize) {
    writeReportSvg(file("page.svg"), testing::stageTableRun(5), 6, cLocaleSettings());
    QSvgRenderer svg(QString::fromStdString(file("page.svg").string()));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 700, 580));
}

TEST_F(RendererTest, MissingFolderIsReportedAndNothingIsWritten) {
    const fs::path target = file("no-such-folder") / "page.pdf";
    try {
        writeReportPdf(target, testing::sampleRun(), kStageGridRows, cLocaleSettings(),
                       PaperSize::A4);
        FAIL() << "no RenderError";
    } catch (const RenderError& error) {
        EXPECT_EQ(error.path(), target);
        EXPECT_EQ(std::string(error.what()), "Cannot write the report to '" + target.string() +
                                                 "': the folder '" + target.parent_path().string() +
                                                 "' does not exist");
    }
    EXPECT_TRUE(folderContents().empty());
}

TEST_F(RendererTest, FailedDrawingLeavesTheEarlierFileAndNoTemporary) {
    const fs::path target = file("page.png");
    std::ofstream(target) << "earlier report";
    ResultsRun broken = testing::sampleRun(13);
    broken.routing.rows.resize(13); // the design event's rows are missing
    for (const auto& write : {+[](const fs::path&p, const ResultsRun&r) {
                                  writeReportPng(p, r, kStageGridRows, cLocaleSettings(), 1);
                              },
                              +[](const fs::path&p, const ResultsRun&r) {
                                  writeReportSvg(p, r, kStageGridRows, cLocaleSettings());
                              },
                              +[](const fs::path&p, const ResultsRun&r) {
                                  writeReportPdf(p, r, kStageGridRows, cLocaleSettings(),
                                                 PaperSize::A4);
                              }}) {
        EXPECT_ANY_THROW(write(target, broken));
        EXPECT_EQ(contents(target), "earlier report");
        EXPECT_EQ(folderContents().size(), 1u);
    }
}

TEST_F(RendererTest, PngScaleOutsideItsRangeIsRefused) {
    EXPECT_THROW(writeReportPng(file("page.png"), testing::sampleRun(), kStageGridRows,
                                cLocaleSettings(), 0),
                 RenderError);
    EXPECT_THROW(writeReportPng(file("page.png"), testing::sampleRun(), kStageGridRows,
                                cLocaleSettings(), kMaxPngScale + 1),
                 RenderError);
    EXPECT_TRUE(folderContents().empty());
}

TEST(PaperSizeForLocaleName, UsStyleLocalesPrintOnLetter) {
    struct Case {
        const char* locale;
        PaperSize paper;
    };
    for (const Case& c :
         {Case{"en_US.UTF-8", PaperSize::Letter}, Case{"en_CA", PaperSize::Letter},
          Case{"fr_CA.UTF-8", PaperSize::Letter}, Case{"es_MX", PaperSize::Letter},
          Case{"en_PH", PaperSize::Letter}, Case{"C", PaperSize::Letter},
          Case{"POSIX", PaperSize::Letter}, Case{"C.UTF-8", PaperSize::Letter},
          Case{"", PaperSize::Letter}, Case{"en-US", PaperSize::Letter},
          Case{"en_GB.UTF-8", PaperSize::A4}, Case{"de_DE@euro", PaperSize::A4},
          Case{"fr_FR", PaperSize::A4}, Case{"es_ES", PaperSize::A4}, Case{"de", PaperSize::A4}})
        EXPECT_EQ(paperSizeForLocaleName(c.locale), c.paper) << c.locale;
}

} // namespace
} // namespace velmora

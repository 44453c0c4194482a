#include "report/renderers.h"

#include "charts/hydrographs.h"
#include "platform/canvas/qpaintercanvas.h"
#include "report/atomicwriter.h"
#include "report/designsheet.h"
#include "report/reportjson.h"
#include "report/reportpage.h"
#include "report/sheetfit.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <system_error>

namespace velmora {

namespace {

constexpr double kSheetMarginMillimetres = 12.7; // printable area's margin on every side (1/2 in)
constexpr double kScreenDotsPerInch = 96.0;      // page pixels per inch, as on screen
constexpr double kInchesPerMetre = 39.37007874;
constexpr std::array<std::string_view, 14> kLetterTerritories{
    "US", "CA", "MX", "CL", "CO", "CR", "DO", "GT", "NI", "PA", "PH", "PR", "SV", "VE"};

std::string quotedPath(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

std::string uppercase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

// The reason a target cannot be opened for writing, in the user's terms where we can tell.
std::string openFailureReason(const std::filesystem::path& path, const QSaveFile& file) {
    std::error_code error;
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::exists(folder, error))
        return "the folder " + quotedPath(folder) + " does not exist";
    if (!std::filesystem::is_directory(folder, error))
        return quotedPath(folder) + " is not a folder";
    if (std::filesystem::is_directory(path, error))
        return "it is a folder";
    return file.errorString().toStdString();
}

// Paints every sheet of the page on the device: each band of the page is fitted to the
// device's paintable area as a 700 x 535 page is, keeping its proportions.
void drawSheets(QPagedPaintDevice& device, QPainter& painter, const ResultsRun& run,
                int stageGridRowCount, const FormatSettings& settings) {
    const std::vector<PageBand> bands = reportSheetBands(run, stageGridRowCount);
    const SheetSize printed =
        fitToPrintableArea(kReportPageWidth, kReportPageMinHeight, device.width(), device.height());
    const double scaleX = static_cast<double>(printed.width) / kReportPageWidth;
    const double scaleY = static_cast<double>(printed.height) / kReportPageMinHeight;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const PageBand band = bands[i];
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(scaleX, scaleY);
        painter.translate(0, -band.top);
        painter.setClipRect(QRect(0, band.top, kReportPageWidth, band.bottom - band.top));
        QPainterCanvas sheet(painter);
        DrawReportPage(sheet, run, stageGridRowCount, settings, band);
        painter.restore();
    }
}

// The design sheet on a sheet of its own after the page's (or as the first sheet), fitted as a
// 700 x 535 page is.
void drawDesignSheetOnNewSheet(QPagedPaintDevice& device, QPainter& painter, const ResultsRun& run,
                               const DesignSheet& designSheet, const FormatSettings& settings,
                               bool afterAnotherSheet = true) {
    const SheetSize printed =
        fitToPrintableArea(kReportPageWidth, kDesignSheetHeight, device.width(), device.height());
    if (afterAnotherSheet)
        device.newPage();
    painter.save();
    painter.scale(static_cast<double>(printed.width) / kReportPageWidth,
                  static_cast<double>(printed.height) / kDesignSheetHeight);
    QPainterCanvas canvas(painter);
    drawDesignSheet(canvas, run, designSheet, settings);
    painter.restore();
}

// The sheet of the design event's hydrographs, its top edge at y = `top`: its frame drawn on
// the canvas, the charts painted inside.
void drawHydrographSheet(QPainter& painter, const ResultsRun& run, const DesignSheet& designSheet,
                         const FormatSettings& settings, int top) {
    {
        QPainterCanvas canvas(painter);
        drawHydrographSheetFrame(canvas, run, settings, top);
    }
    const SheetArea charts = kHydrographSheetCharts;
    paintHydrographs(painter,
                     QRectF(charts.left, top + charts.top, charts.right - charts.left,
                            charts.bottom - charts.top),
                     designSheet.check, ChartEvents::one(run.inputs.designEvent));
}

// The hydrograph sheet on a sheet of its own after the design sheet, fitted as it is.
void drawHydrographSheetOnNewSheet(QPagedPaintDevice& device, QPainter& painter,
                                   const ResultsRun& run, const DesignSheet& designSheet,
                                   const FormatSettings& settings) {
    const SheetSize printed =
        fitToPrintableArea(kReportPageWidth, kDesignSheetHeight, device.width(), device.height());
    device.newPage();
    painter.save();
    painter.scale(static_cast<double>(printed.width) / kReportPageWidth,
                  static_cast<double>(printed.height) / kDesignSheetHeight);
    drawHydrographSheet(painter, run, designSheet, settings, 0);
    painter.restore();
}

bool withHydrographs(const DesignSheet* designSheet) {
    return designSheet != nullptr && designSheet->hydrographs;
}

// The height of the image of the page, with the design sheet below it when there is one and
// the hydrograph sheet below that when it is asked for.
int imageHeight(const ResultsRun& run, int stageGridRowCount, const DesignSheet* designSheet) {
    return reportPageHeight(run, stageGridRowCount) + (designSheet ? kDesignSheetHeight : 0) +
           (withHydrographs(designSheet) ? kDesignSheetHeight : 0);
}

// The page, then the design sheet below it when there is one, then the hydrograph sheet.
void drawPageAndSheets(QPainter& painter, const ResultsRun& run, int stageGridRowCount,
                       const FormatSettings& settings, const DesignSheet* designSheet) {
    const int pageHeight = reportPageHeight(run, stageGridRowCount);
    {
        QPainterCanvas canvas(painter);
        DrawReportPage(canvas, run, stageGridRowCount, settings);
        if (designSheet)
            drawDesignSheet(canvas, run, *designSheet, settings, pageHeight);
    }
    if (withHydrographs(designSheet))
        drawHydrographSheet(painter, run, *designSheet, settings, pageHeight + kDesignSheetHeight);
}

QPageSize pageSizeOf(PaperSize paper) {
    return QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

RenderError::RenderError(const std::filesystem::path& path, std::string reason,
                         std::string_view document)
    : std::runtime_error("Cannot write the " + std::string(document) + " to " + quotedPath(path) +
                         ": " + reason),
      path_(path), reason_(std::move(reason)) {}

PrintError::PrintError(const std::string& reason)
    : std::runtime_error("The report could not be printed: " + reason) {}

PaperSize paperSizeForLocaleName(std::string_view localeName) {
    const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX")
        return PaperSize::Letter;
    const auto separator = name.find_first_of("_-");
    if (separator == std::string_view::npos)
        return PaperSize::A4;
    const std::string territory = uppercase(name.substr(separator + 1));
    const bool letter = std::find(kLetterTerritories.begin(), kLetterTerritories.end(),
                                  territory) != kLetterTerritories.end();
    return letter ? PaperSize::Letter : PaperSize::A4;
}

void ensureGuiApplication() {
    if (QCoreApplication::instance() == nullptr)
        ensureWidgetApplication();
}

void writeAtomically(const std::filesystem::path& path,
                     const std::function<void(QIODevice&)>& render, std::string_view document) {
    ensureGuiApplication();
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly))
        throw RenderError(path, openFailureReason(path, file), document);
    render(file);
    if (file.error() != QFileDevice::NoError)
        throw RenderError(path, file.errorString().toStdString(), document);
    if (!file.commit())
        throw RenderError(path, file.errorString().toStdString(), document);
}

void beginPainting(QPainter& painter, QPaintDevice& device, const std::filesystem::path& path,
                   std::string_view document) {
    if (!painter.begin(&device))
        throw RenderError(path, "the drawing could not be started", document);
}

QPageLayout landscapeSheetLayout(PaperSize paper) {
    const QMarginsF margins(kSheetMarginMillimetres, kSheetMarginMillimetres,
                            kSheetMarginMillimetres, kSheetMarginMillimetres);
    return QPageLayout(pageSizeOf(paper), QPageLayout::Landscape, margins, QPageLayout::Millimeter);
}

void writeReportPdf(const std::filesystem::path& path, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings, PaperSize paper,
                    const DesignSheet* designSheet) {
    writeAtomically(path, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setTitle(QStringLiteral("Detention pond results"));
        writer.setPageLayout(landscapeSheetLayout(paper));
        QPainter painter;
        beginPainting(painter, writer, path);
        drawSheets(writer, painter, run, stageGridRowCount, settings);
        if (designSheet)
            drawDesignSheetOnNewSheet(writer, painter, run, *designSheet, settings);
        if (withHydrographs(designSheet))
            drawHydrographSheetOnNewSheet(writer, painter, run, *designSheet, settings);
        if (!painter.end())
            throw RenderError(path, "the PDF could not be completed");
    });
}

void printDesignSheets(QPagedPaintDevice& device, const ResultsRun& run,
                       const DesignSheet& designSheet, const FormatSettings& settings) {
    QPainter painter;
    if (!painter.begin(&device))
        throw PrintError("the printer could not be started");
    drawDesignSheetOnNewSheet(device, painter, run, designSheet, settings, false);
    if (designSheet.hydrographs)
        drawHydrographSheetOnNewSheet(device, painter, run, designSheet, settings);
    if (!painter.end())
        throw PrintError("the print job could not be completed");
}

void printReportSheets(QPagedPaintDevice& device, const ResultsRun& run, int stageGridRowCount,
                       const FormatSettings& settings) {
    QPainter painter;
    if (!painter.begin(&device))
        throw PrintError("the printer could not be started");
    drawSheets(device, painter, run, stageGridRowCount, settings);
    if (!painter.end())
        throw PrintError("the print job could not be completed");
}

void writeReportPng(const std::filesystem::path& path, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings, int scale, const DesignSheet* designSheet) {
    if (scale < 1 || scale > kMaxPngScale)
        throw RenderError(path, "the scale must be a whole number from 1 to " +
                                    std::to_string(kMaxPngScale));
    const int height = imageHeight(run, stageGridRowCount, designSheet);
    writeAtomically(path, [&](QIODevice& device) {
        QImage image(kReportPageWidth * scale, height * scale, QImage::Format_RGB32);
        if (image.isNull())
            throw RenderError(path, "there is not enough memory for the image");
        image.fill(Qt::white);
        const int dotsPerMetre =
            static_cast<int>(std::lround(kScreenDotsPerInch * scale * kInchesPerMetre));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        QPainter painter;
        beginPainting(painter, image, path);
        painter.scale(scale, scale);
        drawPageAndSheets(painter, run, stageGridRowCount, settings, designSheet);
        painter.end();
        QImageWriter writer(&device, "png");
        if (!writer.write(image))
            throw RenderError(path, writer.errorString().toStdString());
    });
}

std::optional<ReportFormat> reportFormatForPath(const std::filesystem::path& path) {
    const std::string extension = uppercase(path.extension().string());
    if (extension == ".PDF")
        return ReportFormat::Pdf;
    if (extension == ".PNG")
        return ReportFormat::Png;
    if (extension == ".SVG")
        return ReportFormat::Svg;
    if (extension == ".JSON")
        return ReportFormat::Json;
    return std::nullopt;
}

void writeReportJson(const std::filesystem::path& path, const ResultsRun& run,
                     int stageGridRowCount, const FormatSettings& settings,
                     const DesignSheet* designSheet) {
    const std::string json =
        reportDrawListJson(run, stageGridRowCount, settings, designSheet) + "\n";
    writeAtomically(path, [&](QIODevice& device) {
        if (device.write(json.data(), static_cast<qint64>(json.size())) !=
            static_cast<qint64>(json.size()))
            throw RenderError(path, "the draw list could not be written");
    });
}

void writeReportSvg(const std::filesystem::path& path, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings, const DesignSheet* designSheet) {
    const int height = imageHeight(run, stageGridRowCount, designSheet);
    writeAtomically(path, [&](QIODevice& device) {
        QSvgGenerator generator;
        generator.setOutputDevice(&device);
        generator.setSize(QSize(kReportPageWidth, height));
        generator.setViewBox(QRect(0, 0, kReportPageWidth, height));
        generator.setResolution(static_cast<int>(kScreenDotsPerInch));
        generator.setTitle(QStringLiteral("Detention pond results"));
        QPainter painter;
        beginPainting(painter, generator, path);
        drawPageAndSheets(painter, run, stageGridRowCount, settings, designSheet);
        if (!painter.end())
            throw RenderError(path, "the SVG could not be completed");
    });
}

} // namespace velmora

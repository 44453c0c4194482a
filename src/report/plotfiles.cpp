#include "report/plotfiles.h"

#include "report/atomicwriter.h"

#include <QFont>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QString>
#include <QSvgGenerator>

#include <cmath>
#include <string>

namespace velmora {

namespace {

constexpr double kLayoutDotsPerInch = 96.0; // page units per inch, as the charts are laid out
constexpr double kInchesPerMetre = 39.37007874;
constexpr double kHeadingHeight = 26.0; // page units above the charts
constexpr double kHeadingLeft = 10.0;   // page units
constexpr int kHeadingPixels = 13;      // the heading's font, page units (about 10 pt)
constexpr const char* kPlotTitle = "Detention pond hydrographs";
constexpr const char* kDocument = "plot";

std::string headingText(const DesignCheck& check, const FormatSettings& settings) {
    const DesignInputs& in = check.routed.inputs;
    std::string text = "Velmora    HYDROGRAPHS    Proj. Descr.: " + in.projDescr +
                       "    Proj. No.: " + in.projNo +
                       "    Proj. Date: " + DateToStr(in.projDate, settings);
    if (check.maxStepMinutes)
        text += "    Routed on sub-steps of at most " +
                FloatToStr(*check.maxStepMinutes, settings) + " min";
    return text;
}

// The heading line, then both charts below it, on a page of `width` x `height` units.
void paintPlotPage(QPainter& painter, double width, double height, const DesignCheck& check,
                   ChartEvents events, const FormatSettings& settings) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kHeadingPixels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(kHeadingLeft, 0, width - kHeadingLeft, kHeadingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(headingText(check, settings)));
    paintHydrographs(painter, QRectF(0, kHeadingHeight, width, height - kHeadingHeight), check,
                     events);
}

} // namespace

void writePlotPdf(const std::filesystem::path& path, const DesignCheck& check, ChartEvents events,
                  const FormatSettings& settings, PaperSize paper) {
    writeAtomically(
        path,
        [&](QIODevice& device) {
            QPdfWriter writer(&device);
            writer.setCreator(QStringLiteral("Velmora"));
            writer.setTitle(QString::fromLatin1(kPlotTitle));
            writer.setPageLayout(landscapeSheetLayout(paper));
            QPainter painter;
            beginPainting(painter, writer, path, kDocument);
            // Page units of 1/96 inch across the printable area.
            const double scale = writer.logicalDpiX() / kLayoutDotsPerInch;
            painter.scale(scale, scale);
            paintPlotPage(painter, writer.width() / scale, writer.height() / scale, check, events,
                          settings);
            if (!painter.end())
                throw RenderError(path, "the PDF could not be completed", kDocument);
        },
        kDocument);
}

void writePlotPng(const std::filesystem::path& path, const DesignCheck& check, ChartEvents events,
                  const FormatSettings& settings) {
    writeAtomically(
        path,
        [&](QIODevice& device) {
            QImage image(kPlotImageWidth, kPlotImageHeight, QImage::Format_RGB32);
            if (image.isNull())
                throw RenderError(path, "there is not enough memory for the image", kDocument);
            image.fill(Qt::white);
            const int dotsPerMetre =
                static_cast<int>(std::lround(kLayoutDotsPerInch * kInchesPerMetre));
            image.setDotsPerMeterX(dotsPerMetre);
            image.setDotsPerMeterY(dotsPerMetre);
            QPainter painter;
            beginPainting(painter, image, path, kDocument);
            paintPlotPage(painter, kPlotImageWidth, kPlotImageHeight, check, events, settings);
            painter.end();
            QImageWriter writer(&device, "png");
            if (!writer.write(image))
                throw RenderError(path, writer.errorString().toStdString(), kDocument);
        },
        kDocument);
}

void writePlotSvg(const std::filesystem::path& path, const DesignCheck& check, ChartEvents events,
                  const FormatSettings& settings) {
    writeAtomically(
        path,
        [&](QIODevice& device) {
            QSvgGenerator generator;
            generator.setOutputDevice(&device);
            generator.setSize(QSize(kPlotImageWidth, kPlotImageHeight));
            generator.setViewBox(QRect(0, 0, kPlotImageWidth, kPlotImageHeight));
            generator.setResolution(static_cast<int>(kLayoutDotsPerInch));
            generator.setTitle(QString::fromLatin1(kPlotTitle));
            QPainter painter;
            beginPainting(painter, generator, path, kDocument);
            paintPlotPage(painter, kPlotImageWidth, kPlotImageHeight, check, events, settings);
            if (!painter.end())
                throw RenderError(path, "the SVG could not be completed", kDocument);
        },
        kDocument);
}

} // namespace velmora

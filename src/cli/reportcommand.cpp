#include "cli/reportcommand.h"

#include "report/renderers.h"

namespace velmora {

namespace {

PaperSize paperSize(const ReportRequest& request) {
    if (request.paper)
        return *request.paper == "a4" ? PaperSize::A4 : PaperSize::Letter;
    return paperSizeForLocaleName(request.localeName);
}

void writeReportAs(ReportFormat format, const ResultsRun& run, const ReportRequest& request,
                   const FormatSettings& settings) {
    const DesignSheet* sheet = request.designSheet ? &*request.designSheet : nullptr;
    switch (format) {
    case ReportFormat::Pdf:
        writeReportPdf(request.output, run, request.stageGridRowCount, settings, paperSize(request),
                       sheet);
        return;
    case ReportFormat::Png:
        writeReportPng(request.output, run, request.stageGridRowCount, settings, request.scale,
                       sheet);
        return;
    case ReportFormat::Svg:
        writeReportSvg(request.output, run, request.stageGridRowCount, settings, sheet);
        return;
    case ReportFormat::Json:
        writeReportJson(request.output, run, request.stageGridRowCount, settings, sheet);
        return;
    }
}

} // namespace

std::string writeReport(const ResultsRun& run, const ReportRequest& request,
                        const FormatSettings& settings) {
    const std::optional<ReportFormat> format = reportFormatForPath(request.output);
    if (!format)
        return "Cannot write the report to '" + request.output.string() +
               "': the name must end in .pdf, .png, .svg or .json";
    try {
        writeReportAs(*format, run, request, settings);
    } catch (const RenderError& e) {
        return e.what();
    }
    return {};
}

} // namespace velmora

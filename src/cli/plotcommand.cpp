#include "cli/plotcommand.h"

#include "report/plotfiles.h"
#include "report/renderers.h"

namespace velmora {

namespace {

ChartEvents chartEventsOf(const PlotRequest& request) {
    return request.returnPeriod ? ChartEvents::one(*request.returnPeriod) : ChartEvents::all();
}

} // namespace

bool isPlotPath(const std::filesystem::path& path) {
    const std::optional<ReportFormat> format = reportFormatForPath(path);
    return format && *format != ReportFormat::Json;
}

std::string writePlot(const DesignCheck& check, const PlotRequest& request,
                      const FormatSettings& settings) {
    if (!isPlotPath(request.output))
        return "Cannot write the plot to '" + request.output.string() +
               "': the name must end in .pdf, .png or .svg";
    const ChartEvents events = chartEventsOf(request);
    const ReportFormat format = *reportFormatForPath(request.output);
    try {
        if (format == ReportFormat::Pdf)
            writePlotPdf(request.output, check, events, settings,
                         paperSizeForLocaleName(request.localeName));
        else if (format == ReportFormat::Png)
            writePlotPng(request.output, check, events, settings);
        else
            writePlotSvg(request.output, check, events, settings);
    } catch (const RenderError& e) {
        return e.what();
    }
    return {};
}

} // namespace velmora

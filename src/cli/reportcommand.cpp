#include "cli/reportcommand.h"

#include "report/renderers.h"
#include "report/reportjson.h"

#include <cctype>
#include <fstream>
#include <system_error>

namespace velmora {

namespace {

std::string lowerCaseExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// The draw list through a temporary file renamed over the target, as the image writers do.
void writeDrawListJson(const std::filesystem::path& path, const std::string& json) {
    std::filesystem::path temporary = path;
    temporary += ".velmora-tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw RenderError(path, "the file cannot be created");
        out << json;
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw RenderError(path, "the file cannot be written");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw RenderError(path, ec.message());
    }
}

PaperSize paperSize(const ReportRequest& request) {
    if (request.paper)
        return *request.paper == "a4" ? PaperSize::A4 : PaperSize::Letter;
    return paperSizeForLocaleName(request.localeName);
}

} // namespace

std::string writeReport(const ResultsRun& run, const ReportRequest& request,
                        const FormatSettings& settings) {
    const std::string extension = lowerCaseExtension(request.output);
    try {
        if (extension == ".json") {
            writeDrawListJson(request.output,
                              reportDrawListJson(run, request.stageGridRowCount, settings) + "\n");
            return {};
        }
        if (extension != ".pdf" && extension != ".png" && extension != ".svg")
            return "Cannot write the report to '" + request.output.string() +
                   "': the name must end in .pdf, .png, .svg or .json";
        ensureGuiApplication();
        if (extension == ".pdf")
            writeReportPdf(request.output, run, request.stageGridRowCount, settings,
                           paperSize(request));
        else if (extension == ".png")
            writeReportPng(request.output, run, request.stageGridRowCount, settings, request.scale);
        else
            writeReportSvg(request.output, run, request.stageGridRowCount, settings);
    } catch (const RenderError& e) {
        return e.what();
    }
    return {};
}

} // namespace velmora

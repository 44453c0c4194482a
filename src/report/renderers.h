// The report page written to files: PDF sheets, a PNG image, an SVG drawing.
#pragma once

#include "engine/resultsrun.h"
#include "platform/conversions.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

class QPagedPaintDevice;

namespace velmora {

struct DesignSheet;

enum class PaperSize { Letter, A4 };

enum class ReportFormat { Pdf, Png, Svg, Json };

// The format a file name asks for by its extension, .pdf, .png, .svg or .json in any case;
// none for any other name.
std::optional<ReportFormat> reportFormatForPath(const std::filesystem::path& path);

// Letter for the locales of countries that print on US Letter (en_US, en_CA, fr_CA, es_MX,
// en_PH, ...) and for C/POSIX; A4 for every other locale. Encoding and modifier are ignored.
PaperSize paperSizeForLocaleName(std::string_view localeName);

// A report that could not be written. what() names the file and the reason, such as
// "Cannot write the report to 'out/page.pdf': the folder 'out' does not exist"; `document`
// names what was being written ("report", "plot").
class RenderError : public std::runtime_error {
  public:
    RenderError(const std::filesystem::path& path, std::string reason,
                std::string_view document = "report");
    const std::filesystem::path& path() const noexcept { return path_; }
    const std::string& reason() const noexcept { return reason_; }

  private:
    std::filesystem::path path_;
    std::string reason_;
};

// A report that could not be printed; what() says why, for the error box.
class PrintError : public std::runtime_error {
  public:
    explicit PrintError(const std::string& reason);
};

inline constexpr int kMaxPngScale = 8; // device pixels per page pixel

// Creates the process's application if there is none yet; it lives until the process ends.
// It is a QApplication, for the design sheet's charts need widgets. Without DISPLAY and
// WAYLAND_DISPLAY (and no QT_QPA_PLATFORM of the user's own) it selects Qt's offscreen
// platform, so reports render on a machine without a display.
void ensureGuiApplication();

// Each writer renders into a temporary file beside the target and renames it over the target
// once complete: a failure leaves any earlier file as it was and no partial file behind.
// All throw RenderError when the file cannot be written. With a design sheet, the sheet
// follows the page: on a sheet of its own in a PDF, below the page in the other formats.
// A design sheet with `hydrographs` set is followed in the same way by the sheet of the
// design event's hydrographs (not in the JSON draw list, which holds the canvas's operations).

// Landscape sheets of the paper size, the page scaled to fit the printable area keeping its
// proportions, as vectors. A page taller than 535 pixels is cut between lines of text onto
// several sheets, each scaled as a 700 x 535 page is.
void writeReportPdf(const std::filesystem::path& path, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings, PaperSize paper,
                    const DesignSheet* designSheet = nullptr);

// The sheets of writeReportPdf painted on any paged device, a printer among them, fitted to
// its paintable area. Throws PrintError when the device cannot be painted on.
void printReportSheets(QPagedPaintDevice& device, const ResultsRun& run, int stageGridRowCount,
                       const FormatSettings& settings);

// The design sheet, and with `hydrographs` set the design event's hydrographs after it, on
// the device's landscape sheets as vectors, as writeReportPdf draws them after the page.
// Throws PrintError when the device cannot be painted on.
void printDesignSheets(QPagedPaintDevice& device, const ResultsRun& run,
                       const DesignSheet& designSheet, const FormatSettings& settings);

// The page as an image of 700 x height pixels times `scale` (1 to kMaxPngScale; 2 gives a
// sharper image of the same page). Throws RenderError for a scale outside that range.
void writeReportPng(const std::filesystem::path& path, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings, int scale,
                    const DesignSheet* designSheet = nullptr);

// The page's list of drawing operations (reportDrawListJson), one line of JSON.
void writeReportJson(const std::filesystem::path& path, const ResultsRun& run,
                     int stageGridRowCount, const FormatSettings& settings,
                     const DesignSheet* designSheet = nullptr);

// The page as a vector drawing of 700 x height units.
void writeReportSvg(const std::filesystem::path& path, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings, const DesignSheet* designSheet = nullptr);

} // namespace velmora

// `velmora-cli report`: the report page of a results run, written to PDF, PNG, SVG or as the
// JSON list of drawing operations.
#pragma once

#include "engine/resultsrun.h"
#include "report/designsheet.h"

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

struct ReportRequest {
    std::filesystem::path output;     // its extension chooses the format
    std::optional<std::string> paper; // "letter" or "a4"; by default from the locale
    int scale = 1;                    // PNG pixels per page pixel
    std::string localeName = "C";
    int stageGridRowCount = 0; // the stage-discharge grid's row count, heading included
    std::optional<DesignSheet> designSheet; // drawn after the page when there is one
};

// Writes the report; returns an empty text on success, else why nothing was written.
std::string writeReport(const ResultsRun& run, const ReportRequest& request,
                        const FormatSettings& settings);

} // namespace velmora

// `velmora-cli plot`: the hydrographs of a design check, written to PDF, PNG or SVG.
#pragma once

#include "design/designcheck.h"

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

struct PlotRequest {
    std::filesystem::path output;    // its extension chooses the format
    std::optional<int> returnPeriod; // the event shown; none: all five
    std::string localeName = "C";    // chooses the PDF's paper
};

// Whether the plot can be written to a file of this name: .pdf, .png or .svg in any case.
bool isPlotPath(const std::filesystem::path& path);

// Writes the plot; returns an empty text on success, else why nothing was written.
std::string writePlot(const DesignCheck& check, const PlotRequest& request,
                      const FormatSettings& settings);

} // namespace velmora

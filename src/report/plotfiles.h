// The files of velmora-cli plot: both hydrographs of a design check on one landscape page
// under a line naming the project.
#pragma once

#include "charts/hydrographs.h"
#include "design/designcheck.h"
#include "platform/conversions.h"
#include "report/renderers.h"

#include <filesystem>

namespace velmora {

inline constexpr int kPlotImageWidth = 1400; // pixels of the PNG, units of the SVG
inline constexpr int kPlotImageHeight = 700; // pixels of the PNG, units of the SVG

// Each writer renders as the report's do, into a temporary file renamed over the target once
// complete, and throws RenderError naming the plot when the file cannot be written.

// One landscape sheet of the paper size, the page filling its printable area, as vectors.
void writePlotPdf(const std::filesystem::path& path, const DesignCheck& check, ChartEvents events,
                  const FormatSettings& settings, PaperSize paper);

// An image of kPlotImageWidth x kPlotImageHeight pixels at 96 an inch.
void writePlotPng(const std::filesystem::path& path, const DesignCheck& check, ChartEvents events,
                  const FormatSettings& settings);

// A vector drawing of kPlotImageWidth x kPlotImageHeight units.
void writePlotSvg(const std::filesystem::path& path, const DesignCheck& check, ChartEvents events,
                  const FormatSettings& settings);

} // namespace velmora

// The report page as a list of drawing operations in JSON, for scripts and comparisons.
#pragma once

#include "engine/resultsrun.h"
#include "platform/canvas/recordingcanvas.h"
#include "platform/conversions.h"

#include <span>
#include <string>
#include <string_view>

namespace velmora {

struct DesignSheet;

// {"width": 700, "height": 535, "ops": [{"op": "brush"}, {"op": "rectangle", "x1": 0, ...},
// {"op": "textOut", "x": 10, "y": 1, "text": "..."}, ...]}, the operations in drawing order.
// With a design sheet, its operations follow the page's, moved down below it, and the height
// is the two together.
std::string reportDrawListJson(const ResultsRun& run, int stageGridRowCount,
                               const FormatSettings& settings,
                               const DesignSheet* designSheet = nullptr);

std::string drawListJson(std::span<const DrawOp> ops, int width, int height);

// The text as a JSON string literal, quotes included. Quotes, backslashes and control
// characters are escaped; a byte that is not part of valid UTF-8 is taken as the Latin-1
// character of that code, so the result is always valid JSON.
std::string jsonString(std::string_view text);

} // namespace velmora

// The design sheet: a second landscape sheet after the results page, answering at a glance
// whether the pond keeps every event at or below its pre-development rate, and whether the
// numbers can be trusted (mass balance, warnings, the peaks on one-minute sub-steps).
#pragma once

#include "design/designcheck.h"
#include "engine/resultsrun.h"
#include "platform/canvas/canvas.h"
#include "platform/conversions.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int kDesignSheetHeight = 535;            // pixels, as the results page
inline constexpr double kDesignSheetSubStepMinutes = 1.0; // min: the refined peaks' sub-steps

// Where on a sheet something is drawn, in pixels from the sheet's top-left corner.
struct SheetArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The design event's hydrographs fill this area of the sheet that follows the design sheet.
inline constexpr SheetArea kHydrographSheetCharts{10, 47, 690, 525};

struct DesignSheet {
    DesignCheck check; // on the table's rows
    // The same storm on sub-steps of kDesignSheetSubStepMinutes; none when it could not be
    // routed so, refinementFailure saying why.
    std::optional<std::array<EventCheck, kReturnPeriodCount>> refinedEvents;
    std::string refinementFailure;
    std::vector<std::string> warnings; // as the sheet lists them
    // Whether the sheet of the design event's hydrographs follows this one when it is
    // written to a file; the charts are Qt's, so the canvas draws only that sheet's frame.
    bool hydrographs = false;
};

// The sheet of a run: its design check on the table's rows, the peaks on one-minute
// sub-steps, and the check's warning messages. Throws RunError as checkDesign does.
DesignSheet designSheetFor(const ResultsRun& run, const FormatSettings& settings);

// Draws the sheet, 700 x kDesignSheetHeight pixels, its top edge at y = `top` of the canvas.
void drawDesignSheet(Canvas& canvas, const ResultsRun& run, const DesignSheet& sheet,
                     const FormatSettings& settings, int top = 0);

// Draws the frame of the hydrograph sheet, 700 x kDesignSheetHeight pixels, its top edge at
// y = `top`: the design sheet's heading and a title naming the design event; the charts go
// in kHydrographSheetCharts.
void drawHydrographSheetFrame(Canvas& canvas, const ResultsRun& run, const FormatSettings& settings,
                              int top = 0);

} // namespace velmora

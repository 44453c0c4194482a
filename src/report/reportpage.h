// The results report page: one page of fixed pixel positions drawn on a canvas.
#pragma once

#include "engine/resultsrun.h"
#include "platform/canvas/canvas.h"
#include "platform/conversions.h"

#include <vector>

namespace velmora {

inline constexpr int kReportPageWidth = 700;     // pixels
inline constexpr int kReportPageMinHeight = 535; // pixels: the page of up to 22 rows
inline constexpr int kReportPatternWidth = 710;  // pixels: the fill pattern's bitmap
inline constexpr int kReportPatternHeight = 540; // pixels

// Draws the whole page for the run's design event: header, inputs, outlet, the routing
// table and the summary, which is taken from the rows as they are drawn.
// stageGridRowCount is the stage-discharge grid's row count, heading row included; it limits
// the stage-discharge list of a user table outlet.
void DrawReportPage(Canvas& canvas, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings);

// A horizontal band [top, bottom) of the page, printed as one sheet.
struct PageBand {
    int top = 0;
    int bottom = 0;
    bool operator==(const PageBand&) const = default;
};

// The page as far as the band shows it: the same operations in the same order as the whole
// page, less the texts that lie wholly outside the band, so a sheet of a long table or a
// repaint of a window's visible part costs what it shows. Shapes are drawn whole.
void DrawReportPage(Canvas& canvas, const ResultsRun& run, int stageGridRowCount,
                    const FormatSettings& settings, PageBand visible);

// The page's height in pixels: 535 for up to 22 table rows and 2 stage-discharge pairs, more
// when a longer table pushes the summary down or more pairs follow it; 7 pixels stay under
// the lowest text.
int reportPageHeight(const ResultsRun& run, int stageGridRowCount);

// The page cut into bands no taller than the 535-pixel page, each cut lying between two
// lines of text (table rows, summary lines, stage-discharge pairs) so no text is split.
// A page of 535 pixels is one band.
std::vector<PageBand> reportSheetBands(const ResultsRun& run, int stageGridRowCount);

} // namespace velmora

// The Results command's capture of the rainfall and stage-discharge grids.
#pragma once

#include "engine/controls.h"
#include "engine/inputs.h"

namespace velmora {

// The tables the main window holds from one capture to the next.
struct CapturedTables {
    RainfallTable rainfall;
    StageDischargeTable stageDischarge;
    int stageRowCount = 0; // remembered row count of the stage-discharge grid, heading included
};

// Removes the trailing rows whose duration cell is empty (bottom up, stopping at the first
// filled duration) and converts every remaining cell strictly. Throws ConversionError at the
// first cell that does not convert; the rows removed stay removed.
RainfallTable captureRainfall(TextGrid& sgMethodOne, const FormatSettings& settings);

// Removes the trailing rows whose stage cell is empty; every other row with a filled stage
// gives one pair, empty rows between filled ones are skipped. stageRowCount becomes the grid's
// row count afterwards. Throws ConversionError at the first cell that does not convert.
StageDischargeTable captureStageDischarge(TextGrid& stageDisch, int& stageRowCount,
                                          const FormatSettings& settings);

// The capture of the Results command: the rainfall grid always, the stage-discharge grid only
// when the discharge method index is 3. The captured tables are replaced only when the whole
// capture succeeds.
void captureForResults(TextGrid& sgMethodOne, TextGrid& stageDisch, int dischargeMethodIndex,
                       CapturedTables& captured, const FormatSettings& settings);

} // namespace velmora

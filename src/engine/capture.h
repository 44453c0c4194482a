// The Results command's capture of the rainfall and stage-discharge grids.
#pragma once

#include "engine/controls.h"
#include "engine/inputs.h"

#include <string>
#include <utility>

namespace velmora {

// The tables the main window holds from one capture to the next.
struct CapturedTables {
    RainfallTable rainfall;
    StageDischargeTable stageDischarge;
    int stageRowCount = 0; // remembered row count of the stage-discharge grid, heading included
};

// A cell of a captured grid that does not convert: what() is the conversion's message; the
// grid, column and row (row 0 the headings) say where, so the window can put the focus there.
class CellConversionError : public ConversionError {
  public:
    CellConversionError(std::string text, const TextGrid& grid, int column, int row)
        : ConversionError(std::move(text)), grid_(&grid), column_(column), row_(row) {}
    const TextGrid& grid() const noexcept { return *grid_; }
    int column() const noexcept { return column_; }
    int row() const noexcept { return row_; }

  private:
    const TextGrid* grid_;
    int column_;
    int row_;
};

// Removes the trailing rows whose duration cell is empty (bottom up, stopping at the first
// filled duration) and converts every remaining cell strictly. Throws CellConversionError at
// the first cell that does not convert; the rows removed stay removed.
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

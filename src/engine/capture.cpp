#include "engine/capture.h"

#include <cstddef>
#include <utility>

namespace velmora {

namespace {

constexpr int kDurationColumn = 0;
constexpr int kStageColumn = 0;
constexpr int kDischargeColumn = 1;
constexpr int kFirstDataRow = 1; // row 0 holds the headings

// Lowers the grid's row count past the data rows at its end whose `column` cell is empty,
// stopping at the first filled one; the heading row always stays.
void dropTrailingEmptyRows(TextGrid& grid, int column) {
    int rows = grid.rowCount();
    while (rows > kFirstDataRow && grid.cell(column, rows - 1).empty())
        --rows;
    if (rows != grid.rowCount())
        grid.setRowCount(rows);
}

double cellValue(const TextGrid& grid, int column, int row, const FormatSettings& settings) {
    std::string text = grid.cell(column, row);
    try {
        return StrToFloat(text, settings);
    } catch (const ConversionError&) {
        throw CellConversionError(std::move(text), grid, column, row);
    }
}

} // namespace

RainfallTable captureRainfall(TextGrid& sgMethodOne, const FormatSettings& settings) {
    dropTrailingEmptyRows(sgMethodOne, kDurationColumn);
    RainfallTable table;
    table.rowCount = sgMethodOne.rowCount() > kFirstDataRow ? sgMethodOne.rowCount() - 1 : 0;
    const auto rows = static_cast<std::size_t>(table.rowCount);
    table.durations.reserve(rows);
    for (int row = kFirstDataRow; row <= table.rowCount; ++row)
        table.durations.push_back(cellValue(sgMethodOne, kDurationColumn, row, settings));
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        auto& depths = table.depths[static_cast<std::size_t>(p)];
        depths.reserve(rows);
        for (int row = kFirstDataRow; row <= table.rowCount; ++row)
            depths.push_back(cellValue(sgMethodOne, p + 1, row, settings));
    }
    return table;
}

StageDischargeTable captureStageDischarge(TextGrid& stageDisch, int& stageRowCount,
                                          const FormatSettings& settings) {
    dropTrailingEmptyRows(stageDisch, kStageColumn);
    stageRowCount = stageDisch.rowCount();
    StageDischargeTable table;
    for (int row = kFirstDataRow; row < stageDisch.rowCount(); ++row) {
        if (stageDisch.cell(kStageColumn, row).empty())
            continue; // an empty row between pairs stays in the grid and gives no pair
        table.stages.push_back(cellValue(stageDisch, kStageColumn, row, settings));
        table.discharges.push_back(cellValue(stageDisch, kDischargeColumn, row, settings));
    }
    table.pairCount = static_cast<int>(table.stages.size());
    return table;
}

void captureForResults(TextGrid& sgMethodOne, TextGrid& stageDisch, int dischargeMethodIndex,
                       CapturedTables& captured, const FormatSettings& settings) {
    RainfallTable rainfall = captureRainfall(sgMethodOne, settings);
    if (normalisedDischargeMethod(dischargeMethodIndex) != DischargeMethod::StageDischargeTable) {
        captured.rainfall = std::move(rainfall);
        return;
    }
    int stageRowCount = captured.stageRowCount;
    StageDischargeTable stageDischarge = captureStageDischarge(stageDisch, stageRowCount, settings);
    captured.rainfall = std::move(rainfall);
    captured.stageDischarge = std::move(stageDischarge);
    captured.stageRowCount = stageRowCount;
}

} // namespace velmora

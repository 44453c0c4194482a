// The design check's hydrographs as Qt Charts: the storm coming in, the outlet letting it go
// against the pre-development rate, and the pond rising and falling between its permanent
// pool and its outlet. Axes, ticks and legends are Qt Charts' own.
#pragma once

#include "design/designcheck.h"

#include <memory>
#include <optional>

class QChart;
class QPainter;
class QRectF;

namespace velmora {

// Which events a chart shows: one return period (0 = 5-year ... 4 = 100-year), or all five.
struct ChartEvents {
    std::optional<int> event; // none: all five overlaid
    static ChartEvents all() { return {}; }
    static ChartEvents one(int returnPeriod) { return {returnPeriod}; }
};

// The charts below throw std::out_of_range for a return period outside 0..4, and
// std::logic_error when the process runs a Qt application without widgets. The charts'
// objectNames are "flowChart" and "stageChart"; their axes "timeAxis", "rateAxis" and
// "stageAxis"; each series is named as its legend entry says, its objectName being its kind
// and the event's years ("inflow25", "outlet25", "preDev25", "stage25") or "permanentPool"
// and "controlElevation".

// Inflow rate, outlet rate and each shown event's pre-development rate as a horizontal line,
// in cfs against time in hours, the rates drawn as steps; a legend, units on the axes.
std::unique_ptr<QChart> createFlowChart(const DesignCheck& check, ChartEvents events);

// Stage in ft against hours, with the permanent pool and the crest or invert as lines.
std::unique_ptr<QChart> createStageChart(const DesignCheck& check, ChartEvents events);

// Both charts side by side in `area` of the painter's device, drawn as vectors on a PDF,
// SVG or printer painter. The charts are laid out at 96 units an inch of the device, so their
// text has the same size on paper, on screen and in an image of 96 pixels an inch.
void paintHydrographs(QPainter& painter, const QRectF& area, const DesignCheck& check,
                      ChartEvents events);

// Creates the process's QApplication (Qt Charts needs widgets), on the offscreen platform
// when there is no display, as ensureGuiApplication does for the report. It lives until the
// process ends; an application already running is left as it is.
void ensureWidgetApplication();

} // namespace velmora

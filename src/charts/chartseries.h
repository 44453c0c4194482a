// The engine's routing of one event as the points of a chart: rates as step lines, the pond's
// stage at the end of every step. Standard library only.
#pragma once

#include "engine/inputs.h"
#include "engine/resultsrun.h"

#include <optional>
#include <vector>

namespace velmora {

struct ChartPoint {
    double hours = 0; // time from the start of the storm
    double value = 0; // cfs or ft
};

// The inflow rate of each step of `event` (its inflow volume over its length, cfs) as a step
// line: two points a step, (start, rate) and (end, rate), from 0 hours. A step of zero length
// adds no points; neither does one of negative length (durations out of order).
std::vector<ChartPoint> inflowRateSeries(const ResultsRun& run, int event);

// The outlet's rate at Stage-2 (the Outflow column, cfs) as a step line in the same way.
std::vector<ChartPoint> outletRateSeries(const ResultsRun& run, int event);

// The pond's stage (Stage-2, ft) at the end of each step, from the permanent pool at 0 hours.
std::vector<ChartPoint> stageSeries(const ResultsRun& run, int event);

// The weir crest or orifice invert elevation (ft); none for a stage-discharge table outlet.
std::optional<double> controlElevation(const DesignInputs& inputs);

} // namespace velmora

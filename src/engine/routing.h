// Routing results: one row per time step of every event, and the design event's maxima.
#pragma once

#include "engine/inputs.h"

#include <span>
#include <vector>

namespace velmora {

// One time step of one event, in the order of the report's columns.
struct RoutingRow {
    double duration = 0;        // hours
    double rainfall = 0;        // inches, cumulative depth
    double deltaT = 0;          // hours
    double deltaR = 0;          // feet
    double inflowVol = 0;       // acre-feet
    double stage1 = 0;          // feet
    double discharge = 0;       // cfs at Stage-1
    double outflowVol = 0;      // acre-feet, outlet at Stage-1 plus infiltration
    double incremVol = 0;       // acre-feet
    double cumVol = 0;          // acre-feet, storage at the end of the step
    double stage2 = 0;          // feet
    double outflow = 0;         // cfs at Stage-2
    double volOut = 0;          // acre-feet, outlet alone at Stage-2
    double infiltrationVol = 0; // acre-feet
};

// The rows of all five events, event after event: row k of event p is rows[p * rowCount + k].
struct RoutingTable {
    int rowCount = 0;
    std::vector<RoutingRow> rows;

    std::span<const RoutingRow> event(int returnPeriod) const {
        return std::span<const RoutingRow>(rows).subspan(static_cast<std::size_t>(returnPeriod) *
                                                             static_cast<std::size_t>(rowCount),
                                                         static_cast<std::size_t>(rowCount));
    }
};

// The design event's maxima. Each starts at 0 and takes a row value only when strictly
// greater, so a value no row exceeds above 0 stays 0.
struct RoutingSummary {
    double peakStage = 0;   // feet
    double peakOutflow = 0; // cfs
    double peakVolOut = 0;  // acre-feet
    double maxStorage = 0;  // acre-feet

    void take(const RoutingRow& row);
};

RoutingSummary summarize(std::span<const RoutingRow> rows);

} // namespace velmora

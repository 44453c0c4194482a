// The continuity of one routed event: where the water that came in went.
#pragma once

#include "engine/routing.h"

#include <optional>
#include <span>

namespace velmora {

// Volumes in acre-feet over all the steps of one event.
struct MassBalance {
    int returnPeriod = rp5Year;
    double inflow = 0;       // runoff into the pond
    double outletVolume = 0; // through the outlet: the Stage-1 discharge over each step
    double infiltration = 0; // percolation through the pond bottom
    double finalStorage = 0; // left in the pond after the last step
    // inflow - outlet - infiltration - final storage. Zero (to rounding) unless a step removed
    // more water than the pond held: the routing then holds the storage at 0, and the error is
    // minus the water removed beyond it.
    double continuityError = 0;
    std::optional<double> continuityErrorPercent; // of the inflow; none when no water came in
    std::optional<int> firstClampedRow; // the first step whose storage was held at 0, from 0
    int clampedStepCount = 0;           // steps whose storage was held at 0
    double clampedVolume = 0;           // water those steps removed beyond the storage
};

// The balance of one event's rows, in routing order (each event starts from an empty pond).
MassBalance massBalance(std::span<const RoutingRow> rows, int returnPeriod);

} // namespace velmora

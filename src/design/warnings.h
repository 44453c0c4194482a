// What the design check finds worth a second look. Warnings never fail a run: they point at
// inputs and results that an engineer should confirm before trusting the numbers.
#pragma once

#include "design/massbalance.h"
#include "engine/resultsrun.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmora {

enum class WarningCode {
    DurationOrder,    // a duration not later than the one before: a step of no or negative length
    DepthDecrease,    // a cumulative depth below the one before: negative rain
    ControlBelowPool, // the crest or invert lies below the permanent pool
    PeakOnLastRow,    // the peak stage is reached on the storm's last step
    StorageClamped,   // a step removed more water than the pond held
    ContinuityError,  // the balance misses by more than kContinuityWarningPercent of the inflow
};

inline constexpr double kContinuityWarningPercent = 1.0; // % of the event's inflow

// The code as machine-readable output names it: "duration-order", "depth-decrease",
// "control-below-pool", "peak-on-last-row", "storage-clamped", "continuity-error".
const char* warningCodeName(WarningCode code);

struct DesignWarning {
    WarningCode code = WarningCode::DurationOrder;
    std::string message;
    std::optional<int> rainfallRow;  // the rainfall row it points at, from 0
    bool atControlElevation = false; // it points at the crest or invert elevation
};

// The routed steps the warnings about events speak of: the table's rows, or sub-steps, each
// with the rainfall row it belongs to.
struct RoutedSteps {
    const ResultsRun& run;
    std::span<const int> sourceRows; // one per step of an event
    bool subSteps = false;
};

// The rainfall table's order and the outlet's placing, from a run on the table's own rows:
// durations out of order or repeated, depths that fall down a column (one warning per row,
// naming its events), a crest or invert below the permanent pool.
std::vector<DesignWarning> inputWarnings(const ResultsRun& tableRun,
                                         const FormatSettings& settings);

// Per event, 5-year first: a peak stage on the last step, steps whose storage was held at 0,
// and a continuity error above kContinuityWarningPercent.
std::vector<DesignWarning> eventWarnings(const RoutedSteps& steps,
                                         std::span<const MassBalance> balances,
                                         const FormatSettings& settings);

} // namespace velmora

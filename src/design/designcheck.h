// The design check of one project: all five events against their pre-development rates,
// the mass balance of each, and the warnings, from one results run on the table's rows or
// on shorter sub-steps.
#pragma once

#include "design/eventcheck.h"
#include "design/massbalance.h"
#include "design/refinement.h"
#include "design/warnings.h"
#include "engine/resultsrun.h"

#include <array>
#include <optional>
#include <vector>

namespace velmora {

struct DesignCheck {
    std::optional<double> maxStepMinutes; // the sub-step limit; none on the table's own rows
    ResultsRun routed;                    // the run the events were checked on
    std::vector<int> sourceRows;          // the rainfall row of every routed step of an event
    std::array<EventCheck, kReturnPeriodCount> events;
    std::array<MassBalance, kReturnPeriodCount> balances;
    std::vector<DesignWarning> warnings; // the table's and outlet's first, then by event

    // Whether every event has a pre-development rate and keeps its peak outflow at or below
    // it.
    bool meetsPreDevelopment() const;
};

// Checks the run's five events, routed on its rows or, with `maxStepMinutes`, on sub-steps of
// at most that length (refinedRun). Throws RefinementError and RunError as refinedRun does,
// and RunError when an event's pre-development rate cannot be computed.
DesignCheck checkDesign(const ResultsRun& run, std::optional<double> maxStepMinutes,
                        const FormatSettings& settings);

} // namespace velmora

#include "design/designcheck.h"

#include "engine/calculationerror.h"

#include <algorithm>
#include <numeric>

namespace velmora {

bool DesignCheck::meetsPreDevelopment() const {
    return std::all_of(events.begin(), events.end(),
                       [](const EventCheck& event) { return event.meetsPreDev.value_or(false); });
}

DesignCheck checkDesign(const ResultsRun& run, std::optional<double> maxStepMinutes,
                        const FormatSettings& settings) {
    DesignCheck check;
    check.maxStepMinutes = maxStepMinutes;
    if (maxStepMinutes) {
        RefinedRun refined = refinedRun(run, *maxStepMinutes);
        check.routed = std::move(refined.run);
        check.sourceRows = std::move(refined.sourceRows);
    } else {
        check.routed = run;
        check.sourceRows.resize(static_cast<std::size_t>(run.routing.rowCount));
        std::iota(check.sourceRows.begin(), check.sourceRows.end(), 0);
    }
    try {
        check.events = checkEvents(check.routed);
    } catch (const CalculationError& error) {
        throw RunError(error.what());
    }
    for (int p = 0; p < kReturnPeriodCount; ++p)
        check.balances[static_cast<std::size_t>(p)] = massBalance(check.routed.routing.event(p), p);

    check.warnings = inputWarnings(run, settings);
    const RoutedSteps steps{check.routed, check.sourceRows, maxStepMinutes.has_value()};
    const std::vector<DesignWarning> events = eventWarnings(steps, check.balances, settings);
    check.warnings.insert(check.warnings.end(), events.begin(), events.end());
    return check;
}

} // namespace velmora

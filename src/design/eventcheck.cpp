#include "design/eventcheck.h"

#include "engine/rainfall.h"

#include <cstddef>

namespace velmora {

std::optional<double> eventPreDevelopmentRate(const DesignInputs& inputs, int returnPeriod) {
    const auto slot = static_cast<std::size_t>(returnPeriod);
    return preDevelopmentRate(inputs.intensityMethod, inputs.preArea, inputs.preC, inputs.preTc,
                              kCityCurveExponents[slot], inputs.userIntensity[slot]);
}

EventCheck checkEvent(const ResultsRun& run, int returnPeriod) {
    const RoutingSummary peaks = summarize(run.routing.event(returnPeriod));
    EventCheck check;
    check.returnPeriod = returnPeriod;
    check.preDevRate = eventPreDevelopmentRate(run.inputs, returnPeriod);
    check.peakOutflow = peaks.peakOutflow;
    check.peakStage = peaks.peakStage;
    check.maxStorage = peaks.maxStorage;
    if (check.preDevRate) {
        check.meetsPreDev = check.peakOutflow <= *check.preDevRate;
        if (*check.preDevRate != 0.0)
            check.outflowRatio = check.peakOutflow / *check.preDevRate;
    }
    return check;
}

std::array<EventCheck, kReturnPeriodCount> checkEvents(const ResultsRun& run) {
    std::array<EventCheck, kReturnPeriodCount> checks;
    for (int p = 0; p < kReturnPeriodCount; ++p)
        checks[static_cast<std::size_t>(p)] = checkEvent(run, p);
    return checks;
}

} // namespace velmora

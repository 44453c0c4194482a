// Every design event against its own pre-development runoff rate: does the pond keep the
// routed peak outflow at or below what the site released before development?
#pragma once

#include "engine/resultsrun.h"

#include <array>
#include <optional>

namespace velmora {

struct EventCheck {
    int returnPeriod = rp5Year;
    std::optional<double> preDevRate;   // cfs; none unless the intensity method is 0 or 1
    double peakOutflow = 0;             // cfs, largest Stage-2 outflow
    double peakStage = 0;               // ft, largest Stage-2
    double maxStorage = 0;              // acre-feet, largest storage
    std::optional<double> outflowRatio; // peak outflow / pre-development rate; none without a
                                        // rate or with a rate of 0
    std::optional<bool> meetsPreDev;    // peak outflow <= pre-development rate; none without a rate
};

// The pre-development rate of one event: the city curve with that event's exponent, or the
// user's intensity of that event; none for any other intensity method. Throws
// CalculationError where the curve cannot be evaluated (a time of concentration of -20
// minutes or below).
std::optional<double> eventPreDevelopmentRate(const DesignInputs& inputs, int returnPeriod);

// The check of one event of a run. The peaks start at 0, as the report's summary does.
EventCheck checkEvent(const ResultsRun& run, int returnPeriod);

// The five events of a run, 5-year first.
std::array<EventCheck, kReturnPeriodCount> checkEvents(const ResultsRun& run);

} // namespace velmora

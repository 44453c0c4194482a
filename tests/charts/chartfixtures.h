// A run built by hand for the chart tests: three steps per event, the second of zero length,
// every value known and each event's values told apart by its factor 1 + p.
#pragma once

#include "engine/resultsrun.h"

#include <array>

namespace velmora::testing {

inline constexpr double kPool = 100.0;  // ft, permanent pool
inline constexpr double kCrest = 100.5; // ft, weir crest

// Step k of event p: ends at 0.25, 0.25 and 0.75 hours; 0.5, 0.1 and 0.25 acre-feet in;
// outlet 1.5, 2 and 3 cfs; stage 100.2, 100.3 and 100.25 ft; all times 1 + p but the times.
inline RoutingRow chartRow(int p, int k) {
    constexpr std::array<double, 3> kDurations{0.25, 0.25, 0.75};
    constexpr std::array<double, 3> kDeltaT{0.25, 0.0, 0.5};
    constexpr std::array<double, 3> kInflow{0.5, 0.1, 0.25};
    constexpr std::array<double, 3> kOutflow{1.5, 2.0, 3.0};
    constexpr std::array<double, 3> kRise{0.2, 0.3, 0.25};
    const auto i = static_cast<std::size_t>(k);
    const double factor = 1 + p;
    RoutingRow row;
    row.duration = kDurations[i];
    row.deltaT = kDeltaT[i];
    row.inflowVol = kInflow[i] * factor;
    row.outflow = kOutflow[i] * factor;
    row.stage2 = kPool + kRise[i] * factor;
    return row;
}

inline ResultsRun chartRun(DischargeMethod outlet = DischargeMethod::RectangularWeir) {
    ResultsRun run;
    run.inputs.permPoolElev = kPool;
    run.inputs.controlElev = kCrest;
    run.inputs.dischargeMethod = outlet;
    run.inputs.designEvent = rp25Year;
    run.routing.rowCount = 3;
    for (int p = 0; p < kReturnPeriodCount; ++p)
        for (int k = 0; k < 3; ++k)
            run.routing.rows.push_back(chartRow(p, k));
    return run;
}

} // namespace velmora::testing

// Projects for the design check's tests, run through the engine as the command line runs them.
#pragma once

#include "engine/capture.h"
#include "engine/resultsrun.h"

#include <cmath>
#include <string>
#include <vector>

namespace velmora::testing {

// A retail site: 12.5 acres at C 0.65 (0.25 before development, Tc 45 minutes) into a
// 1.2-acre pond on a pool at 24 ft, user intensities, an 18-inch weir at 24.5 ft with two end
// contractions, no percolation.
inline MainWindowControls retailPond() {
    MainWindowControls c;
    c.EditPreCondArea = "12.5";
    c.EditPostCondArea = "12.5";
    c.EditPreC = "0.25";
    c.EditPostC = "0.65";
    c.EditPreTc = "45";
    c.EditPSA = "1.2";
    c.EditpermpoolElev = "24";
    c.EditRPerm = "0";
    c.cbxNtnstyMthd = IntensityMethod::UserSupplied;
    c.sgUsrNtnsty = {"4.1", "4.6", "5.4", "6", "6.6"};
    c.ComboBoxSelDischMethd = 0;
    c.EditWCEl = "24.5";
    c.EditWCoef = "3.33";
    c.EditNoEC = "2";
    c.EditWeirLength = "18";
    return c;
}

// A rainfall table whose five events share the durations; event p's depths are `depths`
// times (1 + 0.25 p).
inline CapturedTables rainfallOf(const std::vector<double>& durations,
                                 const std::vector<double>& depths) {
    CapturedTables captured;
    RainfallTable& table = captured.rainfall;
    table.rowCount = static_cast<int>(durations.size());
    table.durations = durations;
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        for (double depth : depths)
            table.depths[static_cast<std::size_t>(p)].push_back(depth * (1 + 0.25 * p));
    }
    return captured;
}

// A smooth day-long storm in half-hour rows: the cumulative depth follows an S curve whose
// steepest part (about 1 in/h for the 5-year event) falls at noon.
inline CapturedTables smoothDayStorm() {
    constexpr int kRows = 48;
    constexpr double kRowHours = 0.5;
    constexpr double kNoon = 12.0;    // h
    constexpr double kSpread = 1.5;   // h
    constexpr double kDayDepth = 5.0; // in, 5-year event
    const double half = std::atan(kNoon / kSpread);
    std::vector<double> durations, depths;
    for (int k = 1; k <= kRows; ++k) {
        const double t = kRowHours * k;
        durations.push_back(t);
        depths.push_back(kDayDepth * (std::atan((t - kNoon) / kSpread) + half) / (2 * half));
    }
    return rainfallOf(durations, depths);
}

inline ResultsRun runOf(const MainWindowControls& controls, const CapturedTables& captured) {
    return performResultsRun(controls, captured, cLocaleSettings());
}

} // namespace velmora::testing

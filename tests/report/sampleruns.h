// Results runs built by hand for the report tests: every value known, the design event's rows
// told apart from the other events' rows.
#pragma once

#include "engine/resultsrun.h"

#include <chrono>
#include <vector>

namespace velmora::testing {

// Row k of event p. The design event's values are small and distinct; every other event's
// values are 1000 higher, so drawing the wrong event shows at once.
inline RoutingRow sampleRow(int event, int k, int designEvent) {
    const double offset = event == designEvent ? 0.0 : 1000.0;
    RoutingRow row;
    row.duration = 0.25 * (k + 1);
    row.rainfall = offset + 1.5 + 0.125 * k;
    row.deltaT = 0.25; // hours: 15 minutes
    row.deltaR = offset + 0.01 * (k + 1);
    row.inflowVol = offset + 0.1 + 0.0001 * k;
    row.stage1 = offset + 25.0 + 0.01 * k;
    row.discharge = offset + 1.25 + 0.5 * k;
    row.outflowVol = offset + 0.02 + 0.0002 * k;
    row.incremVol = offset + 0.08 - 0.0002 * k;
    row.cumVol = offset + 0.3 + 0.001 * k;
    row.stage2 = offset + 25.5 + 0.01 * k;
    row.outflow = offset + 2.0 + 0.5 * k;
    row.volOut = offset + 0.03 + 0.0003 * k;
    row.infiltrationVol = offset + 0.001;
    return row;
}

// The worked example's inputs (user intensities, rectangular weir, 25-year design event) and
// a routing table of rowCount rows per event.
inline ResultsRun sampleRun(int rowCount = 13) {
    ResultsRun run;
    DesignInputs& in = run.inputs;
    in.projDescr = "Example detention pond";
    in.projNo = "P-101";
    in.projDate = std::chrono::year{2007} / std::chrono::March / 15;
    in.preArea = 10;
    in.postArea = 10;
    in.preC = 0.2;
    in.postC = 0.85;
    in.preTc = 60;
    in.pondArea = 0.75;
    in.permPoolElev = 25;
    in.permRate = 0.5;
    in.intensityMethod = IntensityMethod::UserSupplied;
    in.userIntensity = {4.5, 5.2, 6.1, 6.8, 7.5};
    in.designEvent = rp25Year;
    in.dischargeMethod = DischargeMethod::RectangularWeir;
    in.controlElev = 26.5;
    in.weirCoef = 3.33;
    in.endContractions = 0;
    in.openingSize = 12;
    in.orifCoef = 0.6;
    in.orifHeight = 6;

    run.eventLabel = "25yr/24hr";
    run.eventUserIntensity = 6.1;
    run.preDevRate = 12.2;
    run.routing.rowCount = rowCount;
    for (int p = 0; p < kReturnPeriodCount; ++p)
        for (int k = 0; k < rowCount; ++k)
            run.routing.rows.push_back(sampleRow(p, k, in.designEvent));
    return run;
}

// A user stage-discharge outlet with `pairs` pairs: stage 25 + k feet, discharge 1.5 k cfs.
inline ResultsRun stageTableRun(int pairs, int rowCount = 13) {
    ResultsRun run = sampleRun(rowCount);
    run.inputs.dischargeMethod = DischargeMethod::StageDischargeTable;
    run.stageDischarge.pairCount = pairs;
    for (int k = 0; k < pairs; ++k) {
        run.stageDischarge.stages.push_back(25.0 + k);
        run.stageDischarge.discharges.push_back(1.5 * k);
    }
    return run;
}

} // namespace velmora::testing

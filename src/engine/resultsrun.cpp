#include "engine/resultsrun.h"

#include "engine/basincalcs.h"
#include "engine/calculationerror.h"
#include "engine/rainfall.h"

#include <cstddef>
#include <exception>
#include <utility>

namespace velmora {

RunError::RunError(std::string detail)
    : std::runtime_error("CHECK DATA!"), detail_(std::move(detail)) {}

namespace {

// One numeric control by the reading rule; the failure names the control.
double readControl(const std::string& text, const std::string& controlName,
                   const FormatSettings& settings) {
    try {
        return readNumber(text, settings);
    } catch (const ConversionError& error) {
        throw RunError(controlName + ": " + error.what());
    }
}

void readOutletFields(const MainWindowControls& c, DesignInputs& in,
                      const FormatSettings& settings) {
    const auto read = [&settings](const std::string& text, const char* name) {
        return readControl(text, name, settings);
    };
    switch (in.dischargeMethod) {
    case DischargeMethod::RectangularWeir:
        in.controlElev = read(c.EditWCEl, "EditWCEl");
        in.weirCoef = read(c.EditWCoef, "EditWCoef");
        in.endContractions = read(c.EditNoEC, "EditNoEC");
        in.openingSize = read(c.EditWeirLength, "EditWeirLength");
        break;
    case DischargeMethod::CircularOrifice:
        in.weirCoef = read(c.EditWCoef, "EditWCoef");
        in.controlElev = read(c.EditWCEl, "EditWCEl");
        in.openingSize = read(c.EditWeirLength, "EditWeirLength");
        in.orifCoef = read(c.edtOrifCoef, "edtOrifCoef");
        break;
    case DischargeMethod::RectangularOrifice:
        in.weirCoef = read(c.EditWCoef, "EditWCoef");
        in.controlElev = read(c.EditWCEl, "EditWCEl");
        in.endContractions = read(c.EditNoEC, "EditNoEC");
        in.openingSize = read(c.EditWeirLength, "EditWeirLength");
        in.orifCoef = read(c.edtOrifCoef, "edtOrifCoef");
        in.orifHeight = read(c.edtOrifHt, "edtOrifHt");
        break;
    case DischargeMethod::StageDischargeTable:
        break; // the captured table is the outlet
    }
}

// Every scalar input in the order the run reads them, so the first control that does not
// convert is the one reported. Outlet fields the method does not read stay 0.
DesignInputs readDesignInputs(const MainWindowControls& c, const FormatSettings& settings) {
    const auto read = [&settings](const std::string& text, const char* name) {
        return readControl(text, name, settings);
    };
    DesignInputs in;
    in.dischargeMethod = normalisedDischargeMethod(c.ComboBoxSelDischMethd);
    in.intensityMethod = c.cbxNtnstyMthd;
    in.designEvent = normalisedDesignEvent(c.grpRainEvnt);
    in.projDescr = c.edtProjDes;
    in.projNo = c.edtProjNo;

    in.preArea = read(c.EditPreCondArea, "EditPreCondArea");
    in.postArea = read(c.EditPostCondArea, "EditPostCondArea");
    in.preC = read(c.EditPreC, "EditPreC");
    in.postC = read(c.EditPostC, "EditPostC");
    in.pondArea = read(c.EditPSA, "EditPSA");
    in.preTc = read(c.EditPreTc, "EditPreTc");
    in.permRate = read(c.EditRPerm, "EditRPerm");
    in.permPoolElev = read(c.EditpermpoolElev, "EditpermpoolElev");

    if (in.intensityMethod == IntensityMethod::UserSupplied) {
        for (std::size_t p = 0; p < in.userIntensity.size(); ++p)
            in.userIntensity[p] =
                readControl(c.sgUsrNtnsty[p], "sgUsrNtnsty row " + std::to_string(p + 1), settings);
    }
    readOutletFields(c, in, settings);
    in.projDate = c.edtDisProjDate;
    return in;
}

// Adds to the routed rows what the report prints beside them: the duration and the depth of
// the run's own rainfall table (after the replacement of negative previous depths), and
// Delta-R.
RoutingTable routingTable(std::vector<RoutingRow> rows, const RainfallTable& rainfall,
                          const std::vector<double>& deltaR) {
    RoutingTable table;
    table.rowCount = static_cast<int>(rows.size() / kReturnPeriodCount);
    const auto n = static_cast<std::size_t>(table.rowCount);
    for (std::size_t p = 0; p < static_cast<std::size_t>(kReturnPeriodCount); ++p) {
        for (std::size_t k = 0; k < n; ++k) {
            RoutingRow& row = rows[p * n + k];
            row.duration = rainfall.durations[k];
            row.rainfall = rainfall.depths[p][k];
            row.deltaR = deltaR[p * n + k];
        }
    }
    table.rows = std::move(rows);
    return table;
}

ResultsRun runEngine(DesignInputs inputs, const CapturedTables& captured,
                     const FormatSettings& settings) {
    ResultsRun run;
    inputs.designEvent = normalisedDesignEvent(inputs.designEvent);
    run.inputs = std::move(inputs);
    const DesignInputs& in = run.inputs;
    const basinCalcs engine = routingEngineFor(in);

    // The run's own copies: the replacement of negative depths never reaches the capture.
    run.rainfall = captured.rainfall;
    run.stageDischarge = captured.stageDischarge;

    run.maxDuration = basinCalcs::maxDuration(run.rainfall);
    run.infiltrationRate = infiltrationRate(in.pondArea, in.permRate);
    const std::vector<double> deltaR = basinCalcs::rainIncrements(run.rainfall);
    const std::vector<double> deltaT = basinCalcs::deltaTSeries(run.rainfall);
    const std::vector<double> infiltration =
        basinCalcs::infiltrationVolumes(deltaT, run.infiltrationRate);
    const std::vector<double> inflow = engine.inflowVolumes(deltaR);
    run.routing = routingTable(
        engine.route(deltaT, infiltration, inflow, in.dischargeMethod, run.stageDischarge),
        run.rainfall, deltaR);

    run.eventExponent = eventExponent(in.designEvent);
    run.eventLabel = eventLabel(in.designEvent, run.maxDuration, settings);
    run.eventUserIntensity = eventUserIntensity(in.designEvent, in.userIntensity);
    run.preDevRate = preDevelopmentRate(in.intensityMethod, in.preArea, in.preC, in.preTc,
                                        run.eventExponent, run.eventUserIntensity);
    run.summary = summarize(run.routing.event(in.designEvent));
    return run;
}

// Every failure of a run becomes a RunError: the engine's own, and anything else (such as
// memory running out on a huge table), which still fails the run as a whole rather than
// escaping into the paint.
template <class Run> ResultsRun failingAsRunError(Run run) {
    try {
        return run();
    } catch (const RunError&) {
        throw;
    } catch (const CalculationError& error) {
        throw RunError(error.what());
    } catch (const std::exception& error) {
        throw RunError(error.what());
    }
}

} // namespace

ResultsRun performResultsRun(const MainWindowControls& controls, const CapturedTables& captured,
                             const FormatSettings& settings) {
    return failingAsRunError(
        [&] { return runEngine(readDesignInputs(controls, settings), captured, settings); });
}

ResultsRun performResultsRun(const DesignInputs& inputs, const CapturedTables& captured,
                             const FormatSettings& settings) {
    return failingAsRunError([&] { return runEngine(inputs, captured, settings); });
}

} // namespace velmora

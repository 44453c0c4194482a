#include "engine/basincalcs.h"

#include "engine/calculationerror.h"
#include "engine/dischrate.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace velmora {

namespace {

constexpr std::size_t kEvents = kReturnPeriodCount;
constexpr double kHalf = 0.5; // after the first step, half of a step's inflow lifts Stage-1

// The number of rows the table really holds, so a count that disagrees with its arrays never
// reads past them.
std::size_t rowsOf(const RainfallTable& table) {
    std::size_t rows = table.rowCount <= 0 ? 0 : static_cast<std::size_t>(table.rowCount);
    rows = std::min(rows, table.durations.size());
    for (const auto& column : table.depths)
        rows = std::min(rows, column.size());
    return rows;
}

std::string rowName(const char* quantity, std::size_t rowIndex) {
    return std::string(quantity) + " of row " + std::to_string(rowIndex + 1);
}

// Every stage divides by the pond's area; the first division is Stage-1 of the first step.
void requirePondArea(double pondArea, double firstInflow) {
    if (pondArea != 0.0)
        return;
    const std::string step = stepName("Stage-1", 0, 0);
    if (firstInflow == 0.0)
        throw CalculationError(step + ": invalid operation 0/0 (pond area and inflow volume "
                                      "are 0)");
    throw CalculationError(step + ": division by zero (pond area is 0)");
}

template <class Outlet>
double dischargeAt(const Outlet& outlet, double stage, const char* quantity, int event, int row) {
    double discharge = 0.0;
    try {
        discharge = outlet(stage);
    } catch (const CalculationError& error) {
        throw CalculationError(stepName(quantity, event, row) + ": " + error.what());
    }
    requireFinite(discharge, quantity, event, row);
    return discharge;
}

} // namespace

double outletVolume(double dischargeCfs, double hours) {
    return dischargeCfs * hours * kSecondsPerHour / kSquareFeetPerAcre;
}

double infiltrationRate(double pondAreaAcres, double permRateInchesPerHour) {
    const double rate =
        pondAreaAcres * kSquareFeetPerAcre * (permRateInchesPerHour / kInchesPerFoot);
    requireFinite(rate, "Infiltration rate");
    return rate;
}

void basinCalcs::setInputs(double controlElev, double weirCoef, double weirLengthInches,
                           double preArea, double postArea, double preC, double postC, double preTc,
                           double pondArea, double permRate, double permPoolElev,
                           double endContractions, double orifSizeInches, double orifCoef,
                           double orifHeightInches) {
    params_ = BasinParameters{
        .controlElev = controlElev,
        .weirCoef = weirCoef,
        .weirLength = weirLengthInches / kInchesPerFoot,
        .preArea = preArea,
        .postArea = postArea,
        .preC = preC,
        .postC = postC,
        .preTc = preTc,
        .pondArea = pondArea,
        .permRate = permRate,
        .permPoolElev = permPoolElev,
        .endContractions = endContractions,
        .orifSize = orifSizeInches / kInchesPerFoot,
        .orifCoef = orifCoef,
        .orifHeight = orifHeightInches / kInchesPerFoot,
    };
}

basinCalcs routingEngineFor(const DesignInputs& in) {
    basinCalcs engine;
    engine.setInputs(in.controlElev, in.weirCoef, in.openingSize, in.preArea, in.postArea, in.preC,
                     in.postC, in.preTc, in.pondArea, in.permRate, in.permPoolElev,
                     in.endContractions, in.openingSize, in.orifCoef, in.orifHeight);
    return engine;
}

std::vector<double> basinCalcs::rainIncrements(RainfallTable& table) {
    const std::size_t rows = rowsOf(table);
    std::vector<double> deltaR;
    deltaR.reserve(kEvents * rows);
    for (std::size_t p = 0; p < kEvents; ++p) {
        std::vector<double>& depths = table.depths[p];
        for (std::size_t k = 0; k < rows; ++k) {
            double previous = 0.0;
            if (k > 0) {
                if (depths[k - 1] < 0.0)
                    depths[k - 1] = 0.0; // a negative depth never lowers the next increment
                previous = depths[k - 1];
            }
            const double increment = (depths[k] - previous) / kInchesPerFoot;
            requireFinite(increment, "Delta-R", static_cast<int>(p), static_cast<int>(k));
            deltaR.push_back(increment);
        }
    }
    return deltaR;
}

std::vector<double> basinCalcs::deltaTSeries(const RainfallTable& table) {
    const std::size_t rows = rowsOf(table);
    std::vector<double> deltaT;
    deltaT.reserve(rows);
    for (std::size_t k = 0; k < rows; ++k) {
        const double previous = k == 0 ? 0.0 : table.durations[k - 1];
        const double step = table.durations[k] - previous;
        if (!std::isfinite(step))
            throwNotFinite(step, rowName("Delta-T", k));
        deltaT.push_back(step);
    }
    return deltaT;
}

double basinCalcs::maxDuration(const RainfallTable& table) {
    const std::size_t rows = rowsOf(table);
    if (rows == 0)
        return 0.0;
    double longest = table.durations[0];
    for (std::size_t k = 1; k < rows; ++k) {
        if (table.durations[k] > longest)
            longest = table.durations[k];
    }
    return longest;
}

std::vector<double> basinCalcs::infiltrationVolumes(std::span<const double> deltaT,
                                                    double rateCubicFeetPerHour) {
    std::vector<double> perRow;
    perRow.reserve(deltaT.size());
    for (std::size_t k = 0; k < deltaT.size(); ++k) {
        const double volume = deltaT[k] * rateCubicFeetPerHour / kSquareFeetPerAcre;
        if (!std::isfinite(volume))
            throwNotFinite(volume, rowName("Infiltration volume", k));
        perRow.push_back(volume);
    }
    std::vector<double> volumes;
    volumes.reserve(kEvents * perRow.size());
    for (std::size_t p = 0; p < kEvents; ++p)
        volumes.insert(volumes.end(), perRow.begin(), perRow.end());
    return volumes;
}

std::vector<double> basinCalcs::inflowVolumes(std::span<const double> deltaR) const {
    const std::size_t rows = deltaR.size() / kEvents;
    std::vector<double> volumes;
    volumes.reserve(deltaR.size());
    for (std::size_t m = 0; m < deltaR.size(); ++m) {
        const double volume = deltaR[m] * params_.postArea * params_.postC;
        if (!std::isfinite(volume))
            throwNotFinite(volume, stepName("Inflow Vol.", static_cast<int>(m / rows),
                                            static_cast<int>(m % rows)));
        volumes.push_back(volume);
    }
    return volumes;
}

std::vector<RoutingRow> basinCalcs::route(std::span<const double> deltaT,
                                          std::span<const double> infiltrationVols,
                                          std::span<const double> inflowVols,
                                          DischargeMethod method,
                                          const StageDischargeTable& table) const {
    const std::size_t steps = kEvents * deltaT.size();
    if (infiltrationVols.size() != steps || inflowVols.size() != steps)
        throw std::invalid_argument("route: the volume series must hold five events of steps");
    std::vector<RoutingRow> rows(steps);
    if (steps == 0)
        return rows;
    requirePondArea(params_.pondArea, inflowVols[0]);

    const BasinParameters& in = params_;
    switch (method) {
    case DischargeMethod::CircularOrifice:
        routeEvents(
            deltaT, infiltrationVols, inflowVols,
            [&in](double stage) {
                return dischRate::circOrifFlow(stage, in.weirCoef, in.orifSize, in.controlElev,
                                               in.orifCoef);
            },
            rows);
        break;
    case DischargeMethod::RectangularOrifice:
        routeEvents(
            deltaT, infiltrationVols, inflowVols,
            [&in](double stage) {
                return dischRate::rectOrifFlow(stage, in.weirCoef, in.orifSize, in.orifHeight,
                                               in.endContractions, in.controlElev, in.orifCoef);
            },
            rows);
        break;
    case DischargeMethod::StageDischargeTable: {
        const dischRate outlet(table);
        routeEvents(
            deltaT, infiltrationVols, inflowVols,
            [&outlet](double stage) { return outlet.tableFlow(stage); }, rows);
        break;
    }
    case DischargeMethod::RectangularWeir:
    default:
        routeEvents(
            deltaT, infiltrationVols, inflowVols,
            [&in](double stage) {
                return dischRate::weirFlow(stage, in.weirCoef, in.weirLength, in.endContractions,
                                           in.controlElev);
            },
            rows);
        break;
    }
    return rows;
}

template <class Outlet>
void basinCalcs::routeEvents(std::span<const double> deltaT,
                             std::span<const double> infiltrationVols,
                             std::span<const double> inflowVols, const Outlet& outlet,
                             std::vector<RoutingRow>& rows) const {
    const std::size_t n = deltaT.size();
    const double pondArea = params_.pondArea;
    const double permPool = params_.permPoolElev;
    for (std::size_t p = 0; p < kEvents; ++p) {
        const int event = static_cast<int>(p);
        double storage = 0.0; // acre-feet above the permanent pool: every event starts empty
        double previousStage2 = permPool;
        for (std::size_t k = 0; k < n; ++k) {
            const int row = static_cast<int>(k);
            const std::size_t m = p * n + k;
            RoutingRow& out = rows[m];
            out.deltaT = deltaT[k];
            out.inflowVol = inflowVols[m];
            out.infiltrationVol = infiltrationVols[m];

            // The first step stands its whole inflow in the pond, later ones half of theirs.
            const double rise = (k == 0 ? out.inflowVol : kHalf * out.inflowVol) / pondArea;
            out.stage1 = std::max((k == 0 ? permPool : previousStage2) + rise, permPool);
            requireFinite(out.stage1, "Stage-1", event, row);

            out.discharge = dischargeAt(outlet, out.stage1, "Discharge", event, row);
            out.outflowVol = outletVolume(out.discharge, out.deltaT) + out.infiltrationVol;
            requireFinite(out.outflowVol, "Outflow Vol.", event, row);

            out.incremVol = out.inflowVol - out.outflowVol;
            requireFinite(out.incremVol, "Increm Vol", event, row);
            storage = std::max(storage + out.incremVol, 0.0);
            requireFinite(storage, "Cum. Vol.", event, row);
            out.cumVol = storage;

            out.stage2 = std::max(storage / pondArea + permPool, permPool);
            requireFinite(out.stage2, "Stage-2", event, row);
            previousStage2 = out.stage2;

            out.outflow = dischargeAt(outlet, out.stage2, "Outflow", event, row);
            out.volOut = outletVolume(out.outflow, out.deltaT);
            requireFinite(out.volOut, "Vol. Out", event, row);
        }
    }
}

} // namespace velmora

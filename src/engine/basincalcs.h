// The routing engine of the Modified Rational Method: the per-step series of one run and the
// routing of every time step of the five design events through the pond.
//
// Every per-step series holds 5 x n values laid out event after event: entry p x n + k is row k
// of return period p, n being the rainfall table's row count. Units: feet, acres, acre-feet,
// cubic feet per second and hours. Every operation throws CalculationError on a division by
// zero, an invalid operation or an overflow.
#pragma once

#include "engine/inputs.h"
#include "engine/routing.h"

#include <span>
#include <vector>

namespace velmora {

inline constexpr double kSquareFeetPerAcre = 43560.0; // ft2 per acre
inline constexpr double kInchesPerFoot = 12.0;        // in per ft
inline constexpr double kSecondsPerHour = 3600.0;     // s per h

// The fifteen parameters of a routing, lengths already in feet.
struct BasinParameters {
    double controlElev = 0;     // ft, weir crest or orifice invert
    double weirCoef = 0;        // weir coefficient
    double weirLength = 0;      // ft
    double preArea = 0;         // acres
    double postArea = 0;        // acres
    double preC = 0;            // runoff coefficient
    double postC = 0;           // runoff coefficient
    double preTc = 0;           // minutes
    double pondArea = 0;        // acres, average surface area
    double permRate = 0;        // in/h
    double permPoolElev = 0;    // ft
    double endContractions = 0; // count
    double orifSize = 0;        // ft, orifice diameter or width
    double orifCoef = 0;        // orifice coefficient
    double orifHeight = 0;      // ft
};

// Acre-feet that an outlet discharge in cfs carries out over a step of `hours`.
double outletVolume(double dischargeCfs, double hours);

// Percolation through the pond bottom in ft3/h: the pond's area in ft2 times the rate in ft/h.
double infiltrationRate(double pondAreaAcres, double permRateInchesPerHour);

class basinCalcs {
  public:
    // The fifteen parameters in their fixed order; openingSize (twice) and orifHeight are in
    // inches, as typed, and are kept in feet.
    void setInputs(double controlElev, double weirCoef, double weirLengthInches, double preArea,
                   double postArea, double preC, double postC, double preTc, double pondArea,
                   double permRate, double permPoolElev, double endContractions,
                   double orifSizeInches, double orifCoef, double orifHeightInches);

    const BasinParameters& parameters() const { return params_; }

    // Delta-R in feet for all five events. A negative depth that serves as the previous depth
    // of the next row is replaced by 0 in `table` itself; the last row's depth is never
    // tested, so a negative depth still gives its own row a negative increment.
    static std::vector<double> rainIncrements(RainfallTable& table);

    // Delta-T in hours, n values shared by the five events: row 0 is measured from time 0,
    // later rows from the previous duration. Durations out of order give negative steps.
    static std::vector<double> deltaTSeries(const RainfallTable& table);

    // The largest duration in hours; 0 for a table without rows.
    static double maxDuration(const RainfallTable& table);

    // Infiltration volume of every step in acre-feet: Delta-T x rate / 43560, the same for
    // all five events. `rateCubicFeetPerHour` is infiltrationRate().
    static std::vector<double> infiltrationVolumes(std::span<const double> deltaT,
                                                   double rateCubicFeetPerHour);

    // Inflow volume of every step in acre-feet: Delta-R x postArea x postC.
    std::vector<double> inflowVolumes(std::span<const double> deltaR) const;

    // Routes every step of the five events through the pond, each event from an empty pond.
    // `deltaT` has n entries, the two volume series 5 x n. Row p x n + k of the result holds
    // deltaT, inflowVol, infiltrationVol and the eight routed values (stage1 to volOut);
    // duration, rainfall and deltaR are left for the caller. `table` is read by method 3 only.
    std::vector<RoutingRow> route(std::span<const double> deltaT,
                                  std::span<const double> infiltrationVols,
                                  std::span<const double> inflowVols, DischargeMethod method,
                                  const StageDischargeTable& table) const;

  private:
    template <class Outlet>
    void routeEvents(std::span<const double> deltaT, std::span<const double> infiltrationVols,
                     std::span<const double> inflowVols, const Outlet& outlet,
                     std::vector<RoutingRow>& rows) const;

    BasinParameters params_;
};

// The routing engine of a run's inputs: the fifteen parameters in their order, the one opening
// size serving as weir length and orifice size.
basinCalcs routingEngineFor(const DesignInputs& inputs);

} // namespace velmora
